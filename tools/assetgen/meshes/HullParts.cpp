#include "tools/assetgen/meshes/HullParts.h"

Outline HexSection(float w, float top, float bottom)
{
    return {{w, 0.0f}, {0.6f * w, bottom}, {-0.6f * w, bottom}, {-w, 0.0f}, {-0.6f * w, -top}, {0.6f * w, -top}};
}

Shape Fuselage(const std::vector<Station>& stations)
{
    std::vector<Layer> layers;
    for (const Station& s : stations) {
        if (s.w <= 0.0f)
            layers.push_back({{{0.0f, (s.bottom - s.top) * 0.5f}}, s.y});
        else
            layers.push_back({HexSection(s.w, s.top, s.bottom), s.y});
    }
    return Stack(layers, Axis::Y);
}

Shape Barrel(float x, float z, float y0, float y1, float r, int sides)
{
    return Extrude(Scaled(Circle(sides, r, kPi / static_cast<float>(sides)), 1.0f, 1.0f, {x, z}), y0, y1, Axis::Y);
}

Shape Plate(const Outline& plan, float z0, float z1, float bevel)
{
    return BevelledPlate(plan, z0, z1, bevel, Axis::Z);
}
