// The long-lived objects of a run, made as the program entry makes them but on
// a caller's graphics device (or one that draws nothing) and audio device (a
// silent one unless given), so that actors and whole frames run in process:
// the actor and game tests and the benchmarks share it. The object lists
// start and end empty (the transforms join the system list only for whole
// frames); the generator is seeded as a scene change seeds it.
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
#include "platform/AudioDevice.h"
#include "platform/NullAudioDevice.h"
#include "platform/NullGraphicsDevice.h"
#include "tests/common/StartGlobals.h"
#include "tests/engine/WaveBuilder.h"

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// Deletes everything the object lists hold.
inline void DeleteListedObjects()
{
    for (SpriteList* list : {&g_backLayerList, &g_skyList, &g_enemyList, &g_playerAttackList, &g_enemyShotList,
                             &g_effectList, &g_glowList, &g_systemSpriteList, &g_overlayList}) {
        for (CSprite* sprite : *list)
            delete sprite;
        list->clear();
    }
}

// The frame pass's walk over one list: draw, then update, every object; dead
// ones are deleted where they stand.
inline void RunList(SpriteList* list)
{
    for (std::size_t i = 0; i < list->size();) {
        CSprite* sprite = (*list)[i];
        if (sprite->state == STATE_DEAD) {
            delete sprite;
            list->erase(list->begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        sprite->Draw();
        sprite->Update();
        ++i;
    }
}

// The objects of one kind in the list, in its order.
template <typename T>
std::vector<T*> ObjectsOf(const SpriteList& list)
{
    std::vector<T*> found;
    for (CSprite* sprite : list) {
        if (T* object = dynamic_cast<T*>(sprite))
            found.push_back(object);
    }
    return found;
}

// The first n draws of a scene's sequence; the generator is seeded afresh
// afterwards, so ask before acting.
inline std::vector<float> ReferenceDraws(int n)
{
    SeedRandom(1024);
    std::vector<float> draws;
    for (int i = 0; i < n; ++i)
        draws.push_back(RandomFloat());
    SeedRandom(1024);
    return draws;
}

class TestWorld {
public:
    // A device given must outlive the world.
    explicit TestWorld(GraphicsDevice* device = nullptr,
                       std::unique_ptr<AudioDevice> audio = std::make_unique<NullAudioDevice>())
        : sound(std::move(audio))
    {
        DeleteListedObjects();
        graphics.Init(device != nullptr ? device : &silentDevice, 640, 480, false, false);
        ResetGlobals();
        g_graphics = &graphics;
        g_sound = &sound;
        g_frameCounter = &frameCounter;
        g_inputRecord = &inputRecord;
        g_pointParticles = &pointParticles;
        g_triangleParticles = &triangleParticles;
        g_landscape = &landscape;
        g_landscape2 = &landscape2;
        for (CSprite* transform : Transforms())
            transform->noAutoMove = true;
        camera.position = {0.0f, 0.0f, -10.0f};
        camera.velocity = {0.0f, 1.0f, 0.0f};
        g_worldTransform = &worldTransform;
        g_groundTransform = &groundTransform;
        g_camera = &camera;
        g_lastHitEnemy = &lastHitEnemy;
        g_lockonSystem = &lockonSystem;
        player = std::make_unique<CPlayer>();
        g_player = player.get();
        g_sceneScript = &sceneScript;
    }

    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    ~TestWorld()
    {
        DeleteObjects();
        UnloadStageTextures();
        graphics.Release();
        ResetGlobals();
        for (int* handle : toneHandles)
            *handle = -1;
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

    // Whole frames move the transforms through the system list, where the
    // program entry puts them.
    void ListTransforms()
    {
        for (CSprite* transform : Transforms())
            g_systemSpriteList.push_back(transform);
    }

    // The ship goes first: it takes its reticle and blade out of their list.
    void DeleteObjects()
    {
        player.reset();
        g_player = nullptr;
        for (CSprite* transform : Transforms())
            std::erase(g_systemSpriteList, transform);
        DeleteListedObjects();
    }

    // A sound slot holding a short tone; a silent device keeps it playing until stopped.
    int LoadTone()
    {
        const Bytes wave = MonoWave(std::vector<int16_t>(4, 1000), 22050);
        return sound.CreateFromWave(wave.data(), wave.size());
    }

    // A tone in each handle; the handles are set back to -1 with the world.
    void LoadTones(std::span<int* const> handles)
    {
        for (int* handle : handles) {
            *handle = LoadTone();
            toneHandles.push_back(handle);
        }
    }

    // The graphics manager's device when none is given.
    NullGraphicsDevice silentDevice;
    GraphicsSystem graphics;
    SoundSystem sound;
    CFrameCounter frameCounter;
    InputRecord inputRecord;
    CPointParticles pointParticles;
    CTriangleParticles triangleParticles;
    CLandScape landscape;
    CLandScape landscape2;
    CSprite worldTransform;
    CSprite groundTransform;
    CSprite camera;
    CEnemy lastHitEnemy;
    CLockonSystem lockonSystem;
    SceneScript sceneScript;
    std::unique_ptr<CPlayer> player;

private:
    std::array<CSprite*, 3> Transforms() { return {&worldTransform, &groundTransform, &camera}; }

    static void ResetGlobals()
    {
        ResetStartGlobals();
        g_globalDifficulty = -1;
        SeedRandom(1024);
    }

    std::vector<int*> toneHandles;
};
