// A headless run for the game-flow tests: the recorded world with its transforms listed.
#pragma once

#include "tests/common/RecordedWorldTest.h"

class GameFixture : public RecordedWorldTest {
protected:
    GameFixture() { world.ListTransforms(); }

    CEnemy* AddEnemy(float x, float y, int hp, int score)
    {
        auto* enemy = new CEnemy();
        enemy->SetPosition(x, y, 0.0f);
        enemy->hp = enemy->maxHp = hp;
        enemy->score = score;
        enemy->hitRadius = 0.5f;
        g_enemyList.push_back(enemy);
        return enemy;
    }
};
