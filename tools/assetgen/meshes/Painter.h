// Paints the mesh pictures. Shapes are given in the units of the area the
// picture covers (for a plan-view picture: the model's x and y, the top row
// at the area's highest y), so markings are drawn where they sit on the hull.
#pragma once

#include "engine/VectorMath.h"
#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/meshes/Outline.h"

class Painter {
public:
    // A width × height picture covering x0..x1, y0..y1, filled with background.
    Painter(int width, int height, float x0, float x1, float y0, float y1, Color background);

    // Fills the outline (even-odd rule) with colour mixed in by colour.a.
    void Fill(const Outline& outline, Color colour);
    // A straight band of the given width (in area units) from a to b.
    void Line(Vec2 a, Vec2 b, float width, Color colour);
    // The outline's edges as bands.
    void Stroke(const Outline& outline, float width, Color colour);
    // Every pixel darkened or lightened by up to amount, in a fixed pattern.
    void Grain(float amount, unsigned seed);

    const Picture& Result() const { return picture_; }

private:
    Vec2 ToPixels(Vec2 p) const;
    void Blend(int x, int y, Color colour);

    Picture picture_;
    float x0_, x1_, y0_, y1_;
};

// Colour from 0..255 components, opaque unless alpha is given (0..1).
Color Rgb(int r, int g, int b, float alpha = 1.0f);
