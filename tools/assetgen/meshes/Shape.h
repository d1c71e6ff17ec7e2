// A closed solid as bare geometry: points and triangles that index them.
// Triangles run clockwise as seen from outside (the device culls the
// counter-clockwise ones), which in our left-handed space makes
// cross(b - a, c - a) point outward. Points are shared wherever the surface
// goes on smoothly or folds at an edge; the mesh builder decides later, by a
// crease angle, which folds stay sharp.
#pragma once

#include "engine/VectorMath.h"

#include <array>
#include <vector>

struct Shape {
    std::vector<Vec3> points;
    std::vector<std::array<int, 3>> triangles;
};

// Six times the enclosed volume: positive when the triangles face outward.
float SignedVolume6(const Shape& shape);
// Every triangle reversed.
Shape Reversed(const Shape& shape);
// The shape turned to face outward when it was built inside out.
Shape Outward(const Shape& shape);
// Every point transformed; a mirroring matrix keeps the triangles facing out.
Shape Transformed(const Shape& shape, const Matrix& m);
Shape Moved(const Shape& shape, Vec3 offset);
Shape MirroredX(const Shape& shape);
// The shape and its mirror image across x = 0: both sides of a craft.
Shape Paired(const Shape& shape);
// Both shapes as one (they stay separate solids).
Shape Merged(const Shape& a, const Shape& b);
