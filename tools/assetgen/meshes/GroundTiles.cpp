// Ground installations, one per map cell: each stands on a footprint inside
// the 1 × 1 cell round its origin and rises toward the camera (−z). Seen
// 20 units away through blue-grey fog, about 24 pixels a cell, so they are
// pale blocks on dark pads with bright amber lamps.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

#include <cmath>

namespace {

// Every part is as plain as its few pixels allow: a pad or a tank is a few
// pixels across, a lamp one or two.

// The outline at w0 narrowing by inset to w1: its sloped sides catch the light apart from its top.
Shape Frustum(const Outline& outline, float w0, float w1, float inset)
{
    return Stack({{outline, w0}, {Inset(outline, inset), w1}}, Axis::Z);
}

// A square pad with cut corners and sloped edges, top at −0.08.
Shape Pad(float size) { return Frustum(ChamferedRect(size, size, 0.08f), 0.0f, -0.08f, 0.04f); }

// A pillar of the outline from inside the pad up to height h (toward −z).
Shape Pillar(const Outline& outline, float h) { return Frustum(outline, -0.05f, -h, 0.03f); }

// A double cone: a bright point at the top of its post.
Shape Lamp(Vec2 at, float h)
{
    return Moved(Lathe({{0.0f, -h - 0.07f}, {0.07f, -h - 0.04f}, {0.0f, -h + 0.02f}}, 4, Axis::Z, kPi / 4.0f),
                 {at.x, at.y, 0.0f});
}

struct Tile {
    Shape concrete;
    Shape structure;
    Shape lamps;
};

Mesh BuildTile(const Tile& tile)
{
    MeshBuilder builder;
    const int concrete = builder.AddMaterial(Textured(0.30f, 0.33f, 0.38f, kGroundPicture));
    const int structure = builder.AddMaterial(Textured(0.88f, 0.84f, 0.74f, kGroundPicture));
    const int lamp = builder.AddMaterial(Glow(1.0f, 0.55f, 0.2f));
    const UvMapping panels = BoxMapping(2.0f);
    builder.Add(tile.concrete, concrete, panels);
    builder.Add(tile.structure, structure, panels);
    builder.Add(tile.lamps, lamp);
    return builder.Result();
}

} // namespace

// A fuel tank lying along y on the pad, its ridge up like a cylinder's.
Shape Tank(float x, float y0, float y1, float r)
{
    return Moved(Extrude(Circle(4, r), y0, y1, Axis::Y), {x, 0.0f, -0.05f - r});
}

// A defence post: a block-house with a lamp tower, two fuel tanks beside it:
// the tile of the stage ground.
Mesh BuildGroundTile()
{
    Tile tile;
    tile.concrete = Pad(0.9f);
    const Outline block = {{0.23f, -0.28f}, {0.23f, 0.28f}, {-0.23f, 0.28f}, {-0.23f, -0.28f}};
    const Shape house = Moved(Pillar(block, 0.26f), {0.12f, 0.0f, 0.0f});
    const Shape tower = Moved(Pillar(Circle(6, 0.13f), 0.52f), {0.12f, 0.08f, 0.0f});
    tile.structure =
        Merged(Merged(house, tower), Merged(Tank(-0.26f, -0.36f, 0.30f, 0.085f), Tank(-0.06f, -0.36f, -0.02f, 0.06f)));
    tile.lamps =
        Merged(Lamp({0.12f, 0.08f}, 0.52f), Merged(Lamp({0.34f, -0.34f}, 0.08f), Lamp({-0.34f, 0.36f}, 0.08f)));
    return BuildTile(tile);
}

// A domed hangar.
Mesh BuildDomeTile()
{
    Tile tile;
    tile.concrete = Pad(0.9f);
    std::vector<Vec2> dome = {{0.34f, -0.05f}};
    for (int i = 0; i <= 4; ++i) {
        const float a = 0.5f * kPi * static_cast<float>(i) / 4.0f;
        dome.push_back({0.32f * std::cos(a), -0.10f - 0.22f * std::sin(a)});
    }
    tile.structure = Lathe(dome, 12, Axis::Z);
    tile.lamps = Lamp({0.0f, 0.0f}, 0.33f);
    return BuildTile(tile);
}

// A radio mast on a low plinth.
Mesh BuildMastTile()
{
    Tile tile;
    tile.concrete = Pad(0.7f);
    tile.structure = Merged(Pillar(ChamferedRect(0.3f, 0.3f, 0.06f), 0.16f), Pillar(Circle(6, 0.05f), 0.70f));
    tile.lamps = Lamp({0.0f, 0.0f}, 0.70f);
    return BuildTile(tile);
}

Picture PaintGround()
{
    // Concrete and plating panels, repeated every half unit.
    Painter p(32, 32, 0.0f, 1.0f, 0.0f, 1.0f, Rgb(236, 232, 222));
    const Color seam = Rgb(120, 112, 100);
    p.Fill({{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.07f}, {0.0f, 0.07f}}, seam);
    p.Fill({{0.0f, 0.0f}, {0.07f, 0.0f}, {0.07f, 1.0f}, {0.0f, 1.0f}}, seam);
    p.Fill({{0.5f, 0.07f}, {0.55f, 0.07f}, {0.55f, 0.5f}, {0.5f, 0.5f}}, seam);
    p.Fill({{0.07f, 0.5f}, {1.0f, 0.5f}, {1.0f, 0.55f}, {0.07f, 0.55f}}, seam);
    p.Grain(0.10f, 116);
    return p.Result();
}
