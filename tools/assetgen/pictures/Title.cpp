// The title screen and start-up pictures: menu "#184", cursor "#327", prompt
// "#104", logo "#323", loading pictures "#342" and "#312", and the window icon.
#include "tools/assetgen/pictures/Light.h"
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <cmath>

namespace {

struct CourseEntry {
    int row; // picture row of the entry's text (the cursor's y less 64)
    const char* weapon;
    const char* detail;
};

// The course values 0..10 with the rows the cursor points at.
const CourseEntry kCourses[] = {
    {17, "STAGE", "NORMAL"},           {33, "STAGE", "HARD"},
    {65, "SHOT", "30 TARGETS"},        {81, "RAY", "30 TARGETS"},
    {97, "BLADE", "30 TARGETS"},       {113, "BLADE", "15 ARMOURED"},
    {129, "SHOT", "DUEL  +GAUGE"},     {145, "SHOT", "15 ARMOURED  +GAUGE"},
    {161, "RAY", "120 TARGETS  +GAUGE"}, {177, "BLADE", "DUEL  +GAUGE"},
    {193, "SHOT", "DUEL  20 SEC"},
};

constexpr int kMenuWidth = 300;
constexpr int kMenuHeight = 216;

// Menu text sits with its letters inside the cursor's 13 rows.
void MenuText(Canvas& c, const std::string& text, int x, int row, Rgba colour, float size = 10.0f)
{
    DrawLabel(c, text, size, colour, x, row + 10, Align::Left, Face::CondensedBold);
}

void Heading(Canvas& c, const std::string& text, int x0, int x1)
{
    DrawText(c, text, TextStyle{Face::CondensedBold, 9.5f, 0.8f}, OutlinedLook(Hex(0xFFFFFF), palette::kCyan, 1),
             (x0 + x1) / 2, 7, Align::Centre);
}

Picture TitleMenu()
{
    Canvas c(kMenuWidth, kMenuHeight);
    Heading(c, "RELOAD", 0, 60);
    Heading(c, "COURSE", 70, 130);
    DrawPlate(c, 0, 11, kMenuWidth, kMenuHeight, Hex(0x0F1820), 5);
    c.FillRect(64, 16, 65, kMenuHeight - 6, Hex(0x2A3C4C));

    MenuText(c, "OFF", 24, 17, palette::kText);
    MenuText(c, "ON", 24, 33, palette::kText);
    DrawLabel(c, "STICK", 8.0f, palette::kTextDim, 32, 170, Align::Centre);
    DrawLabel(c, "SELECT", 8.0f, palette::kTextDim, 32, 180, Align::Centre);
    DrawLabel(c, "START", 8.0f, palette::kAmber, 32, 196, Align::Centre);
    DrawLabel(c, "TO PLAY", 8.0f, palette::kAmber, 32, 206, Align::Centre);

    for (const CourseEntry& entry : kCourses) {
        MenuText(c, entry.weapon, 84, entry.row, palette::kText);
        MenuText(c, entry.detail, 124, entry.row, Hex(0x9FD8F0), 9.0f);
    }
    // The empty row between the stage and the practice courses.
    c.FillRect(84, 55, 120, 56, palette::kCyanDim);
    DrawLabel(c, "PRACTICE", 8.5f, palette::kCyan, 160, 59, Align::Centre);
    c.FillRect(200, 55, 292, 56, palette::kCyanDim);
    return c.Keyed();
}

Picture MenuCursor()
{
    Canvas c(12, 13);
    c.FillPolygon({{0, 0}, {11.5f, 6.5f}, {0, 13}}, palette::kOutline);
    c.FillPolygon({{1, 2}, {9, 6.5f}, {1, 11}}, palette::kAmber);
    c.FillPolygon({{1, 2}, {9, 6.5f}, {1, 6.5f}}, Hex(0xFFE09A));
    return c.Keyed();
}

Picture InsertCoin()
{
    Canvas c(172, 20);
    DrawText(c, "INSERT COIN", TextStyle{Face::SansBold, 15.0f, 2.0f}, OutlinedLook(Hex(0xFFFFFF), Hex(0x7FE0FF), 1),
             86, 16, Align::Centre);
    return c.Keyed();
}

// Glowing text added as light.
void LightText(Canvas& c, const std::string& text, const TextStyle& style, Rgba core, Rgba glow, int x, int y,
               Align align, int glowRadius)
{
    Canvas ink(c.Width(), c.Height());
    TextLook look;
    DrawText(ink, text, style, look, x, y, align);
    const Mask mask = ink.Coverage();
    AddMask(c, mask.Blurred(glowRadius), glow, 1.4f);
    AddMask(c, mask, core);
}

// The logo of the title and loading screens, drawn as light on black.
Picture Logo()
{
    Canvas c = Darkness(224, 84);
    LightText(c, "ORB-VOSTRELLE", FitWidth("ORB-VOSTRELLE", TextStyle{Face::CondensedBold, 23.0f, 0.8f}, 160),
              Rgba{0.85f, 0.95f, 1.0f, 1}, Rgba{0.1f, 0.35f, 1.0f, 1}, 88, 34, Align::Centre, 3);
    LightText(c, "Z", TextStyle{Face::SansBold, 50.0f, 0.0f}, Rgba{1.0f, 0.75f, 0.55f, 1}, Rgba{1.0f, 0.2f, 0.05f, 1},
              198, 50, Align::Centre, 4);
    AddShaded(c, [](float x, float y) {
        const float line = std::exp(-(y - 42) * (y - 42) / 1.2f) * (1.0f - SmoothStep(120, 186, std::fabs(x - 88) * 2));
        return Rgba{0.3f * line, 0.7f * line, 1.0f * line, 1};
    });
    LightText(c, "#501b   ARCADE SHOOTING", TextStyle{Face::CondensedBold, 10.0f, 1.2f}, Rgba{0.55f, 0.65f, 0.8f, 1},
              Rgba{0.0f, 0.1f, 0.3f, 1}, 88, 58, Align::Centre, 2);
    LightText(c, "VOSTRELLE WORKS 2026", TextStyle{Face::Condensed, 9.0f, 1.0f}, Rgba{0.35f, 0.42f, 0.55f, 1},
              Rgba{0, 0, 0, 1}, 88, 76, Align::Centre, 1);
    return c.OverBlack();
}

// The loading pictures: an orb in rings over a faint grid, and a caption.
Picture LoadingScreen(const std::string& caption, const std::string& detail, uint32_t seed)
{
    Canvas c(480, 480, Rgba{0, 0, 0, 1});
    c.Shade([seed](float x, float y) {
        const float gx = std::fabs(std::fmod(x, 32.0f) - 16.0f), gy = std::fabs(std::fmod(y, 32.0f) - 16.0f);
        const float grid = (gx > 15.3f || gy > 15.3f) ? 0.09f : 0.0f;
        const float haze = FractalNoise(x / 90.0f, y / 90.0f, 4, seed) * 0.09f;
        const float r = std::hypot(x - 240, y - 200);
        const float vignette = 1.0f - SmoothStep(120, 330, r);
        return Rgba{(grid * 0.3f + haze * 0.4f) * vignette, (grid * 0.6f + haze * 0.6f) * vignette,
                    (grid + haze * 1.4f) * vignette, 1};
    });
    AddShaded(c, [](float x, float y) {
        const float dx = x - 240, dy = y - 200;
        const float r = std::hypot(dx, dy);
        float light = 0;
        if (r < 70) {
            const float nz = std::sqrt(1.0f - (r / 70) * (r / 70));
            const float lambert = Clamp01((-dx * 0.4f - dy * 0.6f) / 70.0f + nz * 0.7f);
            light = 0.15f + 0.55f * lambert + 0.6f * std::pow(lambert, 12.0f);
        }
        const float rim = std::exp(-(r - 70) * (r - 70) / 8.0f) * 0.5f;
        // A tilted orbit around the orb.
        const float ex = dx * 0.94f + dy * 0.34f, ey = -dx * 0.34f + dy * 0.94f;
        const float orbit = std::hypot(ex / 118.0f, ey / 34.0f);
        const float ring = std::exp(-(orbit - 1) * (orbit - 1) * 900.0f) * ((ey > 0 || r > 70) ? 0.9f : 0.0f);
        const float outer = std::exp(-(r - 150) * (r - 150) / 2.0f) * 0.25f;
        return Rgba{light * 0.35f + rim * 0.3f + ring * 0.6f + outer * 0.2f,
                    light * 0.6f + rim * 0.6f + ring * 0.8f + outer * 0.5f, light + rim + ring + outer * 0.8f, 1};
    });
    TextLook title;
    title.top = Hex(0xFFFFFF);
    title.bottom = Hex(0x8FD8FF);
    title.glow = Hex(0x1060FF, 0.8f);
    title.glowRadius = 3;
    DrawText(c, "ORB-VOSTRELLE Z", TextStyle{Face::CondensedBold, 34.0f, 1.5f}, title, 240, 330, Align::Centre);
    TextLook look;
    look.top = palette::kAmber;
    look.bottom = Hex(0xFF8020);
    DrawText(c, caption, TextStyle{Face::SansBold, 16.0f, 3.0f}, look, 240, 372, Align::Centre);
    for (int i = 0; i < 12; ++i)
        c.FillRect(180 + i * 10, 384, 186 + i * 10, 388, i < 8 ? palette::kAmber : Hex(0x4A3410));
    DrawLabel(c, detail, 10.0f, palette::kTextDim, 240, 408, Align::Centre, Face::Condensed);
    return c.Keyed();
}

Picture Icon()
{
    Canvas c(64, 64);
    c.FillCircle(32, 32, 29.5f, Hex(0x061020));
    DrawOrbEmblem(c, 32, 32, 27.5f, 40.0f);
    return c.WithAlpha();
}

} // namespace

void AddTitlePictures(PictureList& list)
{
    list.push_back({"TEXTURE", 184, TitleMenu()});
    list.push_back({"TEXTURE", 327, MenuCursor()});
    list.push_back({"TEXTURE", 104, InsertCoin()});
    list.push_back({"TEXTURE", 323, Logo()});
    list.push_back({"TEXTURE", 342, LoadingScreen("NOW LOADING", "PREPARING THE ORB FLEET", 611u)});
    list.push_back({"TEXTURE", 312, LoadingScreen("STAND BY", "LOADING STAGE DATA", 733u)});
    list.push_back({"ICON", 101, Icon()});
}
