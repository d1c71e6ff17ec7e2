#include "tools/assetgen/pictures/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t kMagenta = 0xFFFF00FF;

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); }

uint32_t Pack(float r, float g, float b)
{
    uint32_t pixel = 0xFF000000u | (ToByte(r) << 16) | (ToByte(g) << 8) | ToByte(b);
    // An opaque pixel must never be taken for the see-through key.
    return pixel == kMagenta ? pixel - 0x00010000u : pixel;
}

bool InsidePolygon(const std::vector<Point>& points, float x, float y)
{
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

float SegmentDistance(float px, float py, float x0, float y0, float x1, float y1)
{
    const float dx = x1 - x0, dy = y1 - y0;
    const float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0 ? ((px - x0) * dx + (py - y0) * dy) / lengthSquared : 0.0f;
    t = Clamp01(t);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

} // namespace

Rgba Hex(uint32_t rgb, float a)
{
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, a};
}

Rgba Mix(Rgba from, Rgba to, float t)
{
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Rgba Scaled(Rgba c, float brightness) { return {c.r * brightness, c.g * brightness, c.b * brightness, c.a}; }

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float SmoothStep(float e0, float e1, float x)
{
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

Mask::Mask(int width, int height) : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0f)
{
}

float Mask::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0.0f;
    return values_[static_cast<size_t>(y) * width_ + x];
}

Mask Mask::Dilated(int radius) const
{
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float best = 0;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (dx * dx + dy * dy <= radius * radius + radius)
                        best = std::max(best, At(x + dx, y + dy));
            out.Ref(x, y) = best > 0.2f ? 1.0f : best * 5.0f;
        }
    return out;
}

Mask Mask::Blurred(int radius) const
{
    Mask pass = *this;
    for (int round = 0; round < 2; ++round) {
        Mask horizontal(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int d = -radius; d <= radius; ++d)
                    sum += pass.At(x + d, y);
                horizontal.Ref(x, y) = sum / (2 * radius + 1);
            }
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int d = -radius; d <= radius; ++d)
                    sum += horizontal.At(x, y + d);
                pass.Ref(x, y) = sum / (2 * radius + 1);
            }
    }
    return pass;
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill)
{
}

void Canvas::Blend(int x, int y, Rgba c, float coverage)
{
    if (!Inside(x, y))
        return;
    const float sa = Clamp01(c.a * coverage);
    if (sa <= 0)
        return;
    Rgba& d = pixels_[Index(x, y)];
    const float da = d.a * (1.0f - sa);
    const float outA = sa + da;
    d = {(c.r * sa + d.r * da) / outA, (c.g * sa + d.g * da) / outA, (c.b * sa + d.b * da) / outA, outA};
}

void Canvas::AddLight(int x, int y, Rgba c, float coverage)
{
    if (!Inside(x, y))
        return;
    Rgba& d = pixels_[Index(x, y)];
    const float k = c.a * coverage;
    d = {d.r * d.a + c.r * k, d.g * d.a + c.g * k, d.b * d.a + c.b * k, 1.0f};
}

template <class CoverageAt> void Canvas::FillCovered(int x0, int y0, int x1, int y1, Rgba c, CoverageAt coverage)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (float k = coverage(x + 0.5f, y + 0.5f); k > 0)
                Blend(x, y, c, k);
}

void Canvas::FillRect(int x0, int y0, int x1, int y1, Rgba c)
{
    FillCovered(x0, y0, x1, y1, c, [](float, float) { return 1.0f; });
}

void Canvas::FillGradient(int x0, int y0, int x1, int y1, Rgba top, Rgba bottom)
{
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
        const float t = y1 - y0 > 1 ? static_cast<float>(y - y0) / (y1 - y0 - 1) : 0.0f;
        for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x)
            Blend(x, y, Mix(top, bottom, t));
    }
}

void Canvas::StrokeRect(int x0, int y0, int x1, int y1, Rgba c)
{
    FillRect(x0, y0, x1, y0 + 1, c);
    FillRect(x0, y1 - 1, x1, y1, c);
    FillRect(x0, y0 + 1, x0 + 1, y1 - 1, c);
    FillRect(x1 - 1, y0 + 1, x1, y1 - 1, c);
}

void Canvas::FillPolygon(const std::vector<Point>& points, Rgba c)
{
    float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
    for (const Point& p : points) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    FillCovered(static_cast<int>(std::floor(minX)), static_cast<int>(std::floor(minY)),
                static_cast<int>(std::ceil(maxX)) + 1, static_cast<int>(std::ceil(maxY)) + 1, c,
                [&points](float px, float py) {
                    int hits = 0;
                    for (int sy = 0; sy < 4; ++sy)
                        for (int sx = 0; sx < 4; ++sx)
                            hits += InsidePolygon(points, px - 0.5f + (sx + 0.5f) / 4, py - 0.5f + (sy + 0.5f) / 4);
                    return hits / 16.0f;
                });
}

void Canvas::FillCircle(float cx, float cy, float radius, Rgba c)
{
    FillCovered(static_cast<int>(cx - radius - 1), static_cast<int>(cy - radius - 1),
                static_cast<int>(cx + radius + 2), static_cast<int>(cy + radius + 2), c,
                [=](float px, float py) { return Clamp01(radius - std::hypot(px - cx, py - cy) + 0.5f); });
}

void Canvas::Ring(float cx, float cy, float radius, float width, Rgba c)
{
    const float outer = radius + width;
    FillCovered(static_cast<int>(cx - outer - 1), static_cast<int>(cy - outer - 1),
                static_cast<int>(cx + outer + 2), static_cast<int>(cy + outer + 2), c, [=](float px, float py) {
                    return Clamp01(width / 2 - std::fabs(std::hypot(px - cx, py - cy) - radius) + 0.5f);
                });
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, Rgba c)
{
    const float pad = width + 1;
    FillCovered(static_cast<int>(std::min(x0, x1) - pad), static_cast<int>(std::min(y0, y1) - pad),
                static_cast<int>(std::max(x0, x1) + pad + 1), static_cast<int>(std::max(y0, y1) + pad + 1), c,
                [=](float px, float py) {
                    return Clamp01(width / 2 - SegmentDistance(px, py, x0, y0, x1, y1) + 0.5f);
                });
}

void Canvas::Stamp(const Mask& mask, int x, int y, Rgba c)
{
    StampShaded(mask, x, y, [c](float, float) { return c; });
}

void Canvas::Draw(const Canvas& source, int x, int y)
{
    for (int sy = 0; sy < source.height_; ++sy)
        for (int sx = 0; sx < source.width_; ++sx)
            Blend(x + sx, y + sy, source.At(sx, sy));
}

Mask Canvas::Coverage() const
{
    Mask mask(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            mask.Ref(x, y) = At(x, y).a;
    return mask;
}

Picture Canvas::Keyed() const
{
    Picture picture{width_, height_, {}};
    picture.pixels.reserve(pixels_.size());
    for (const Rgba& p : pixels_)
        picture.pixels.push_back(p.a < 0.5f ? kMagenta : Pack(p.r, p.g, p.b));
    return picture;
}

Picture Canvas::OverBlack() const
{
    Picture picture{width_, height_, {}};
    picture.pixels.reserve(pixels_.size());
    for (const Rgba& p : pixels_)
        picture.pixels.push_back(Pack(p.r * p.a, p.g * p.a, p.b * p.a));
    return picture;
}

Picture Canvas::WithAlpha() const
{
    Picture picture{width_, height_, {}};
    picture.pixels.reserve(pixels_.size());
    for (const Rgba& p : pixels_)
        picture.pixels.push_back((static_cast<uint32_t>(ToByte(p.a)) << 24) | (Pack(p.r, p.g, p.b) & 0xFFFFFF));
    return picture;
}
