// The armoured enemy: a squat hexagonal pod between two heavy shoulder
// plates, a stub cannon forward and a green sensor slit. Solid from every
// side, since one kind of it tumbles; about 0.3 in radius like its hit radii.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

namespace {

const Outline kShoulder = {{0.13f, -0.20f}, {0.25f, -0.14f}, {0.31f, 0.0f}, {0.26f, 0.16f}, {0.14f, 0.21f}};

Shape Core() { return BevelledPlate(Circle(6, 0.2f, kPi / 2.0f), -0.14f, 0.14f, 0.05f, Axis::Z); }

Shape Shoulders() { return Paired(BevelledPlate(kShoulder, -0.11f, 0.11f, 0.035f, Axis::Z)); }

Shape Cannon()
{
    return Merged(Barrel(0.0f, 0.0f, 0.12f, 0.31f, 0.035f, 6),
                  Lathe({{0.0f, 0.10f}, {0.06f, 0.14f}, {0.06f, 0.22f}, {0.045f, 0.25f}}, 6, Axis::Y));
}

// A raised hatch on top, its front edge holding the sensor slit.
Shape Hatch() { return BevelledPlate(Circle(6, 0.11f, kPi / 2.0f), -0.19f, -0.12f, 0.025f, Axis::Z); }

Shape Sensor()
{
    return ConvexHull({{-0.07f, 0.11f, -0.13f},
                       {0.07f, 0.11f, -0.13f},
                       {-0.05f, 0.15f, -0.12f},
                       {0.05f, 0.15f, -0.12f},
                       {-0.07f, 0.09f, -0.16f},
                       {0.07f, 0.09f, -0.16f},
                       {-0.05f, 0.13f, -0.155f},
                       {0.05f, 0.13f, -0.155f}});
}

Shape Vents() { return Paired(Box({0.04f, -0.22f, -0.05f}, {0.09f, -0.15f, 0.05f})); }

} // namespace

Mesh BuildArmouredEnemy()
{
    MeshBuilder builder;
    const int armour = builder.AddMaterial(Textured(0.68f, 0.70f, 0.54f, kArmouredEnemyPicture));
    const int plating = builder.AddMaterial(Textured(0.92f, 0.74f, 0.28f, kArmouredEnemyPicture));
    const int metal = builder.AddMaterial(Solid(0.26f, 0.27f, 0.26f));
    const int glow = builder.AddMaterial(Glow(0.45f, 1.0f, 0.55f));
    // The pod tumbles, so its armour is panelled the same way on every side.
    const UvMapping panels = BoxMapping(3.0f);
    builder.Add(Core(), armour, panels);
    builder.Add(Hatch(), armour, panels);
    builder.Add(Shoulders(), plating, panels);
    builder.Add(Cannon(), metal);
    builder.Add(Vents(), metal);
    builder.Add(Sensor(), glow);
    return builder.Result();
}

Picture PaintArmouredEnemy()
{
    // One armour panel, repeated over every face: a plate with bevelled
    // seams and a rivet in each corner.
    Painter p(32, 32, 0.0f, 1.0f, 0.0f, 1.0f, Rgb(236, 236, 230));
    const Color seam = Rgb(90, 92, 80);
    const Color light = Rgb(255, 255, 250);
    p.Fill({{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.06f}, {0.0f, 0.06f}}, seam);
    p.Fill({{0.0f, 0.0f}, {0.06f, 0.0f}, {0.06f, 1.0f}, {0.0f, 1.0f}}, seam);
    p.Fill({{0.06f, 0.94f}, {1.0f, 0.94f}, {1.0f, 1.0f}, {0.06f, 1.0f}}, light);
    for (float x : {0.2f, 0.86f})
        for (float y : {0.2f, 0.8f})
            p.Fill(Scaled(Circle(6, 0.05f), 1.0f, 1.0f, {x, y}), seam);
    p.Line({0.2f, 0.5f}, {0.8f, 0.5f}, 0.04f, Rgb(200, 200, 190));
    p.Grain(0.08f, 106);
    return p.Result();
}
