// Stage 1: volleys of pattern enemies under briefing lines, the bullet-pattern
// boss among small enemies, then the clear, the results and the title.
#include "actors/enemies/DanmakuBoss.h"
#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "game/Freeze.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"
#include "game/scripts/ScriptActions.h"
#include "game/scripts/Timeline.h"
#include "game/scripts/Waves.h"

namespace {

void SpawnBoss()
{
    // Constructed, given its callbacks, then listed, in that order.
    auto* boss = new CEnemybDanmaku();
    boss->onDeath = SetScene;
    boss->onPhaseChange = SetFreeze;
    g_enemyList.push_back(boss);
}

constexpr Cue kEntry[] = {
    Always([] { SetScene(1, 0); }),
};

constexpr Cue kVolleys[] = {
    FromScene(240, SpawnStage1Wave),
    At(180, [] { FirstLine(1, 0); }),
    At(420, [] { NextLine(1, 1); }),
    At(660, [] { NextLine(1, 2, 120); }),
    At(780, [] { NextLine(1, 3, 120); }),
    At(900, [] { NextLine(1, 4, 120); }),
    At(1140, [] { NextLine(1, 5); }),
    At(1380, [] { NextLine(1, 6); }),
    At(1620, [] { NextLine(1, 7); }),
    AtScene(3600, [] { SetScene(1, 1); }),
};

constexpr Cue kBoss[] = {
    At(360, SpawnBoss),
    FromScene(360, SpawnStage1Wave),
};

constexpr Cue kClear[] = {
    At(360, [] { EndingBanner(g_texClearBanner); }),
    At(480,
       [] {
           SetControlLock(true);
           GlideShipToCentre(600);
       }),
    At(600, [] { FirstLine(0, 19); }),
    At(660, ShowClearResults),
    At(840, [] { NextLine(0, 20); }),
    At(1080, [] { NextLine(0, 21, 60); }),
    At(1140,
       [] {
           NextLine(0, 22, 60);
           FadeOut();
       }),
    At(1200, [] { NextLine(0, 23, 60); }),
    At(1380, [] { SetScene(-2, 0); }),
};

// A volley: a fan of three, then two and three rings after 120 and 240 frames.
void SpawnVolley()
{
    struct Volley {
        int type;
        float x;
        int delay;
    };
    constexpr Volley kVolley[] = {{0, -3.0f, 0},   {0, 0.0f, 0},   {0, 3.0f, 0},   {2, -2.0f, 120},
                                  {2, 2.0f, 120},  {2, -3.0f, 240}, {2, 0.0f, 240}, {2, 3.0f, 240}};
    for (const Volley& v : kVolley) {
        auto* enemy = new CEnemyDanmaku(v.x, 7.0f, 0.0f, v.type);
        if (v.delay > 0)
            enemy->SetWait2(v.delay);
        g_enemyList.push_back(enemy);
    }
}

bool OnPeriod(double seconds) { return g_stepFrame % Seconds(seconds) == 0; }

}  // namespace

void SceneScript::RunStage1()
{
    switch (g_sceneStep) {
    case -1:
        RunCues(kEntry);
        break;
    case 0:
        RunCues(kVolleys);
        break;
    case 1:
        RunCues(kBoss);
        break;
    case 2:
        RunCues(kClear);
        break;
    default:
        break;
    }
}

void SpawnStage1Wave()
{
    if (g_sceneStep == 0 && OnPeriod(ByDifficulty(8.0, 6.0))) {
        SpawnVolley();
    } else if (g_sceneStep == 1 && OnPeriod(ByDifficulty(2.0, 1.0))) {
        SpawnEnemy1Random();
    }
}
