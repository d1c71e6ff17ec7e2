// The contract between the asset generators and the asset generator's driver.
// Each generator builds its resources from source and hands their plain bytes
// (PNG, X file, Ogg Vorbis, grid text) to a sink; the driver scrambles the types
// that are stored scrambled, writes the files and embeds them in the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An RGBA picture, row 0 at the top; each pixel is 0xAARRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

class AssetSink {
public:
    virtual ~AssetSink() = default;
    // type: "TEXTURE", "TEXTUREM", "MODEL", "SE", "BGM", "MAP" or "ICON"; id: the number of "#id".
    virtual void Add(const std::string& type, int id, std::vector<unsigned char> bytes) = 0;
};

// PNG encoding of a picture (RGBA, or RGB when every pixel is opaque).
std::vector<unsigned char> EncodePng(const Picture& picture);

// One generator per category; the driver runs one category per invocation so
// that a change to one category's sources regenerates only that category.
void GeneratePictures(AssetSink& sink); // TEXTURE and ICON
void GenerateMeshes(AssetSink& sink);   // MODEL and the TEXTUREM pictures the meshes name
void GenerateSounds(AssetSink& sink);   // SE
void GenerateMusic(AssetSink& sink);    // BGM
void GenerateGrids(AssetSink& sink);    // MAP
