// The long-lived objects of a run, created as the program entry creates them
// but on the null sound device and a caller's graphics device, so that whole
// frames run in process: the tests and the frame benchmark share it.
#pragma once

#include "actors/Enemy.h"
#include "actors/LandScape.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "actors/PointParticles.h"
#include "actors/TriangleParticles.h"
#include "engine/GraphicsSystem.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"
#include "platform/NullAudioDevice.h"

#include <memory>

class HeadlessWorld {
public:
    // The device must outlive the world.
    explicit HeadlessWorld(GraphicsDevice* device)
    {
        graphics.Init(device, 640, 480, false, false);
        ResetGlobals();
        g_graphics = &graphics;
        g_sound = &sound;
        g_frameCounter = &frameCounter;
        g_inputRecord = &inputRecord;
        g_pointParticles = &pointParticles;
        g_triangleParticles = &triangleParticles;
        g_landscape = &landscape;
        g_landscape2 = &landscape2;
        g_worldTransform = AddTransform();
        g_groundTransform = AddTransform();
        g_camera = AddTransform();
        g_camera->position = {0.0f, 0.0f, -10.0f};
        g_camera->velocity = {0.0f, 1.0f, 0.0f};
        g_lastHitEnemy = &lastHitEnemy;
        g_lockonSystem = &lockonSystem;
        player = std::make_unique<CPlayer>();
        g_player = player.get();
        g_sceneScript = &sceneScript;
    }

    HeadlessWorld(const HeadlessWorld&) = delete;
    HeadlessWorld& operator=(const HeadlessWorld&) = delete;

    ~HeadlessWorld()
    {
        player.reset();
        for (SpriteList* list : {&g_backLayerList, &g_skyList, &g_enemyList, &g_playerAttackList, &g_enemyShotList,
                                 &g_effectList, &g_glowList, &g_systemSpriteList, &g_overlayList}) {
            for (CSprite* sprite : *list)
                delete sprite;
            list->clear();
        }
        UnloadStageTextures();
        graphics.Release();
        ResetGlobals();
        g_player = nullptr;
        g_lockonSystem = nullptr;
        g_lastHitEnemy = nullptr;
        g_camera = g_groundTransform = g_worldTransform = nullptr;
        g_landscape = g_landscape2 = nullptr;
        g_pointParticles = nullptr;
        g_triangleParticles = nullptr;
        g_sceneScript = nullptr;
        g_inputRecord = nullptr;
        g_frameCounter = nullptr;
        g_sound = nullptr;
        g_graphics = nullptr;
    }

    GraphicsSystem graphics;
    SoundSystem sound{std::make_unique<NullAudioDevice>()};
    CFrameCounter frameCounter;
    InputRecord inputRecord;
    CPointParticles pointParticles;
    CTriangleParticles triangleParticles;
    CLandScape landscape;
    CLandScape landscape2;
    CEnemy lastHitEnemy;
    CLockonSystem lockonSystem;
    SceneScript sceneScript;
    std::unique_ptr<CPlayer> player;

private:
    static CSprite* AddTransform()
    {
        auto* sprite = new CSprite();
        sprite->noAutoMove = true;
        g_systemSpriteList.push_back(sprite);
        return sprite;
    }

    static void ResetGlobals()
    {
        g_targetPosition = Vec3{};
        g_scene = -255;
        g_sceneStep = 0;
        g_sceneFrame = 0;
        g_stepFrame = 0;
        g_globalDifficulty = -1;
        g_freezeFrames = 0;
        g_freezeTotal = 0;
        g_freezeCentre = Vec3{};
        g_fadeLevel = 0.0f;
        g_fadeDirection = 0;
        g_controlLocked = false;
        g_loading = false;
        g_replayPlaying = false;
        g_credits = 0;
        g_sectionHeading = -1;
        g_sectionCard = -1;
        g_frameIntervalToggle = 0;
        g_sectionObjectIds.clear();
        g_bgmStage0 = g_bgmStage1 = g_bgmTitleCopy = -1;
        SeedRandom(1024);
    }
};
