// Shots, markers and light effects: "#103", "#106", "#108", "#115", "#185",
// "#187", "#239", "#259", "#339", "#357".
#include "tools/assetgen/pictures/Light.h"
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

// Player shot: a bolt of light whose nose points to the top of the picture.
Picture PlayerShot()
{
    Canvas c = Darkness(24, 24);
    AddShaded(c, [](float x, float y) {
        const float dx = (x - 12.0f) / 3.2f;
        const float along = (y - 4.0f) / 17.0f; // 0 at the nose, 1 at the tail
        if (along < -0.15f || along > 1.1f)
            return Rgba{0, 0, 0, 0};
        const float taper = 1.0f - 0.65f * Clamp01(along);
        const float body = std::exp(-dx * dx / (taper * taper)) * SmoothStep(-0.15f, 0.08f, along) *
                           (1.0f - SmoothStep(0.7f, 1.1f, along));
        const float core = std::exp(-dx * dx * 6.0f / (taper * taper)) * SmoothStep(-0.05f, 0.1f, along) *
                           (1.0f - SmoothStep(0.45f, 0.9f, along));
        return Rgba{0.25f * body + core, 0.75f * body + core, 1.0f * body + core, 1};
    });
    return c.OverBlack();
}

// Enemy bullet: a hot orb ringed in dark red, readable on black and on blue.
Picture EnemyShot()
{
    Canvas c(16, 16);
    c.FillCircle(8, 8, 7.6f, Hex(0x2A0006));
    c.FillCircle(8, 8, 6.5f, Hex(0xFF2E5A));
    c.FillCircle(8, 8, 5.0f, Hex(0xFF8A3A));
    c.FillCircle(8, 8, 3.4f, Hex(0xFFE27A));
    c.FillCircle(7.4f, 7.4f, 2.0f, Hex(0xFFFFFF));
    return c.Keyed();
}

// Lock-on mark: four corner brackets and inward ticks around a clear centre.
Picture LockedMarker()
{
    Canvas c(64, 64);
    const Rgba outline = Hex(0x250400), colour = Hex(0xFF5A1E), bright = Hex(0xFFC04A);
    for (int pass = 0; pass < 2; ++pass) {
        const float grow = pass == 0 ? 1.2f : 0.0f;
        const Rgba ink = pass == 0 ? outline : colour;
        for (int corner = 0; corner < 4; ++corner) {
            const float sx = corner & 1 ? -1.0f : 1.0f, sy = corner & 2 ? -1.0f : 1.0f;
            const float x = 32 - sx * 26, y = 32 - sy * 26;
            c.Line(x, y, x + sx * 14, y, 3.0f + 2 * grow, ink);
            c.Line(x, y, x, y + sy * 14, 3.0f + 2 * grow, ink);
        }
        for (int side = 0; side < 4; ++side) {
            const float a = side * kPi / 2;
            const float ux = std::cos(a), uy = std::sin(a);
            const float tipX = 32 + ux * 17, tipY = 32 + uy * 17;
            const float baseX = 32 + ux * 25, baseY = 32 + uy * 25;
            c.FillPolygon({{tipX - ux * grow, tipY - uy * grow},
                           {baseX - uy * (4 + grow), baseY + ux * (4 + grow)},
                           {baseX + uy * (4 + grow), baseY - ux * (4 + grow)}},
                          pass == 0 ? outline : bright);
        }
    }
    return c.Keyed();
}

// Appearance warning: a reticle of light closing on the point of arrival.
Picture Warning()
{
    Canvas shape(128, 128);
    const Rgba ink{1, 1, 1, 1};
    shape.Ring(64, 64, 54, 3.0f, ink);
    shape.Ring(64, 64, 48, 1.0f, ink);
    for (int i = 0; i < 12; ++i) {
        const float a0 = i * kPi / 6 + 0.08f, a1 = a0 + kPi / 6 - 0.22f;
        for (float a = a0; a < a1; a += 0.01f)
            shape.FillCircle(64 + std::cos(a) * 39, 64 + std::sin(a) * 39, 1.6f, ink);
    }
    for (int side = 0; side < 4; ++side) {
        const float a = side * kPi / 2 + kPi / 4;
        const float ux = std::cos(a), uy = std::sin(a);
        shape.FillPolygon({{64 + ux * 22, 64 + uy * 22},
                           {64 + ux * 36 - uy * 7, 64 + uy * 36 + ux * 7},
                           {64 + ux * 36 + uy * 7, 64 + uy * 36 - ux * 7}},
                          ink);
    }
    shape.Line(64, 54, 64, 74, 2.0f, ink);
    shape.Line(54, 64, 74, 64, 2.0f, ink);
    const Mask mask = shape.Coverage();
    Canvas c = Darkness(128, 128);
    AddMask(c, mask.Blurred(4), Rgba{1.0f, 0.25f, 0.05f, 1}, 1.6f);
    AddMask(c, mask, Rgba{1.0f, 0.55f, 0.25f, 1}, 1.0f);
    return c.OverBlack();
}

// Shock ring and hit-stop flash: a bright thin ring fading to both sides.
Picture Ring()
{
    Canvas c = Darkness(256, 256);
    AddShaded(c, [](float x, float y) {
        const float r = std::hypot(x - 128, y - 128);
        const float d = r - 104;
        const float core = std::exp(-d * d / 18.0f);
        const float halo = std::exp(-d * d / (d < 0 ? 900.0f : 200.0f)) * 0.55f;
        const float inner = std::exp(-r * r / 5000.0f) * 0.08f;
        const float fade = 1.0f - SmoothStep(118, 127, r);
        return Rgba{(0.55f * halo + core + inner * 0.6f) * fade, (0.8f * halo + core + inner * 0.8f) * fade,
                    (1.0f * halo + core + inner) * fade, 1};
    });
    return c.OverBlack();
}

// Soft round glow for sparks, charges and the engine flare.
Picture Glow()
{
    Canvas c = Darkness(64, 64);
    AddShaded(c, [](float x, float y) {
        const float r = std::hypot(x - 32, y - 32);
        const float fade = 1.0f - SmoothStep(22, 31.5f, r);
        const float halo = std::exp(-r * r / 150.0f) * fade;
        const float core = std::exp(-r * r / 18.0f);
        return Rgba{0.85f * halo + core, 0.92f * halo + core, 1.0f * halo + core, 1};
    });
    return c.OverBlack();
}

// Blade: the hilt at the top row, the edge narrowing to the tip at the bottom.
Picture Blade()
{
    Canvas c(20, 96);
    const std::vector<Point> edge = {{3, 12}, {17, 12}, {14.5f, 70}, {10, 95}, {5.5f, 70}};
    c.FillPolygon({{2, 11}, {18, 11}, {15.5f, 70}, {10, 96}, {4.5f, 70}}, Hex(0x04141C));
    c.FillPolygon(edge, Hex(0x2FB8FF));
    c.FillPolygon({{6, 12}, {14, 12}, {12.2f, 70}, {10, 88}, {7.8f, 70}}, Hex(0x9CEBFF));
    c.FillPolygon({{8.6f, 12}, {11.4f, 12}, {10.6f, 70}, {10, 82}, {9.4f, 70}}, Hex(0xFFFFFF));
    DrawPlate(c, 1, 0, 19, 13, Hex(0x3A4A58), 2);
    c.FillRect(5, 9, 15, 12, Hex(0x0E2A36));
    c.FillRect(6, 10, 14, 11, Hex(0x7FE8FF));
    c.FillRect(9, 3, 11, 6, Hex(0x0B1117));
    return c.Keyed();
}

// Boss death flash: a white-hot core with rays.
Picture BossFlash()
{
    Canvas c = Darkness(256, 256);
    AddShaded(c, [](float x, float y) {
        const float dx = x - 128, dy = y - 128;
        const float r = std::hypot(dx, dy);
        const float a = std::atan2(dy, dx);
        const float fade = 1.0f - SmoothStep(96, 127, r);
        const float rays = std::pow(std::fabs(std::cos(a * 4.0f)), 24.0f) * std::exp(-r / 70.0f) * 0.9f +
                           std::pow(std::fabs(std::cos(a * 4.0f + kPi / 8)), 40.0f) * std::exp(-r / 40.0f) * 0.5f;
        const float halo = std::exp(-r * r / 2600.0f);
        const float core = std::exp(-r * r / 220.0f);
        const float light = (halo * 0.8f + rays) * fade;
        return Rgba{light + core, light * 0.85f + core, light * 0.6f + core, 1};
    });
    return c.OverBlack();
}

// Muzzle flash of the shot special: a star with a long forward spike (top).
Picture MuzzleFlash()
{
    Canvas c = Darkness(96, 96);
    AddShaded(c, [](float x, float y) {
        const float dx = (x - 48) / 48, dy = (y - 52) / 48;
        const float forward = std::exp(-dx * dx * 260.0f) * std::exp(-std::max(0.0f, -dy) * 1.8f) *
                              (dy < 0 ? 1.0f : std::exp(-dy * 12.0f));
        const float side = std::exp(-dy * dy * 300.0f) * std::exp(-std::fabs(dx) * 3.5f) * 0.9f;
        const float diagonal = (std::exp(-std::pow(dx - dy, 2.0f) * 400.0f) + std::exp(-std::pow(dx + dy, 2.0f) * 400.0f)) *
                               std::exp(-std::hypot(dx, dy) * 7.0f) * 0.5f;
        const float core = std::exp(-(dx * dx + dy * dy) * 30.0f) + std::exp(-(dx * dx + dy * dy) * 6.0f) * 0.35f;
        const float edge = 1.0f - SmoothStep(0.85f, 1.0f, std::max(std::fabs(dx), std::fabs(dy) + 0.08f));
        const float light = (forward + side + diagonal) * edge;
        return Rgba{light + core * 1.2f, light * 0.9f + core * 1.2f, light * 0.55f + core, 1};
    });
    return c.OverBlack();
}

// Where a score item will come down: a golden double chevron.
Picture ScoreItemMarker()
{
    Canvas c(36, 36);
    const Rgba outline = Hex(0x241400);
    for (int pass = 0; pass < 2; ++pass) {
        const float g = pass == 0 ? 1.5f : 0.0f;
        for (int k = 0; k < 2; ++k) {
            const float top = 5 + k * 12.0f;
            const Rgba ink = pass == 0 ? outline : (k == 0 ? Hex(0xFFE070) : Hex(0xFFB020));
            c.FillPolygon({{4 - g, top - g}, {11, top - g}, {18, top + 7}, {25, top - g}, {32 + g, top - g},
                           {18, top + 14 + g}},
                          ink);
        }
    }
    c.FillRect(16, 31, 20, 34, outline);
    c.FillRect(17, 31, 19, 33, Hex(0xFFF4C0));
    return c.Keyed();
}

} // namespace

void AddEffectPictures(PictureList& list)
{
    list.push_back({"TEXTURE", 103, PlayerShot()});
    list.push_back({"TEXTURE", 106, EnemyShot()});
    list.push_back({"TEXTURE", 108, LockedMarker()});
    list.push_back({"TEXTURE", 115, BossFlash()});
    list.push_back({"TEXTURE", 185, Warning()});
    list.push_back({"TEXTURE", 187, Ring()});
    list.push_back({"TEXTURE", 239, Glow()});
    list.push_back({"TEXTURE", 259, Blade()});
    list.push_back({"TEXTURE", 339, MuzzleFlash()});
    list.push_back({"TEXTURE", 357, ScoreItemMarker()});
}
