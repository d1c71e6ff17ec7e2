// Closed 2D outlines: the cross-sections and plan views that the solid
// builders sweep, stack and extrude.
#pragma once

#include "engine/VectorMath.h"

#include <array>
#include <vector>

using Outline = std::vector<Vec2>;

// A regular polygon of n corners and radius r, the first corner at angle
// phase (radians, from +x toward +y), counter-clockwise.
Outline Circle(int n, float r, float phase = 0.0f);
// A rectangle centred on the origin with its corners cut by chamfer.
Outline ChamferedRect(float width, float height, float chamfer);
// Every point scaled by (sx, sy) and then moved by offset.
Outline Scaled(const Outline& outline, float sx, float sy, Vec2 offset = {});
// The outline moved inward by d along the corner bisectors (outward for d < 0).
Outline Inset(const Outline& outline, float d);
// Twice the signed area: positive for counter-clockwise outlines.
float SignedArea2(const Outline& outline);
// The same outline running counter-clockwise.
Outline CounterClockwise(const Outline& outline);
// Ear-clipping triangulation of a simple counter-clockwise outline; each
// triangle lists outline indices counter-clockwise.
std::vector<std::array<int, 3>> Triangulate(const Outline& outline);
