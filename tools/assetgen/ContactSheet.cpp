#include "tools/assetgen/ContactSheet.h"

#include "engine/BmpImage.h"
#include "engine/ResourceLoader.h"
#include "tools/assetgen/Categories.h"
#include "tools/assetgen/FileSink.h"
#include "tools/assetgen/MemorySink.h"
#include "tools/assetgen/MeshPreview.h"
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kSheetWidth = 2048;
constexpr int kGap = 12;
constexpr int kLabelHeight = 14;

// Small pictures are enlarged so that their pixels can be judged.
int Zoom(const Picture& p)
{
    const int largest = std::max(p.width, p.height);
    return largest <= 16 ? 4 : largest <= 64 ? 2 : 1;
}

// Magenta shows as a dark checker board, as the see-through key would.
Rgba Shown(uint32_t pixel, int x, int y)
{
    if (pixel == 0xFFFF00FF)
        return ((x / 4 + y / 4) & 1) ? Hex(0x2A2A30) : Hex(0x1E1E24);
    return Hex(pixel & 0xFFFFFF, ((pixel >> 24) & 0xFF) / 255.0f);
}

const Picture* Find(const PictureList& list, int id)
{
    for (const AuthoredPicture& p : list)
        if (p.type == "TEXTURE" && p.id == id)
            return &p.picture;
    return nullptr;
}

// Blits like the game's 2D layer: source rectangle from the top left, the
// magenta key see-through; additive pictures add.
void Blit(Canvas& screen, const PictureList& list, int id, int x, int y, int w = 0, int h = 0, bool additive = false)
{
    const Picture* p = Find(list, id);
    if (!p)
        return;
    w = w ? w : p->width;
    h = h ? h : p->height;
    for (int sy = 0; sy < h && sy < p->height; ++sy)
        for (int sx = 0; sx < w && sx < p->width; ++sx) {
            const uint32_t pixel = p->pixels[static_cast<size_t>(sy) * p->width + sx];
            if (pixel == 0xFFFF00FF)
                continue;
            if (additive)
                screen.AddLight(x + sx, y + sy, Hex(pixel & 0xFFFFFF));
            else
                screen.Blend(x + sx, y + sy, Hex(pixel & 0xFFFFFF));
        }
}

void Digits(Canvas& screen, const PictureList& list, const std::string& text, int x, int y, bool right = true)
{
    const int first = right ? x - 5 * static_cast<int>(text.size()) : x;
    for (size_t i = 0; i < text.size(); ++i)
        Blit(screen, list, 171 + (text[i] - '0'), first + 5 * static_cast<int>(i), y, 12, 12);
}

void Bar(Canvas& screen, int x, int y, int w, int h, Rgba c) { screen.FillRect(x, y, x + w, y + h, c); }

// A play screen and a title screen put together from the pictures, as the
// game's overlay places them, to judge the pictures in their places.
Canvas ScreenMockups(const PictureList& list)
{
    Canvas screen(1300, 480, Rgba{0, 0, 0, 1});
    screen.FillRect(160, 0, 640, 480, Hex(0x40528A));
    Blit(screen, list, 309, 0, 0, 160, 480);
    Blit(screen, list, 101, 4, 4, 128, 128);
    Blit(screen, list, 258, 5, 8, 64, 16);
    Digits(screen, list, "000001234500", 155, 8);
    Digits(screen, list, "00123", 155, 24);
    Bar(screen, 30, 64, 60, 8, Rgba{0, 1, 0, 0.5f});
    Digits(screen, list, "24", 135, 84);
    Bar(screen, 30, 84, 70, 8, Rgba{0, 1, 0, 0.5f});
    Digits(screen, list, "8", 135, 104);
    Bar(screen, 30, 104, 87, 8, Rgba{0, 1, 0, 0.5f});
    Blit(screen, list, 237, 4, 224, 128, 128);
    for (int i = 0; i < 8; ++i) {
        if (i < 3)
            Bar(screen, 4, 274 + 12 * i, 32, 8, Rgba{0, 0.8f, 0, 0.5f});
        screen.StrokeRect(4, 274 + 12 * i, 36, 282 + 12 * i, Rgba{0, 1, 0, 0.5f});
    }
    Blit(screen, list, 170, 160, 460, 384, 16);
    Digits(screen, list, "3", 220, 461);
    Bar(screen, 4, 242, 70, 8, Rgba{0, 1, 0, 0.5f});
    Blit(screen, list, 230, 122, 201, 30, 47);
    for (int i = 0; i < 3; ++i)
        Blit(screen, list, 191, 5 + 33 * i, 380, 32, 32);
    Blit(screen, list, 240, 5, 420, 32, 16);
    Bar(screen, 168, 22, 300, 6, Rgba{0, 1, 0, 0.5f});
    screen.StrokeRect(168, 22, 632, 28, Rgba{0, 0.5f, 0, 1});
    Blit(screen, list, 324, 168, 8);
    Blit(screen, list, 164, 560, 430, 64, 32);
    screen.StrokeRect(530, 370, 630, 470, Rgba{0, 0.5f, 0, 1});
    screen.StrokeRect(555, 395, 605, 445, Rgba{0, 0.5f, 0, 1});
    Blit(screen, list, 335, 128, 440, 512, 13);
    Digits(screen, list, "60", 613, 9);
    Blit(screen, list, 247, 614, 9, 16, 11);
    Blit(screen, list, 222, 599, 456, 64, 16);
    Blit(screen, list, 341, 168, 240, 128, 16);
    Blit(screen, list, 224, 509, 160, 128, 32);
    Blit(screen, list, 225, 528, 210, 128, 32);
    Digits(screen, list, "100000", 632 - 36, 236, false);
    Blit(screen, list, 226, 590, 260, 64, 16);
    Digits(screen, list, "0", 632 - 6, 286, false);
    Blit(screen, list, 227, 519, 310, 128, 32);
    Digits(screen, list, "1234500", 632 - 42, 336, false);
    Blit(screen, list, 106, 400, 300);
    Blit(screen, list, 357, 300, 100);
    Blit(screen, list, 108, 350, 150);
    Blit(screen, list, 146, 200, 250, 0, 0, true);
    Blit(screen, list, 185, 430, 40, 0, 0, true);
    for (int i = 0; i < 4; ++i)
        Blit(screen, list, 103, 470 + (i & 1) * 10, 300 + i * 30, 0, 0, true);

    // The title screen, with a credit in.
    const int t = 650;
    Blit(screen, list, 306, t, 0, 160, 480);
    Blit(screen, list, 101, t + 4, 4, 128, 128);
    Blit(screen, list, 257, t + 5, 8, 64, 16);
    Digits(screen, list, "000000000000", t + 155, 8);
    Blit(screen, list, 237, t + 4, 224, 128, 128);
    Blit(screen, list, 170, t + 160, 460, 384, 16);
    Digits(screen, list, "1", t + 220, 461);
    Blit(screen, list, 323, t + 410, 390, 0, 0, true);
    Blit(screen, list, 184, t + 176, 64);
    Blit(screen, list, 327, t + 186, 97);
    Blit(screen, list, 327, t + 246, 64 + 129);
    screen.FillRect(t + 246, 72, t + 306, 73, Rgba{0, 0.5f, 0, 0.5f});
    Blit(screen, list, 104, t + 314, 300);
    return screen;
}

Picture DecodedPng(const std::vector<unsigned char>& png)
{
    std::vector<unsigned char> bmp;
    Image image;
    if (!ConvertPngToBmp(&bmp, png.data(), png.size()) || !DecodeBmp(&image, bmp.data(), bmp.size(), false))
        return Picture{1, 1, {0xFF400810u}};
    return Picture{image.width, image.height, image.pixels};
}

// The mesh textures and the meshes, seen as the game lights them, when this
// build has the meshes.
void AddMeshes(PictureList& list)
{
    for (size_t i = 0; i < g_assetCategoryCount; ++i) {
        if (std::strcmp(g_assetCategories[i].name, "meshes") != 0)
            continue;
        MemorySink sink;
        g_assetCategories[i].generate(sink);
        const TextureLookup findTexture = [&sink](const std::string& name) -> const std::vector<unsigned char>* {
            const auto found = sink.resources.find("TEXTUREM " + name);
            return found == sink.resources.end() ? nullptr : &found->second;
        };
        for (const auto& [key, bytes] : sink.resources) {
            const size_t hash = key.find('#');
            const std::string type = key.substr(0, hash - 1);
            const int id = std::atoi(key.c_str() + hash + 1);
            if (type == "TEXTUREM")
                list.push_back({type, id, DecodedPng(bytes)});
            else if (type == "MODEL")
                list.push_back({type, id, RenderMeshPreview(bytes, findTexture, 160)});
        }
    }
}

} // namespace

bool WriteContactSheet(const std::string& path)
{
    PictureList pictures = DrawAllPictures();
    AddMeshes(pictures);
    struct Placed {
        const AuthoredPicture* picture;
        int x, y, zoom;
    };
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const AuthoredPicture& p : pictures) {
        const int zoom = Zoom(p.picture);
        const int w = std::max(p.picture.width * zoom, 150), h = p.picture.height * zoom + kLabelHeight;
        if (x + w > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&p, x, y, zoom});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    const int mockupTop = y + rowHeight + kGap;
    const Canvas mockups = ScreenMockups(pictures);
    Canvas sheet(kSheetWidth, mockupTop + mockups.Height() + kGap, Hex(0x55555E));
    sheet.Draw(mockups, kGap, mockupTop);
    for (const Placed& item : placed) {
        const Picture& p = item.picture->picture;
        for (int py = 0; py < p.height * item.zoom; ++py)
            for (int px = 0; px < p.width * item.zoom; ++px)
                sheet.Blend(item.x + px, item.y + py,
                            Shown(p.pixels[static_cast<size_t>(py / item.zoom) * p.width + px / item.zoom], px, py));
        const std::string name = item.picture->type + " #" + std::to_string(item.picture->id) + "  " +
                                 std::to_string(p.width) + "x" + std::to_string(p.height);
        DrawLabel(sheet, name, 10.0f, Hex(0xFFFFFF), item.x, item.y + p.height * item.zoom + 11, Align::Left,
                  Face::Condensed);
    }
    const Picture out = sheet.WithAlpha();
    if (!WriteIfChanged(path, EncodePng(out))) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
