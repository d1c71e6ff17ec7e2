// Stage 0: the ship flies in under a moving camera, rows of small enemies,
// the cut scene with the stage title, two long stretches of waves while the
// ground tilts, the boss with bits and escorts, and the clear or the time out.
#include "actors/CinemaScope.h"
#include "actors/LandScape.h"
#include "actors/Player.h"
#include "actors/ShockWave.h"
#include "actors/SimpleSprite.h"
#include "actors/enemies/Bit.h"
#include "actors/enemies/MidEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "actors/enemies/BossStage0.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "game/Freeze.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"
#include "game/scripts/ScriptActions.h"
#include "game/scripts/Timeline.h"
#include "game/scripts/Waves.h"

#include <cstddef>

namespace {

void TiltGround(float x, float y, float z, int frames) { g_groundTransform->TweenRotation(x, y, z, Over(frames)); }

void LookAtShip() { g_camera->SetRotation(g_targetPosition.x, g_targetPosition.y, g_targetPosition.z); }

// The ship starts far below the field, climbing; the camera watches from its side.
void StartIntro()
{
    SetControlLock(true);
    g_player->SetPosition(0.0f, -40.0f, 0.0f);
    g_player->SetRotation(0.1f, 0.0f, 0.0f);
    g_player->MoveHermite(0.0f, 40.0f, 0.0f, 0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 0.0f, Over(240));
    g_groundTransform->SetPosition(0.0f, 0.0f, 0.0f);
    g_groundTransform->SetRotation(0.0f, 0.0f, 0.0f);
    g_camera->SetPosition(2.0f, 0.0f, -2.0f);
    LookAtShip();
    g_camera->SetVelocity(0.0f, 0.0f, -1.0f);
}

// The camera swings behind the field and the ship dives into its place.
void SettleIntro()
{
    g_camera->MoveHermite(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, Over(240));
    g_camera->TweenRotation(0.0f, 0.0f, 0.0f, Over(240));
    g_camera->TweenVelocity(0.0f, 1.0f, 0.0f, Over(240));
    g_player->MoveHermite(0.0f, -2.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, -50.0f, Over(240));
    g_player->TweenRotation(0.0f, 0.0f, 0.0f, Over(240));
    TiltGround(0.2f, 0.0f, 0.0f, 240);
}

void ShowStageLabel()
{
    g_backLayerList.push_back(
        new CSimpleSprite(599.0f, 456.0f, 0, 0, 64, 16, 240, 600, 240, 0.0f, 0.0f, g_texStageLabel));
}

// The side panel and the sinking title card; the ship and camera pull back
// while the ground slows.
void StartCutScene()
{
    SetControlLock(true);
    PurgeEnemyShots();
    g_overlayList.push_back(new CCinemaScope(170, Seconds(1.5), 300, Seconds(1.5)));
    g_overlayList.push_back(
        new CSimpleSprite(172.0f, 170.0f, 0, 0, 256, 64, 120, 240, 120, 0.0f, 0.125f, g_texStageTitle));
    PlaySound(g_seCutIn);
    g_player->MoveHermite(1.0f, -1.0f, -10.0f, 0.0f, 0.0f, 0.0f, 5.0f, -5.0f, 0.0f, Over(186));
    g_player->TweenRotation(0.8f, 0.0f, 0.0f, Over(186));
    g_camera->MoveTo(0.0f, 0.0f, -15.0f, Over(186));
    g_landscape->TweenVelocity(0.0f, 0.1f, 0.0f, Over(186));
}

// The ship shoots off into the distance behind a shock wave; the ground speeds up again.
void LaunchShip()
{
    g_player->TweenRotation(0.0f, 0.0f, 0.0f, Over(240));
    g_player->MoveHermite(-2.0f, 5.0f, 10.0f, 0.0f, 30.0f, -30.0f, -20.0f, -70.0f, 100.0f, Over(192));
    g_camera->MoveTo(0.0f, 0.0f, -10.0f, Over(192));
    const Vec3& at = g_player->position;
    auto* wave = new CShockWave(at.x, at.y, at.z, 20.0f, Seconds(0.75));
    wave->SetRotation(-0.8f, 0.0f, 0.0f);
    g_effectList.push_back(wave);
    g_landscape->TweenVelocity(-0.03f, 0.5f, 0.0f, Over(120));
    TiltGround(0.1f, 0.3f, 0.0f, 360);
}

// One full turn about y on the way back to the ship's place.
void ReturnShip()
{
    g_player->TweenRotation(0.0f, -2.0f, 0.0f, Over(180));
    g_player->MoveHermite(0.0f, -2.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 30.0f, -30.0f, Over(240));
}

void EndCutScene()
{
    TiltGround(0.1f, -0.3f, 0.1f, 6000);
    g_player->SetRotation(0.0f, 0.0f, 0.0f);
    SetControlLock(false);
    SetScene(0, 2);
}

void SpawnEscorts()
{
    for (int i = 0; i < 8; ++i)
        SpawnEnemy1RandomWide();
}

void SpawnBoss()
{
    auto* boss = new CEnemyb();
    boss->onDeath = SetScene;
    g_enemyList.push_back(boss);
}

void TimeOut()
{
    SetControlLock(true);
    DismissEnemies();
    SetScene(0, 8);
}

// After the ending banner: the ship glides to the centre under a turning camera.
void CloseIn(int cameraFrames, float eyeX, float eyeY, float eyeZ)
{
    SetControlLock(true);
    GlideShipToCentre(600);
    SwingCameraToEndView(eyeX, eyeY, eyeZ, cameraFrames);
}

constexpr Cue kIntro[] = {
    During(-1, 239, LookAtShip),
    At(180, [] { FirstLine(0, 0); }),
    At(420, [] { NextLine(0, 1); }),
    At(0, StartIntro),
    At(120, [] { PlaySound(g_seEntry); }),
    At(240, SettleIntro),
    At(480,
       [] {
           SetControlLock(false);
           SetScene(0, 0);
       }),
};

constexpr Cue kFirstWaves[] = {
    At(0, ShowStageLabel),
    At(960, [] { SetScene(0, 1); }),
    At(180, [] { NextLine(0, 2); }),
    At(420, [] { NextLine(0, 3); }),
    At(660, [] { NextLine(0, 4); }),
    At(900, [] { NextLine(0, 5); }),
    During(61, 899, SpawnStage0Wave),
};

constexpr Cue kCutScene[] = {
    At(0, [] { TiltGround(-0.1f, 0.0f, 0.0f, 240); }),
    At(120, StartCutScene),
    At(306, [] { g_player->StartFlare(); }),
    At(408, LaunchShip),
    At(600, ReturnShip),
    At(840, EndCutScene),
};

constexpr Cue kWaves[] = {
    At(0, [] { TiltGround(0.1f, -0.3f, 0.1f, 5100); }),
    AtScene(4320, [] { SetScene(0, 3); }),
    Always(SpawnStage0Wave),
};

constexpr Cue kMidWaves[] = {
    At(0, [] { FirstLine(0, 6); }),
    At(240, [] { NextLine(0, 7); }),
    At(480, [] { NextLine(0, 8); }),
    At(720, [] { NextLine(0, 9); }),
    At(960, [] { NextLine(0, 10); }),
    At(1800, [] { FirstLine(0, 11); }),
    At(2040, [] { NextLine(0, 12); }),
    At(2280, [] { NextLine(0, 13); }),
    At(2520, [] { NextLine(0, 14); }),
    At(2760, [] { NextLine(0, 15); }),
    At(3000, [] { NextLine(0, 16); }),
    At(0, [] { TiltGround(-0.4f, 0.0f, 0.0f, 120); }),
    At(120, [] { TiltGround(0.1f, -0.3f, 0.0f, 120); }),
    At(240, [] { TiltGround(0.1f, -0.3f, 0.1f, 5100); }),
    From(600, SpawnStage0Wave),
    AtScene(8340, [] { SetScene(0, 6); }),
};

constexpr Cue kBoss[] = {
    At(0, SpawnEscorts),
    At(600, [] { FirstLine(0, 17); }),
    At(360, [] { TiltGround(0.7f, -0.3f, 0.0f, 120); }),
    At(480, [] { TiltGround(0.2f, -0.5f, 0.2f, 120); }),
    At(600, [] { TiltGround(0.2f, 0.5f, 0.2f, 5100); }),
    At(360, SpawnBoss),
    From(480, SpawnStage0Wave),
    AtScene(15000, TimeOut),
};

constexpr Cue kClear[] = {
    At(360, [] { EndingBanner(g_texClearBanner); }),
    At(480, [] { CloseIn(600, 2.0f, 1.5f, -1.0f); }),
    At(660, ShowClearResults),
    At(600, [] { FirstLine(0, 19); }),
    At(840, [] { NextLine(0, 20); }),
    At(1080, [] { NextLine(0, 21, 60); }),
    At(1140, [] { NextLine(0, 22, 60); }),
    At(1200, [] { NextLine(0, 23, 60); }),
    At(1140, FadeOut),
    At(1380, [] { SetScene(-2, 0); }),
};

constexpr Cue kTimeOut[] = {
    At(0, [] { EndingBanner(g_texFailedBanner); }),
    At(120, [] { CloseIn(360, -1.0f, -5.0f, 1.0f); }),
    At(300, [] { ShowResults(0, g_player->resultsCount); }),
    At(240, [] { FirstLine(0, 24); }),
    At(480, [] { NextLine(0, 20); }),
    At(720, [] { NextLine(0, 21, 60); }),
    At(780, [] { NextLine(0, 22, 60); }),
    At(840, [] { NextLine(0, 23, 60); }),
    At(780, FadeOut),
    At(1020, [] { SetScene(-2, 0); }),
};

// A mid-size enemy from the top or bottom edge; the draws pick kind, side, x.
void SpawnMidEnemy()
{
    const int kind = RandomInt(2);
    const int side = RandomInt(2);
    const float r = RandomFloat();
    const float x = 10.0f * r - 5.0f;
    const float y = side == 0 ? 7.0f : -7.0f;
    CEnemy* enemy = kind == 0 ? static_cast<CEnemy*>(new CEnemym0(x, y, 0.0f)) : new CEnemym0b(x, y, 0.0f);
    g_enemyList.push_back(enemy);
}

// Rows alternate sides every half period, their direction turning a full
// circle every 960 frames.
void SpawnRows(int frame)
{
    const double s = ByDifficulty(6.0, 3.0);
    const int period = Seconds(s);
    const int half = Seconds(s * 0.5);
    const float angle = 2.0f * static_cast<float>(frame % 960) / 960.0f;
    if (frame % period == 0)
        SpawnEnemy0Row(angle);
    else if (frame % period == half)
        SpawnEnemy0RowMirrored(angle);
}

int CountBits()
{
    int bits = 0;
    for (std::size_t i = 0; i < g_enemyList.size(); ++i) {
        if (dynamic_cast<CBit*>(g_enemyList[i]) != nullptr)
            ++bits;
    }
    return bits;
}

void SpawnBossEscorts(int frame)
{
    if (frame % 480 == 0)
        SpawnEnemy2Row();
    if (frame % 240 == 0 && CountBits() < 2)
        SpawnBit();
}

}  // namespace

void SceneScript::RunStage0()
{
    switch (g_sceneStep) {
    case -1:
        RunCues(kIntro);
        break;
    case 0:
        RunCues(kFirstWaves);
        break;
    case 1:
        RunCues(kCutScene);
        break;
    case 2:
        RunCues(kWaves);
        break;
    case 3:
        RunCues(kMidWaves);
        break;
    case 6:
        RunCues(kBoss);
        break;
    case 7:
        RunCues(kClear);
        break;
    case 8:
        RunCues(kTimeOut);
        break;
    default:
        break;
    }
}

void SpawnStage0Wave()
{
    const int step = g_sceneStep;
    const int frame = g_stepFrame;
    if (step == 3 && frame % Seconds(ByDifficulty(14.0, 10.0, 12.0)) == 0)
        SpawnMidEnemy();
    if (step == 0 || step == 2 || step == 3)
        SpawnRows(frame);
    if (step == 6)
        SpawnBossEscorts(frame);
}
