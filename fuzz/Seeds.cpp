// fuzz_seeds <generated assets> <out>: the first inputs of every fuzz target,
// made from the assets the build generated (stored form, folders by type)
// and from a settings file and a replay written by the game's own code.
#include "engine/ByteOrder.h"
#include "engine/InputRecord.h"
#include "engine/OggDecoder.h"
#include "engine/ResourceLoader.h"
#include "tests/engine/PngTestUtil.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

namespace {

// Larger inputs only slow the fuzzer down.
constexpr size_t kMaxSeedBytes = 64 * 1024;
// A WAVE seed keeps this many bytes of samples.
constexpr size_t kWaveSeedSamples = 4096;

fs::path g_out;

Bytes ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const char* target, const std::string& name, const Bytes& bytes)
{
    if (bytes.empty() || bytes.size() > kMaxSeedBytes)
        return;
    fs::create_directories(g_out / target);
    std::ofstream(g_out / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Plain(const Bytes& stored)
{
    Bytes plain(stored.size());
    UnscrambleResource(plain.data(), stored.data(), static_cast<int>(stored.size()));
    return plain;
}

// The image cut after a few samples, its sizes mended to match.
Bytes ShortWave(const Bytes& ogg)
{
    WaveImage image;
    size_t size = 0;
    if (!DecodeOggToWav(ogg.data(), ogg.size(), &image, &size))
        return {};
    Bytes wave(image.get(), image.get() + std::min(size, 44 + kWaveSeedSamples));
    StoreLe32(&wave[4], static_cast<uint32_t>(wave.size() - 8));
    StoreLe32(&wave[40], static_cast<uint32_t>(wave.size() - 44));
    return wave;
}

void PictureSeeds(const std::string& name, const Bytes& png)
{
    Write("png_to_bmp", name, png);
    Bytes bmp;
    if (png.size() <= kMaxSeedBytes && ConvertPngToBmp(&bmp, png.data(), png.size()))
        Write("bmp", name, bmp);
}

// Small pictures of every colour type and depth, which the assets lack.
void PictureKindSeeds()
{
    const int kinds[][2] = {{PNG_COLOR_TYPE_PALETTE, 1}, {PNG_COLOR_TYPE_PALETTE, 2}, {PNG_COLOR_TYPE_PALETTE, 4},
                            {PNG_COLOR_TYPE_PALETTE, 8}, {PNG_COLOR_TYPE_GRAY, 8},    {PNG_COLOR_TYPE_GRAY, 16},
                            {PNG_COLOR_TYPE_GRAY_ALPHA, 8}, {PNG_COLOR_TYPE_RGB, 16},  {PNG_COLOR_TYPE_RGB_ALPHA, 16}};
    const int channels[] = {1, 0, 3, 1, 2, 0, 4};  // by colour type
    for (const auto& [type, depth] : kinds) {
        TestPng picture;
        picture.width = 5;
        picture.height = 3;
        picture.colourType = type;
        picture.bitDepth = depth;
        picture.gamma = depth == 16 ? 0.45455 : 0.0;
        const size_t rowBytes = (static_cast<size_t>(picture.width) * channels[type] * depth + 7) / 8;
        for (size_t i = 0; i < rowBytes * picture.height; ++i)
            picture.rows.push_back(static_cast<unsigned char>(i * 37));
        if (type == PNG_COLOR_TYPE_PALETTE)
            for (int i = 0; i < (1 << depth); ++i)
                picture.palette.push_back({static_cast<png_byte>(i), static_cast<png_byte>(255 - i), 0xFF});
        PictureSeeds("kind_" + std::to_string(type) + "_" + std::to_string(depth) + ".png", EncodeTestPng(picture));
    }
}

// The grid targets take the width and height first.
Bytes GridSeed(const Bytes& text)
{
    int width = 0;
    while (width < static_cast<int>(text.size()) && text[width] != '\r' && text[width] != '\n')
        ++width;
    int height = 0;
    for (unsigned char c : text)
        height += c == '\n';
    Bytes seed = {static_cast<unsigned char>(width), static_cast<unsigned char>(height)};
    seed.insert(seed.end(), text.begin(), text.end());
    return seed;
}

void ResourceSeed(unsigned char type, const std::string& name, const Bytes& stored)
{
    Bytes seed = {type};
    seed.insert(seed.end(), stored.begin(), stored.end());
    Write("resources", name, seed);
}

void AssetSeeds(const fs::path& assets)
{
    for (const auto& entry : fs::recursive_directory_iterator(assets)) {
        if (!entry.is_regular_file())
            continue;
        const std::string type = entry.path().parent_path().filename().string();
        const std::string name = type + "_" + entry.path().filename().string();
        const Bytes stored = ReadFile(entry.path());
        if (type == "TEXTURE" || type == "TEXTUREM") {
            PictureSeeds(name, Plain(stored));
            ResourceSeed(type == "TEXTURE" ? 0 : 1, name, stored);
        } else if (type == "ICON") {
            PictureSeeds(name, stored);
        } else if (type == "MODEL") {
            Write("xfile", name, Plain(stored));
            ResourceSeed(2, name, stored);
        } else if (type == "SE" || type == "BGM") {
            const Bytes ogg = Plain(stored);
            Write("ogg_to_wave", name, ogg);
            if (ogg.size() <= kMaxSeedBytes)
                Write("wave", name + ".wav", ShortWave(ogg));
            ResourceSeed(3, name, stored);
        } else if (type == "MAP") {
            Write("map_grid", name, GridSeed(stored));
        }
    }
}

void SettingsSeed()
{
    const std::string text =
        "automaticreload,1\r\nblade,3\r\nglobaldifficulty,-1\r\nscorename,PLAYER\r\nshotkey,44\r\nvsync,0\r\n"
        "windowmode,1\r\n";
    Write("settings", "vostrelle.ini", Bytes(text.begin(), text.end()));
}

void ReplaySeed()
{
    InputRecord record;
    for (int i = 0; i < 8; ++i) {
        InputState state;
        state.x = static_cast<float>(i) / 8.0f;
        state.shot = static_cast<uint8_t>(i & 1);
        state.blade = static_cast<uint8_t>(i == 5);
        record.Append(&state);
    }
    const fs::path path = g_out / "replay.dat";
    fs::create_directories(g_out);
    if (record.SaveFile(path.string(), 0, "PLAYER", 1200, 35, 1, -1, 600))
        Write("replay", "play.dat", ReadFile(path));
    fs::remove(path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds <generated assets> <out>\n");
        return 2;
    }
    g_out = argv[2];
    AssetSeeds(argv[1]);
    PictureKindSeeds();
    SettingsSeed();
    ReplaySeed();
    return 0;
}
