// Helpers for additive pictures: light painted onto black.
#pragma once

#include "tools/assetgen/pictures/Canvas.h"

#include <cmath>

// An opaque black canvas to paint light on.
inline Canvas Darkness(int width, int height) { return Canvas(width, height, Rgba{0, 0, 0, 1}); }

// Adds the mask's coverage as light of the colour (which may exceed 1).
inline void AddMask(Canvas& canvas, const Mask& mask, Rgba colour, float intensity = 1.0f)
{
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if (float m = mask.At(x, y); m > 0)
                canvas.AddLight(x, y, colour, m * intensity);
}

// Adds light(x, y) at every pixel centre.
template <class Shader> void AddShaded(Canvas& canvas, Shader light)
{
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.AddLight(x, y, light(x + 0.5f, y + 0.5f));
}

// The colour of fire by heat 0..1: deep red, orange, yellow, white.
inline Rgba FireColour(float heat)
{
    const Rgba stops[] = {{0.18f, 0.02f, 0.01f, 1}, {0.85f, 0.18f, 0.04f, 1}, {1.0f, 0.52f, 0.10f, 1},
                          {1.0f, 0.84f, 0.30f, 1},  {1.0f, 0.98f, 0.80f, 1}};
    const float t = Clamp01(heat) * 4.0f;
    const int i = std::min(3, static_cast<int>(t));
    return Mix(stops[i], stops[i + 1], t - i);
}
