#include "game/FramePass.h"

#include "actors/LandScape.h"
#include "actors/LockOnSite.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "actors/PointParticles.h"
#include "actors/Reseter.h"
#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "game/Collisions.h"
#include "game/Freeze.h"
#include "game/Overlay.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"

#include <cstddef>

namespace {

// A scene change that shows a loading screen may run inside a frame; the
// inner frame would walk the lists under the outer walk's feet, so it is skipped.
bool g_inFrame = false;

// Objects pushed during the walk are reached in the same walk; test runs
// after each living object's Draw and Update, onDead before a dead one goes.
template <class Test, class OnDead>
void WalkList(SpriteList& list, Test test, OnDead onDead)
{
    for (std::size_t i = 0; i < list.size();) {
        CSprite* sprite = list[i];
        if (sprite->state == STATE_DEAD) {
            onDead(sprite);
            EraseAndDelete(list, i);
            continue;
        }
        sprite->Draw();
        if (!IsFrozen())
            sprite->Update();
        test(sprite);
        ++i;
    }
}

void DoNothing(CSprite*) {}

template <class Test>
void WalkList(SpriteList& list, Test test)
{
    WalkList(list, test, DoNothing);
}

void WalkList(SpriteList& list) { WalkList(list, DoNothing); }

void RunSubSteps(CSprite* attack)
{
    const int n = attack->subSteps;
    for (int k = 0; k < n; ++k) {
        if (n == 1) {
            attack->Update();
        } else {
            if (k == 0) {
                attack->noAutoMove = true;
                attack->Update();
                attack->noAutoMove = false;
            }
            attack->SubStep();
        }
        TestAttackAgainstEnemies(attack);
    }
}

void WalkPlayerAttacks()
{
    SpriteList& list = g_playerAttackList;
    for (std::size_t i = 0; i < list.size();) {
        CSprite* attack = list[i];
        if (attack->state == STATE_DEAD) {
            EraseAndDelete(list, i);
            continue;
        }
        if (dynamic_cast<CLockOnSite*>(attack) != nullptr && !IsControlPossible()) {
            ++i;
            continue;
        }
        attack->Draw();
        if (!IsFrozen())
            RunSubSteps(attack);
        ++i;
    }
}

// A finished scene-change timer enters its scene before it goes.
void EnterSceneOfReseter(CSprite* sprite)
{
    if (auto* reseter = dynamic_cast<CReseter*>(sprite))
        SetScene(reseter->scene, 0);
}

void BeginFrame()
{
    g_graphics->SetViewTransform(MatrixLookAtLH(g_camera->position, g_camera->rotation, g_camera->velocity));
    g_targetPosition = g_player->position;
    g_graphics->ClearTriangles();
    g_graphics->Clear();
    g_graphics->BeginScene();
    g_graphics->SetViewport(160, 0, 480, 480);
}

// The grounds update before they draw.
void DrawGrounds()
{
    g_graphics->ClearZBuffer();
    if (!IsFrozen()) {
        g_landscape->Update();
        g_landscape2->Update();
    }
    g_landscape->Draw();
    g_landscape2->Draw();
    g_graphics->ClearZBuffer();
}

// While frozen the ship is drawn on top of the hit-stop flash instead.
void RunPlayer()
{
    if (IsFrozen())
        return;
    g_player->Draw();
    g_player->Update();
}

void FlushTriangleBatch()
{
    g_graphics->SetCulling(0);
    g_graphics->SetFog(0);
    g_graphics->SetBlendMode(0);
    g_graphics->SetMaterialColor(1.0f, 1.0f, 1.0f, 1.0f);
    g_graphics->SetTexture(g_texEnemyShot);
    g_graphics->FlushTriangles();
}

void RunParticles()
{
    if (IsFrozen())
        return;
    g_pointParticles->Update();
    g_triangleParticles->Update();
    g_pointParticles->Draw();
    g_triangleParticles->Draw();
}

void DrawScreenLayer(bool rearCone)
{
    g_graphics->ClearZBuffer();
    g_graphics->SetViewport(0, 0, 640, 480);
    DrawOverlay();
    if (!g_player->onEntryPath && g_player->controlEnabled)
        DrawRadar(rearCone);
    WalkList(g_overlayList);
    DrawAndStepFade();
    if (IsFrozen())
        DrawHitStopLayer();
    g_graphics->EndScene();
}

void AdvanceCounters()
{
    if (!IsFrozen()) {
        g_stepFrame += 1;
        g_sceneFrame += 1;
    } else {
        g_freezeFrames -= 1;
    }
}

void RunFrame(bool loadingFrame)
{
    BeginFrame();
    WalkList(g_backLayerList);
    WalkList(g_skyList);
    DrawGrounds();
    RunPlayer();
    bool rearCone = false;
    WalkList(g_enemyList, [&rearCone](CSprite* object) { TestEnemyAgainstPlayer(object, &rearCone); });
    UpdateWarningTone(rearCone);
    WalkPlayerAttacks();
    WalkList(g_enemyShotList, TestEnemyShotAgainstPlayer);
    FlushTriangleBatch();
    WalkList(g_effectList);
    RunParticles();
    WalkList(g_glowList);
    WalkList(g_systemSpriteList, DoNothing, EnterSceneOfReseter);
    if (!IsFrozen())
        g_sceneScript->Run();
    DrawScreenLayer(rearCone);
    g_graphics->Present();
    g_graphics->UpdateShake();
    g_lockonSystem->CountDown();
    if (!loadingFrame)
        AdvanceCounters();
}

}  // namespace

void Frame(bool loadingFrame)
{
    if (g_inFrame)
        return;
    g_inFrame = true;
    RunFrame(loadingFrame);
    g_inFrame = false;
}
