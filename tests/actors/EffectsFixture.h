// A headless scene for the effect, scenery and HUD tests: the graphics
// manager on a recording device, a silent sound manager, the three scene
// transform sprites (the camera at (0, 0, -10) looking at the origin),
// pictures and meshes registered as resources, and a generator seeded as a
// scene change seeds it.
#pragma once

#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "platform/NullAudioDevice.h"
#include "platform/RecordingGraphicsDevice.h"
#include "tests/actors/TileMesh.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tests/engine/WaveBuilder.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class EffectsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(graphics.Init(&device, 640, 480, false, false));
        g_graphics = &graphics;
        g_sound = &sound;
        camera.position = {0.0f, 0.0f, -10.0f};
        g_worldTransform = &worldTransform;
        g_groundTransform = &groundTransform;
        g_camera = &camera;
        device.ClearRecord();
        SeedRandom(1024);
    }

    void TearDown() override
    {
        for (SpriteList* list : {&g_effectList, &g_glowList, &g_overlayList, &g_backLayerList}) {
            for (CSprite* sprite : *list)
                delete sprite;
            list->clear();
        }
        for (int* handle : loadedHandles)
            *handle = -1;
        g_camera = g_worldTransform = g_groundTransform = nullptr;
        g_sound = nullptr;
        g_graphics = nullptr;
    }

    // Loads a picture into the handle; the device's id of its texture.
    TextureId LoadPicture(int* handle, const char* name)
    {
        resources.AddPicture("TEXTURE", name, {0x808080, 0x808080});
        graphics.LoadTextureResource(handle, name);
        loadedHandles.push_back(handle);
        graphics.SetTexture(*handle);
        return device.state.texture;
    }

    // Loads pictures into the n handles; the device's ids in the same order.
    std::vector<TextureId> LoadPictures(int* handles, int n, int firstName)
    {
        std::vector<TextureId> ids;
        for (int i = 0; i < n; ++i)
            ids.push_back(LoadPicture(&handles[i], ("#" + std::to_string(firstName + i)).c_str()));
        device.ClearRecord();
        return ids;
    }

    // Ground grids are stored as plain text, not scrambled.
    void AddMap(const char* name, const std::string& text)
    {
        const std::string& stored = mapTexts.emplace_back(text);
        const EmbeddedResource& entry = mapEntries.emplace_back(EmbeddedResource{
            "MAP", name, reinterpret_cast<const unsigned char*>(stored.data()), stored.size()});
        RegisterResources(&entry, 1);
    }

    // A sound slot holding a short tone.
    int LoadTone()
    {
        const Bytes wave = MonoWave(std::vector<int16_t>(4, 1000), 22050);
        return sound.CreateFromWave(wave.data(), wave.size());
    }

    void DrawAndUpdate(CSprite* sprite)
    {
        sprite->Draw();
        sprite->Update();
    }

    static uint32_t AlphaByte(const RecordedDraw& draw)
    {
        return (draw.screenVertices.empty() ? draw.colorVertices[0].color : draw.screenVertices[0].color) >> 24;
    }

    // Where a blit puts its top left texel (blits sit half a pixel up and left).
    static float BlitX(const RecordedDraw& draw) { return draw.screenVertices[0].x + 0.5f; }
    static float BlitY(const RecordedDraw& draw) { return draw.screenVertices[0].y + 0.5f; }
    static float Width(const RecordedDraw& draw)
    {
        return draw.screenVertices.empty() ? draw.colorVertices[1].x - draw.colorVertices[0].x
                                           : draw.screenVertices[1].x - draw.screenVertices[0].x;
    }

    RecordingGraphicsDevice device;
    GraphicsSystem graphics;
    GraphicsTestResources resources;
    SoundSystem sound{std::make_unique<NullAudioDevice>()};
    CSprite worldTransform;
    CSprite groundTransform;
    CSprite camera;

private:
    std::vector<int*> loadedHandles;
    std::deque<std::string> mapTexts;
    std::deque<EmbeddedResource> mapEntries;
};
