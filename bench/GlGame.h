// What the benchmarks that draw whole frames with the game's own assets
// share: the asset generator's pictures, meshes and ground grids, stored as
// the program stores them (the grids plain, the rest scrambled), and an
// offscreen window with the OpenGL device.
#pragma once

#include "engine/AssetLists.h"
#include "platform/Resources.h"
#include "platform/sdl/GlGraphicsDevice.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tools/assetgen/MemorySink.h"

#include <cstdlib>
#include <list>
#include <string>
#include <vector>

class GameAssets {
public:
    GameAssets()
    {
        GeneratePictures(sink);
        GenerateMeshes(sink);
        GenerateGrids(sink);
        for (auto& [key, bytes] : sink.resources) {
            const size_t space = key.find(' ');
            const std::string& type = names.emplace_back(key.substr(0, space));
            const std::string& name = names.emplace_back(key.substr(space + 1));
            if (type == "MAP")
                grids.push_back({type.c_str(), name.c_str(), bytes.data(), bytes.size()});
            else if (type != "ICON")
                resources.Add(type.c_str(), name.c_str(), bytes);
        }
        RegisterResources(grids.data(), grids.size());
    }

private:
    MemorySink sink;
    std::list<std::string> names;
    std::vector<EmbeddedResource> grids;
    GraphicsTestResources resources;
};

class GlGame {
public:
    GlGame()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ready = window.Create("bench", 640, 480);
    }

    // Into the graphics manager of a world made since.
    static void LoadAssets()
    {
        LoadMasterTextures();
        LoadMoreTextures();
        LoadMasterModels();
    }

    bool ready = false;
    SdlWindow window;
    GlGraphicsDevice device{window};

private:
    GameAssets assets;
};
