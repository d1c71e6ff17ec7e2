// Closed solids from a few numbers. Every builder returns a shape that faces
// outward, whatever the turning sense of the outlines it is given.
#pragma once

#include "tools/assetgen/meshes/Outline.h"
#include "tools/assetgen/meshes/Shape.h"

#include <vector>

enum class Axis { X, Y, Z };

// One cross-section of a stack: an outline in the plane across the axis,
// placed at depth w along it. An outline of a single point closes the stack
// in a tip.
struct Layer {
    Outline outline;
    float w = 0.0f;
};

// Layers joined in order into one solid; the first and last outlines are
// capped. All outlines must have the same number of corners (or one). Along
// Axis::Z an outline point (u, v) lies at (u, v, w); along Axis::Y at (u, w, v);
// along Axis::X at (w, u, v).
Shape Stack(const std::vector<Layer>& layers, Axis axis);
// A straight prism of the outline between depths w0 and w1.
Shape Extrude(const Outline& outline, float w0, float w1, Axis axis);
// A prism whose two faces are inset by bevel, joined to a full-size middle
// band: a plate with sloped edges all round.
Shape BevelledPlate(const Outline& outline, float w0, float w1, float bevel, Axis axis);
// A solid of revolution: profile points (radius, w), radius 0 closing it in a tip.
Shape Lathe(const std::vector<Vec2>& profile, int segments, Axis axis, float phase = 0.0f);
// An axis-aligned box between two corners.
Shape Box(Vec3 min, Vec3 max);
// A ring of tube radius minor around the z axis at radius major.
Shape Torus(float major, float minor, int majorSegments, int minorSegments);
// A sphere from a subdivided icosahedron.
Shape IcoSphere(float radius, int subdivisions);
// The convex hull of the points.
Shape ConvexHull(const std::vector<Vec3>& points);
