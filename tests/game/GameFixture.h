// A headless run for the game-flow tests: the world on a recording device,
// pictures registered as resources so overlay textures can be told apart,
// and a probe sprite that writes down what the frame pass does to it.
#pragma once

#include "engine/AssetLists.h"
#include "platform/RecordingGraphicsDevice.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tests/game/HeadlessWorld.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
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

class GameFixture : public ::testing::Test {
protected:
    CProbe* AddProbe(SpriteList& list, const char* name)
    {
        auto* probe = new CProbe(&journal, name);
        list.push_back(probe);
        return probe;
    }

    // A one-texel picture in the handle; the device's id of its texture.
    TextureId LoadPicture(int* handle, const std::string& name)
    {
        const char* stored = pictureNames.emplace_back(name).c_str();
        resources.AddPicture("TEXTURE", stored, {0x808080});
        world.graphics.LoadTextureResource(handle, stored);
        loadedHandles.push_back(handle);
        world.graphics.SetTexture(*handle);
        return device.state.texture;
    }

    // The top left pixels of every blit or quad of the texture since the record was cleared.
    std::vector<std::pair<float, float>> PlacesOf(TextureId texture) const
    {
        std::vector<std::pair<float, float>> places;
        for (const RecordedDraw& draw : device.draws) {
            if (draw.state.texture == texture && !draw.screenVertices.empty())
                places.emplace_back(draw.screenVertices[0].x, draw.screenVertices[0].y);
        }
        return places;
    }

    void TearDown() override
    {
        for (int* handle : loadedHandles)
            *handle = -1;
    }

    // The player in play: active, under control, vulnerable.
    void PutPlayerInPlay(float x, float y)
    {
        g_player->EnableControl();
        g_player->Activate();
        g_player->SetPosition(x, y, 0.0f);
        g_targetPosition = g_player->position;
    }

    Journal journal;
    RecordingGraphicsDevice device;
    // The resource table keeps names by pointer.
    std::deque<std::string> pictureNames;
    GraphicsTestResources resources;
    HeadlessWorld world{&device};

private:
    std::vector<int*> loadedHandles;
};
