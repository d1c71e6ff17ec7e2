// Pictures of the stages: the corner label "#222", the title card "#162",
// the banners "#341" and "#340", the results labels "#224".."#227", the
// special-attack cut-in "#169" and the stage 1 background tile "#356".
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <cmath>

namespace {

// Only the left 41 columns reach the screen.
Picture StageLabel()
{
    Canvas c(64, 16);
    c.FillRect(0, 2, 2, 14, palette::kCyan);
    DrawOutlined(c, "AREA 1", FitWidth("AREA 1", TextStyle{Face::CondensedBold, 10.5f, 0.3f}, 36), Hex(0xFFFFFF),
                 Hex(0x9FE4FF), 4, 12);
    return c.Keyed();
}

Picture StageTitle()
{
    Canvas c(256, 64);
    DrawText(c, "AREA 1", TextStyle{Face::CondensedBoldOblique, 34.0f, 1.0f}, OutlinedLook(Hex(0xFFFFFF), Hex(0x6FCBFF), 2),
             10, 36);
    c.FillPolygon({{8, 42}, {200, 42}, {194, 46}, {8, 46}}, palette::kOutline);
    c.FillPolygon({{9, 43}, {198, 43}, {195, 45}, {9, 45}}, palette::kCyan);
    DrawOutlined(c, "THE AZURE SHELF", TextStyle{Face::CondensedBold, 11.0f, 2.0f}, Hex(0xFFE2A0), palette::kAmber,
                 12, 59);
    return c.Keyed();
}

Picture Banner(const std::string& text, Rgba plate, Rgba ink)
{
    Canvas c(128, 16);
    DrawPlate(c, 0, 0, 128, 16, plate, 4);
    DrawOutlined(c, text, FitWidth(text, TextStyle{Face::CondensedBold, 11.0f, 1.2f}, 112), Hex(0xFFFFFF), ink, 64,
                 12, Align::Centre);
    return c.Keyed();
}

// A results label: text ending at the given column, which lines up with the
// counters' right end on screen.
Picture ResultLabel(int width, int height, const std::string& text, float size, int right, int baseline,
                    bool heading)
{
    Canvas c(width, height);
    const TextStyle style = FitWidth(
        text, TextStyle{heading ? Face::CondensedBoldOblique : Face::CondensedBold, size, heading ? 1.5f : 0.8f},
        right - 2);
    const int drawn = DrawOutlined(c, text, style, Hex(0xFFFFFF), heading ? palette::kAmber : Hex(0x9FE4FF), right,
                                   baseline, Align::Right);
    if (heading) {
        c.FillRect(right - drawn - 6, baseline + 4, right + 2, baseline + 7, palette::kOutline);
        c.FillRect(right - drawn - 5, baseline + 5, right + 1, baseline + 6, palette::kAmber);
    }
    return c.Keyed();
}

// The special-attack cut-in: a slanted band with speed lines, the orb emblem
// and the words, sliding in from the left.
Picture CutIn()
{
    Canvas c(360, 307);
    const std::vector<Point> band = {{0, 62}, {360, 22}, {360, 246}, {0, 286}};
    c.FillPolygon({{0, 54}, {360, 14}, {360, 254}, {0, 294}}, Hex(0xEAF6FF));
    c.FillPolygon({{0, 58}, {360, 18}, {360, 250}, {0, 290}}, palette::kAmber);
    c.FillPolygon(band, Hex(0x0A2A56));
    Canvas lines(360, 307);
    lines.Shade([](float x, float y) {
        const float slant = y + x * (40.0f / 360.0f);
        const float depth = 0.35f + 0.65f * (x / 360.0f);
        Rgba base = Mix(Hex(0x061634), Hex(0x1560B0), Clamp01((slant - 60) / 230) * depth);
        const int lane = static_cast<int>(slant / 3.0f);
        const float start = LatticeValue(lane, 7, 3301u) * 360.0f;
        const float length = 40 + LatticeValue(lane, 8, 3301u) * 160.0f;
        if (LatticeValue(lane, 9, 3301u) > 0.55f && x > start && x < start + length) {
            const float fade = 1.0f - (x - start) / length;
            base = Mix(base, Hex(0xBFEFFF), 0.55f * fade);
        }
        return base;
    });
    for (int y = 0; y < 307; ++y)
        for (int x = 0; x < 360; ++x)
            if (c.At(x, y).a > 0 && c.At(x, y).b > 0.3f && c.At(x, y).r < 0.1f)
                c.Blend(x, y, lines.At(x, y));
    DrawOrbEmblem(c, 92, 158, 60, 86.0f);
    TextLook words = OutlinedLook(Hex(0xFFFFFF), Hex(0x8FE0FF), 2);
    DrawText(c, "SPECIAL", TextStyle{Face::CondensedBoldOblique, 46.0f, 1.0f}, words, 350, 130, Align::Right);
    words.bottom = Hex(0xFFC040);
    DrawText(c, "ATTACK", TextStyle{Face::CondensedBoldOblique, 46.0f, 1.0f}, words, 350, 182, Align::Right);
    DrawOutlined(c, "ORB SYSTEM OVERDRIVE", TextStyle{Face::CondensedBold, 11.0f, 2.0f}, Hex(0xFFE2A0),
                 palette::kAmber, 350, 212, Align::Right);
    return c.Keyed();
}

// Stage 1 background: the hull of an orbital station seen from above,
// repeating every 640 rows so that the stacked tiles join.
constexpr int kTileWidth = 480;
constexpr int kTileHeight = 640;
constexpr int kPanelWidth = 80;
constexpr int kPanelHeight = 64;

Rgba HullPixel(float x, float y)
{
    const int px = static_cast<int>(x) / kPanelWidth, py = static_cast<int>(y) / kPanelHeight;
    const float lx = std::fmod(x, static_cast<float>(kPanelWidth)), ly = std::fmod(y, static_cast<float>(kPanelHeight));
    const float kind = LatticeValue(px, py, 4242u);
    const float grime = FractalNoise(x / 64.0f, y / 64.0f, 4, 919u, 10);
    Rgba base = Mix(Hex(0x141C28), Hex(0x222E3E), LatticeValue(px, py, 4243u));
    base = Scaled(base, 0.8f + 0.4f * grime);
    // Bevels between the plates.
    if (lx < 1.5f || ly < 1.5f)
        base = Mix(base, Hex(0x3A4C60), 0.7f);
    else if (lx > kPanelWidth - 2.5f || ly > kPanelHeight - 2.5f)
        base = Scaled(base, 0.35f);
    // Vents on some plates, lamps on others.
    if (kind < 0.25f && lx > 12 && lx < 68 && ly > 14 && ly < 50 && std::fmod(ly, 6.0f) < 2.5f)
        base = Scaled(base, 0.45f);
    if (kind > 0.8f) {
        const float d = std::hypot(lx - 12, ly - 12);
        const Rgba lamp = kind > 0.9f ? Hex(0xFFB040) : Hex(0x40D8FF);
        base = Mix(base, lamp, Clamp01(2.2f - d) + 0.25f * std::exp(-d * d / 30.0f));
    }
    // Two long conduits with a glowing strip.
    for (float cx : {120.0f, 360.0f}) {
        const float d = std::fabs(x - cx);
        if (d < 9)
            base = Mix(Hex(0x0C1118), Hex(0x2C3A4A), 1.0f - d / 9);
        if (d < 1.5f)
            base = Mix(base, Hex(0x2FA8D8), 0.6f + 0.3f * std::sin(y / kTileHeight * 6.2831853f * 8));
    }
    return base;
}

Picture BackTile()
{
    Canvas c(kTileWidth, kTileHeight, Rgba{0, 0, 0, 1});
    c.Shade(HullPixel);
    return c.Keyed();
}

} // namespace

void AddStagePictures(PictureList& list)
{
    list.push_back({"TEXTURE", 222, StageLabel()});
    list.push_back({"TEXTURE", 162, StageTitle()});
    list.push_back({"TEXTURE", 341, Banner("MISSION CLEAR", Hex(0x15503A), Hex(0xB8FFD2))});
    list.push_back({"TEXTURE", 340, Banner("MISSION FAILED", Hex(0x5A1A18), Hex(0xFFB8A0))});
    list.push_back({"TEXTURE", 224, ResultLabel(128, 32, "RESULT", 22.0f, 121, 22, true)});
    list.push_back({"TEXTURE", 225, ResultLabel(128, 32, "LIFE BONUS", 12.0f, 103, 21, false)});
    list.push_back({"TEXTURE", 226, ResultLabel(64, 16, "MEDALS", 11.0f, 41, 12, false)});
    list.push_back({"TEXTURE", 227, ResultLabel(128, 32, "TOTAL SCORE", 12.0f, 112, 21, false)});
    list.push_back({"TEXTURE", 169, CutIn()});
    list.push_back({"TEXTURE", 356, BackTile()});
}
