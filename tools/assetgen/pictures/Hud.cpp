// The HUD column at the left of the play field and its small pictures: the
// strip ("#306", "#309", "#310"), the panels cut from it ("#101", "#237"),
// labels, gauge levels, lives, difficulty, credits, replay mark, fps label
// and the last-hit names.
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <cmath>

namespace {

constexpr int kStripWidth = 160;
constexpr int kStripHeight = 480;

Canvas Crop(const Canvas& source, int x, int y, int width, int height)
{
    Canvas out(width, height);
    for (int cy = 0; cy < height; ++cy)
        for (int cx = 0; cx < width; ++cx)
            out.Blend(cx, cy, source.At(x + cx, y + cy));
    return out;
}

void BrushedMetal(Canvas& c)
{
    c.Shade([](float x, float y) {
        const float grain = FractalNoise(x / 40.0f, y / 1.5f, 3, 5151u);
        const float light = 0.85f + 0.3f * grain - 0.12f * (y / kStripHeight);
        return Scaled(Hex(0x141C24), light);
    });
}

// Row labels share one size: the largest at which the longest fits left of the bars.
void RowLabel(Canvas& c, const std::string& text, int right, int baseline)
{
    static const TextStyle style = FitWidth("BLADE", TextStyle{Face::CondensedBold, 9.0f, 0.0f}, 24);
    TextLook look;
    look.top = palette::kText;
    look.bottom = palette::kTextDim;
    DrawText(c, text, style, look, right, baseline, Align::Right);
}

void SectionHeading(Canvas& c, const std::string& text, int x, int y, int lineEnd)
{
    const int width = DrawLabel(c, text, 8.5f, palette::kCyan, x, y, Align::Left, Face::CondensedBold);
    c.FillRect(x + width + 4, y - 4, lineEnd, y - 3, palette::kCyanDim);
    c.FillRect(lineEnd - 2, y - 6, lineEnd, y - 1, palette::kCyanDim);
}

// The ammunition and energy rows: label, bar well and number well.
void WeaponRow(Canvas& c, const std::string& label, int y, bool withNumber)
{
    RowLabel(c, label, 27, y + 8);
    DrawWell(c, 28, y - 2, 119, y + 10);
    for (int tick = 1; tick < 4; ++tick)
        c.FillRect(30 + tick * 87 / 4, y + 8, 31 + tick * 87 / 4, y + 10, Hex(0x24323E));
    if (withNumber)
        DrawWell(c, 119, y - 2, 139, y + 11);
}

// The whole column; the strips differ only in the lamp line at the left edge.
Canvas HudColumn(Rgba lamp)
{
    Canvas c(kStripWidth, kStripHeight, Rgba{0, 0, 0, 1});
    BrushedMetal(c);
    c.FillRect(kStripWidth - 3, 0, kStripWidth - 2, kStripHeight, palette::kEdgeLight);
    c.FillRect(kStripWidth - 2, 0, kStripWidth, kStripHeight, palette::kEdgeDark);

    // Status plate: score, hits, blade, shot and ray.
    DrawPlate(c, 2, 2, 158, 122, palette::kPanel, 4);
    DrawWell(c, 4, 6, 70, 26);
    DrawWell(c, 91, 5, 158, 20);
    TextLook dim;
    dim.top = palette::kTextDim;
    dim.bottom = Scaled(palette::kTextDim, 0.8f);
    DrawText(c, "SCORE", FitWidth("SCORE", TextStyle{Face::CondensedBold, 7.5f, 0.0f}, 19), dim, 89, 16, Align::Right);
    DrawWell(c, 126, 21, 158, 36);
    DrawLabel(c, "HITS", 9.0f, palette::kText, 123, 33, Align::Right);
    SectionHeading(c, "ARMS", 6, 52, 154);
    WeaponRow(c, "BLADE", 64, false);
    WeaponRow(c, "SHOT", 84, true);
    WeaponRow(c, "RAY", 104, true);

    // Emblem plate.
    DrawPlate(c, 2, 126, 158, 196, Hex(0x121A22), 4);
    for (int x : {9, 150})
        for (int y : {133, 189})
            DrawRivet(c, x, y);
    TextLook emboss;
    emboss.top = Hex(0x3E5568);
    emboss.bottom = Hex(0x24323F);
    emboss.outline = Hex(0x070B0F);
    emboss.outlineWidth = 1;
    DrawText(c, "ORB-VOSTRELLE", TextStyle{Face::CondensedBold, 13.0f, 0.5f}, emboss, 80, 150, Align::Centre);
    emboss.top = Hex(0x7A2630);
    emboss.bottom = Hex(0x451419);
    DrawText(c, "Z", TextStyle{Face::SansBold, 30.0f, 0.0f}, emboss, 80, 186, Align::Centre);
    for (int i = 0; i < 6; ++i) {
        c.FillRect(14 + i * 5, 172 - i * 3, 16 + i * 5, 174, Hex(0x2A3A48));
        c.FillRect(144 - i * 5, 172 - i * 3, 146 - i * 5, 174, Hex(0x2A3A48));
    }

    // Special gauge, its level window and the lock slots.
    DrawPlate(c, 2, 200, 158, 372, palette::kPanel, 4);
    DrawWell(c, 119, 198, 155, 251);
    SectionHeading(c, "SPECIAL", 6, 236, 114);
    DrawWell(c, 2, 240, 101, 252);
    for (int level = 1; level < 3; ++level)
        c.FillRect(4 + level * 95 / 3, 250, 5 + level * 95 / 3, 252, Hex(0x2A6A4A));
    SectionHeading(c, "LOCK-ON", 6, 266, 154);
    for (int i = 0; i < 8; ++i) {
        const int y = 274 + 12 * i;
        DrawWell(c, 2, y - 2, 38, y + 10);
        DrawLabel(c, std::to_string(i + 1), 8.0f, palette::kTextDim, 44, y + 8, Align::Centre, Face::CondensedBold);
    }
    // A dim scope beside the slots.
    for (int r = 12; r <= 36; r += 12)
        c.Ring(102, 320, static_cast<float>(r), 1.0f, Hex(0x1F6A46, 0.9f));
    c.Line(102, 278, 102, 362, 1.0f, Hex(0x1F6A46, 0.7f));
    c.Line(60, 320, 144, 320, 1.0f, Hex(0x1F6A46, 0.7f));
    c.FillPolygon({{102, 290}, {106, 298}, {98, 298}}, Hex(0x2FA86A));
    DrawLabel(c, "MAX 8", 8.0f, Hex(0x2FA86A), 146, 366, Align::Right);

    // Reserve ships and difficulty.
    DrawPlate(c, 2, 376, 158, 416, Hex(0x121A22), 4);
    DrawLabel(c, "STOCK", 7.5f, palette::kTextDim, 154, 412, Align::Right);
    DrawWell(c, 3, 418, 39, 438);
    DrawLabel(c, "LEVEL", 9.0f, palette::kTextDim, 44, 432, Align::Left);

    // Bottom: the wordmark under the message line.
    c.FillRect(2, 442, 158, 443, palette::kEdgeDark);
    c.FillRect(2, 443, 158, 444, Hex(0x2C3C4A));
    DrawLabel(c, "ORB-VOSTRELLE Z", 10.0f, Hex(0x5A7388), 6, 470, Align::Left);
    DrawLabel(c, "#501b", 8.0f, Hex(0x3C5060), 154, 470, Align::Right, Face::Condensed);

    c.FillRect(0, 0, 2, kStripHeight, palette::kEdgeDark);
    c.FillRect(0, 8, 2, kStripHeight - 8, lamp);
    return c;
}

Picture ReloadLabel(bool automatic)
{
    Canvas c(64, 16);
    DrawPlate(c, 0, 0, 64, 16, Hex(0x1C2833), 2);
    const Rgba lamp = automatic ? palette::kGreen : palette::kAmber;
    c.FillCircle(8, 8, 4.2f, palette::kEdgeDark);
    c.FillCircle(8, 8, 3.2f, lamp);
    c.FillCircle(7.2f, 7.2f, 1.2f, Hex(0xFFFFFF));
    // The mode takes what the label leaves, with a gap that keeps the two words apart.
    const int labelWidth = DrawLabel(c, "RLD", 7.5f, palette::kTextDim, 14, 11, Align::Left, Face::CondensedBold);
    const int modeLeft = 14 + labelWidth + 3;
    const std::string mode = automatic ? "AUTO" : "MANUAL";
    TextLook look;
    look.top = automatic ? Hex(0xB8FFD2) : Hex(0xFFDFA0);
    look.bottom = Scaled(look.top, 0.85f);
    const TextStyle style = FitWidth(mode, TextStyle{Face::CondensedBold, 9.0f, 0.0f}, 61 - modeLeft);
    DrawText(c, mode, style, look, 61, 12, Align::Right);
    return c.Keyed();
}

Picture GaugeLevel(int level)
{
    Canvas c(30, 47);
    DrawPlate(c, 0, 0, 30, 47, Hex(0x1A2631), 3);
    const Rgba lit[] = {Hex(0x3CFF86), Hex(0xFFD23A), Hex(0xFF5A3A)};
    for (int cell = 0; cell < 3; ++cell) {
        const int y1 = 44 - cell * 11, y0 = y1 - 9;
        c.FillRect(4, y0, 26, y1, palette::kEdgeDark);
        if (cell < level) {
            const Rgba colour = lit[level - 1];
            c.FillGradient(5, y0 + 1, 25, y1 - 1, Mix(colour, Hex(0xFFFFFF), 0.5f), Scaled(colour, 0.75f));
        } else {
            c.FillRect(5, y0 + 1, 25, y1 - 1, Hex(0x0E161D));
        }
    }
    DrawLabel(c, level == 3 ? "MAX" : "SP" + std::to_string(level), 8.0f,
              level == 3 ? Hex(0xFFB090) : palette::kText, 15, 11, Align::Centre);
    return c.Keyed();
}

// A small top view of the ship, nose up.
Picture LifeIcon()
{
    Canvas c(32, 32);
    const std::vector<Point> hull = {{16, 2}, {19, 11}, {30, 24}, {30, 28}, {20, 25}, {18, 29},
                                     {14, 29}, {12, 25}, {2, 28},  {2, 24},  {13, 11}};
    std::vector<Point> outline;
    for (const Point& p : hull)
        outline.push_back({16 + (p.x - 16) * 1.1f, 16 + (p.y - 16) * 1.1f});
    c.FillPolygon(outline, palette::kOutline);
    c.FillPolygon(hull, Hex(0xC8D8E6));
    c.FillPolygon({{16, 4}, {18, 11}, {28, 24}, {20, 23}, {16, 26}, {12, 23}, {4, 24}, {14, 11}}, Hex(0x8EA6BC));
    c.FillPolygon({{16, 7}, {18, 14}, {16, 17}, {14, 14}}, Hex(0x46D2FF));
    c.FillRect(14, 26, 18, 29, Hex(0xFF9A3A));
    return c.Keyed();
}

Picture DifficultyLabel(bool hard)
{
    Canvas c(32, 16);
    DrawPlate(c, 0, 0, 32, 16, hard ? Hex(0x4A1A18) : Hex(0x173A28), 2);
    DrawLabel(c, hard ? "HARD" : "NORM", 9.0f, hard ? Hex(0xFFB8A0) : Hex(0xB8FFD2), 16, 12, Align::Centre);
    return c.Keyed();
}

Picture CreditStrip()
{
    Canvas c(384, 16);
    DrawPlate(c, 0, 0, 66, 16, Hex(0x16212B), 2);
    DrawLabel(c, "CREDIT", 9.0f, palette::kTextDim, 5, 12, Align::Left);
    DrawWell(c, 52, 1, 64, 14);
    return c.Keyed();
}

Picture ReplayMark()
{
    Canvas c(64, 32);
    DrawPlate(c, 0, 6, 64, 26, Hex(0x3A0E10), 3);
    c.FillPolygon({{6, 10}, {15, 16}, {6, 22}}, Hex(0xFF5A48));
    DrawOutlined(c, "REPLAY", TextStyle{Face::CondensedBold, 11.0f, 0.3f}, Hex(0xFFFFFF), Hex(0xFFB0A0), 38, 21,
                 Align::Centre);
    return c.Keyed();
}

// "FPS" in three-by-five letters, sitting on the digits' baseline.
Picture FpsLabel()
{
    static const char* const kLetters[3][5] = {{"###", "#..", "##.", "#..", "#.."},
                                               {"##.", "#.#", "##.", "#..", "#.."},
                                               {".##", "#..", ".#.", "..#", "##."}};
    Mask ink(16, 16);
    for (int letter = 0; letter < 3; ++letter)
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (kLetters[letter][row][col] == '#')
                    ink.Ref(2 + letter * 4 + col, 4 + row) = 1.0f;
    Canvas c(16, 16);
    c.Stamp(ink.Dilated(1), 0, 0, palette::kOutline);
    c.Stamp(ink, 0, 0, Hex(0x9CC8E0));
    return c.Keyed();
}

Picture EnemyName(const std::string& name, Rgba accent)
{
    Canvas c(128, 14);
    c.FillPolygon({{1, 2}, {7, 7}, {1, 12}}, palette::kOutline);
    c.FillPolygon({{2, 4}, {6, 7}, {2, 10}}, accent);
    DrawOutlined(c, name, TextStyle{Face::CondensedBold, 11.0f, 0.6f}, Hex(0xFFFFFF), Mix(accent, Hex(0xFFFFFF), 0.4f),
                 10, 11);
    return c.Keyed();
}

} // namespace

void AddHudPictures(PictureList& list)
{
    const Canvas neutral = HudColumn(Hex(0x55606A));
    const Canvas manual = HudColumn(palette::kAmber);
    const Canvas automatic = HudColumn(palette::kGreen);
    list.push_back({"TEXTURE", 310, neutral.Keyed()});
    list.push_back({"TEXTURE", 306, manual.Keyed()});
    list.push_back({"TEXTURE", 309, automatic.Keyed()});
    list.push_back({"TEXTURE", 101, Crop(neutral, 4, 4, 128, 128).Keyed()});
    list.push_back({"TEXTURE", 237, Crop(neutral, 4, 224, 128, 128).Keyed()});
    list.push_back({"TEXTURE", 257, ReloadLabel(false)});
    list.push_back({"TEXTURE", 258, ReloadLabel(true)});
    for (int level = 1; level <= 3; ++level)
        list.push_back({"TEXTURE", 228 + level, GaugeLevel(level)});
    list.push_back({"TEXTURE", 191, LifeIcon()});
    list.push_back({"TEXTURE", 240, DifficultyLabel(false)});
    list.push_back({"TEXTURE", 245, DifficultyLabel(true)});
    list.push_back({"TEXTURE", 170, CreditStrip()});
    list.push_back({"TEXTURE", 164, ReplayMark()});
    list.push_back({"TEXTURE", 247, FpsLabel()});
    list.push_back({"TEXTURE", 316, EnemyName("ASSAULT UNIT", palette::kAmber)});
    list.push_back({"TEXTURE", 324, EnemyName("COMMAND UNIT", palette::kRed)});
    list.push_back({"TEXTURE", 325, EnemyName("SCOUT UNIT", palette::kCyan)});
}
