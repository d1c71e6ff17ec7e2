#include "actors/Skybox.h"
#include "actors/enemies/Beam.h"
#include "actors/enemies/DanmakuEmitter.h"
#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "engine/Grid.h"
#include "tests/scripts/ScenePlay.h"

#include <memory>

namespace {

// What no scene makes, made at the start of a drill's briefing and journalled
// for 15 s: both sky boxes, the grid (drawn once), the aimed beams and the
// enemy kinds and types no script spawns.
void MakeTheUnplayed()
{
    SpawnSkybox();
    SpawnSkybox2();
    std::make_unique<CGrid>()->DrawAll();
    const Vec3 left{-1.0f, 0.0f, 0.0f}, right{2.0f, 1.0f, 0.0f};
    g_enemyList.insert(g_enemyList.end(),
                       {new CEnemy2(0, 0.5f, &left), new CEnemy3(0, 1.0f, &right), new CEnemy4(0, 0.0f, &left),
                        new CEnemy4(1, 0.0f, &right), new CEnemy1(2, 1.0f, 2.0f, 0.0f),
                        new CEnemyDanmaku(-2.0f, 7.0f, 0.0f, 1), new CEnemyDanmaku(2.0f, 7.0f, 0.0f, 3),
                        new CEnemyBitDanmaku(3, &left, &left), new CEnemyBitDanmaku(4, &right, &left)});
    CreateBeamAimed(-3.0f, 4.0f, 0.0f);
    CreateWideBeamAimed(3.0f, 4.0f, 0.0f);
}

using UnplayedTest = ScenePlay;

TEST_F(UnplayedTest, PlaysAsJournalled)
{
    Pilot pilot;
    pilot.help = [](int f) {
        Shield();
        if (f == 0)
            MakeTheUnplayed();
    };
    ExpectPinned("unplayed", Play(10, -1, pilot, 900));
}

}  // namespace
