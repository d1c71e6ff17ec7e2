// A floating-point RGBA drawing surface for authoring pictures, and the
// conversions to the stored forms: colour-keyed (magenta where see-through),
// additive (flattened onto black) and opaque.
#pragma once

#include "tools/assetgen/AssetSink.h"

#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

// A colour from 0xRRGGBB with the given opacity.
Rgba Hex(uint32_t rgb, float a = 1.0f);
Rgba Mix(Rgba from, Rgba to, float t);
Rgba Scaled(Rgba c, float brightness);
float Clamp01(float v);
float SmoothStep(float e0, float e1, float x);

struct Point {
    float x, y;
};

// Coverage of each pixel, 0..1 (text, shapes to be stamped or outlined).
class Mask {
public:
    Mask() = default;
    Mask(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    float At(int x, int y) const;
    float& Ref(int x, int y) { return values_[static_cast<size_t>(y) * width_ + x]; }
    // The mask grown by radius pixels (a hard-edged halo for outlines).
    Mask Dilated(int radius) const;
    // The mask grown by a soft, blurred halo (for glows).
    Mask Blurred(int radius) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<float> values_;
};

class Canvas {
public:
    Canvas(int width, int height, Rgba fill = {0, 0, 0, 0});
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba At(int x, int y) const { return pixels_[Index(x, y)]; }

    // Paints c over the pixel with the given coverage (source over).
    void Blend(int x, int y, Rgba c, float coverage = 1.0f);
    // Adds c × coverage to the pixel's colour and makes it opaque (light).
    void AddLight(int x, int y, Rgba c, float coverage = 1.0f);

    void FillRect(int x0, int y0, int x1, int y1, Rgba c);
    void FillGradient(int x0, int y0, int x1, int y1, Rgba top, Rgba bottom);
    void StrokeRect(int x0, int y0, int x1, int y1, Rgba c);
    // Anti-aliased shapes (sub-pixel coordinates, pixel centres at +0.5).
    void FillPolygon(const std::vector<Point>& points, Rgba c);
    void FillCircle(float cx, float cy, float radius, Rgba c);
    void Ring(float cx, float cy, float radius, float width, Rgba c);
    void Line(float x0, float y0, float x1, float y1, float width, Rgba c);
    // Paints shade(x, y) at every pixel centre (source over).
    template <class Shader> void Shade(Shader shade)
    {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                Blend(x, y, shade(x + 0.5f, y + 0.5f));
    }
    // Paints the mask at (x, y) in colour c, or coloured per pixel by shade(x, y).
    void Stamp(const Mask& mask, int x, int y, Rgba c);
    template <class Shader> void StampShaded(const Mask& mask, int x, int y, Shader shade)
    {
        for (int my = 0; my < mask.Height(); ++my)
            for (int mx = 0; mx < mask.Width(); ++mx)
                if (float m = mask.At(mx, my); m > 0)
                    Blend(x + mx, y + my, shade(static_cast<float>(mx), static_cast<float>(my)), m);
    }
    void Draw(const Canvas& source, int x, int y);
    // The alpha of every pixel, as a mask.
    Mask Coverage() const;

    // Magenta where the picture is mostly see-through, opaque colour elsewhere.
    Picture Keyed() const;
    // Colour × alpha over black: for pictures drawn with additive blending.
    Picture OverBlack() const;
    // The colours with their alpha kept (the window icon).
    Picture WithAlpha() const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    template <class CoverageAt> void FillCovered(int x0, int y0, int x1, int y1, Rgba c, CoverageAt coverage);

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};
