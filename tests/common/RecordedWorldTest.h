// A test on the world drawn by a recording device, with pictures registered
// as resources so that textures can be told apart: the actor tests and the
// game-flow tests share it. The record starts empty, after the device set-up.
#pragma once

#include "engine/AssetLists.h"
#include "platform/RecordingGraphicsDevice.h"
#include "tests/common/TestWorld.h"
#include "tests/engine/GraphicsTestResources.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

class RecordedWorldTest : public ::testing::Test {
protected:
    RecordedWorldTest() { device.ClearRecord(); }

    ~RecordedWorldTest() override
    {
        for (int* handle : loadedHandles)
            *handle = -1;
    }

    // A one-texel picture in the handle (set back to -1 afterwards); the device's id of its texture.
    TextureId LoadPicture(int* handle, const std::string& name)
    {
        const char* stored = pictureNames.emplace_back(name).c_str();
        resources.AddPicture("TEXTURE", stored, {0x808080});
        world.graphics.LoadTextureResource(handle, stored);
        loadedHandles.push_back(handle);
        world.graphics.SetTexture(*handle);
        return device.state.texture;
    }

    RecordingGraphicsDevice device;
    // The resource table keeps names by pointer.
    std::deque<std::string> pictureNames;
    GraphicsTestResources resources;
    TestWorld world{&device};

private:
    std::vector<int*> loadedHandles;
};
