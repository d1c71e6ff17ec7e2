// Pieces that several craft are made of.
#pragma once

#include "tools/assetgen/meshes/Primitives.h"

// A six-sided hull cross-section for stacks along y: half-width w at the
// waist (z = 0), a flat top of half-width 0.6 w at height top toward the
// camera (−z) and a flat keel at depth bottom.
Outline HexSection(float w, float top, float bottom);
// A faceted body along y through the given stations (y, half-width, top,
// bottom); a station of half-width 0 is a tip.
struct Station {
    float y, w, top, bottom;
};
Shape Fuselage(const std::vector<Station>& stations);
// A round barrel along y from y0 to y1 with radius r, centred at (x, z).
Shape Barrel(float x, float z, float y0, float y1, float r, int sides);
// A thin plate of plan outline (x, y) between depths z0 and z1 with
// bevelled edges.
Shape Plate(const Outline& plan, float z0, float z1, float bevel);
