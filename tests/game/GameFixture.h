// A headless run for the game-flow tests: the recorded world, and a probe
// sprite that writes down what the frame pass does to it.
#pragma once

#include "tests/common/RecordedWorldTest.h"

#include <string>
#include <vector>

using Journal = std::vector<std::string>;

class CProbe : public CSprite {
public:
    CProbe(Journal* journal, std::string name) : journal(journal), name(std::move(name)) {}
    ~CProbe() override { Note("Deleted"); }

    void Draw() override { Note("Draw"); }
    void Update() override
    {
        Note(noAutoMove ? "Update still" : "Update");
        CSprite::Update();
        if (onUpdate != nullptr)
            onUpdate(this);
    }
    void SubStep() override
    {
        Note("SubStep");
        CSprite::SubStep();
    }

    void (*onUpdate)(CProbe*) = nullptr;
    Journal* journal;
    std::string name;

private:
    void Note(const char* what) { journal->push_back(name + "." + what); }
};

class GameFixture : public RecordedWorldTest {
protected:
    GameFixture() { world.ListTransforms(); }

    // The probes write their deletion into the journal: they go while it lives.
    ~GameFixture() override { world.DeleteObjects(); }

    CProbe* AddProbe(SpriteList& list, const char* name)
    {
        auto* probe = new CProbe(&journal, name);
        list.push_back(probe);
        return probe;
    }

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

    Journal journal;
};
