#include "tools/assetgen/meshes/Painter.h"

#include "tools/assetgen/Noise.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

uint32_t Pack(Color c)
{
    auto channel = [](float v) {
        const float clamped = std::clamp(v, 0.0f, 1.0f);
        return static_cast<uint32_t>(clamped * 255.0f + 0.5f);
    };
    return 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

Color Unpack(uint32_t p)
{
    return {static_cast<float>((p >> 16) & 0xFF) / 255.0f, static_cast<float>((p >> 8) & 0xFF) / 255.0f,
            static_cast<float>(p & 0xFF) / 255.0f, 1.0f};
}

} // namespace

Color Rgb(int r, int g, int b, float alpha)
{
    return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f, static_cast<float>(b) / 255.0f, alpha};
}

Painter::Painter(int width, int height, float x0, float x1, float y0, float y1, Color background)
    : x0_(x0), x1_(x1), y0_(y0), y1_(y1)
{
    picture_.width = width;
    picture_.height = height;
    picture_.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), Pack(background));
}

Vec2 Painter::ToPixels(Vec2 p) const
{
    return {(p.x - x0_) / (x1_ - x0_) * static_cast<float>(picture_.width),
            (y1_ - p.y) / (y1_ - y0_) * static_cast<float>(picture_.height)};
}

void Painter::Blend(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= picture_.width || y >= picture_.height)
        return;
    uint32_t& pixel =
        picture_.pixels[static_cast<size_t>(y) * static_cast<size_t>(picture_.width) + static_cast<size_t>(x)];
    const Color old = Unpack(pixel);
    pixel = Pack({old.r + (c.r - old.r) * c.a, old.g + (c.g - old.g) * c.a, old.b + (c.b - old.b) * c.a, 1.0f});
}

void Painter::Fill(const Outline& outline, Color colour)
{
    Outline pixels;
    for (const Vec2& p : outline)
        pixels.push_back(ToPixels(p));
    for (int y = 0; y < picture_.height; ++y) {
        const float sy = static_cast<float>(y) + 0.5f;
        std::vector<float> crossings;
        for (size_t i = 0; i < pixels.size(); ++i) {
            const Vec2& a = pixels[i];
            const Vec2& b = pixels[(i + 1) % pixels.size()];
            if ((a.y <= sy) == (b.y <= sy))
                continue;
            crossings.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = static_cast<int>(std::ceil(crossings[i] - 0.5f));
            const int to = static_cast<int>(std::floor(crossings[i + 1] - 0.5f));
            for (int x = from; x <= to; ++x)
                Blend(x, y, colour);
        }
    }
}

void Painter::Line(Vec2 a, Vec2 b, float width, Color colour)
{
    const Vec2 along = Vec2Normalize(b - a);
    const Vec2 side = Vec2{-along.y, along.x} * (width * 0.5f);
    Fill({a + side, b + side, b - side, a - side}, colour);
}

void Painter::Stroke(const Outline& outline, float width, Color colour)
{
    for (size_t i = 0; i < outline.size(); ++i)
        Line(outline[i], outline[(i + 1) % outline.size()], width, colour);
}

void Painter::Grain(float amount, unsigned seed)
{
    for (int y = 0; y < picture_.height; ++y)
        for (int x = 0; x < picture_.width; ++x) {
            const uint32_t h =
                HashBits(static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u ^ seed * 83492791u);
            const float f = 1.0f + amount * (static_cast<float>(h & 0xFFFF) / 32767.5f - 1.0f);
            uint32_t& pixel =
                picture_.pixels[static_cast<size_t>(y) * static_cast<size_t>(picture_.width) + static_cast<size_t>(x)];
            const Color c = Unpack(pixel);
            pixel = Pack({c.r * f, c.g * f, c.b * f, 1.0f});
        }
}
