// Turns closed shapes into a mesh: one material per shape, vertex normals
// smoothed across folds gentler than a crease angle, texture coordinates
// from a projection.
#pragma once

#include "tools/assetgen/meshes/Mesh.h"
#include "tools/assetgen/meshes/Shape.h"

#include <map>
#include <tuple>

// How a point (and the normal of its face) gets its texture coordinates.
struct UvMapping {
    enum class Kind { None, Planar, Box };
    Kind kind = Kind::None;
    // Planar: u = dot(p, uAxis) + offset.x, v = dot(p, vAxis) + offset.y.
    Vec3 uAxis;
    Vec3 vAxis;
    Vec2 offset;
    // Box: each face projected along its main axis, scale texture units per unit.
    float scale = 1.0f;
};

// The picture laid over the plan view: the rectangle x0..x1, y0..y1 covers it,
// its top row at y1 (the nose side).
UvMapping TopView(float x0, float x1, float y0, float y1);
// The picture repeated every 1 / scale units on every face, projected along
// the face's main axis.
UvMapping BoxMapping(float scale);

class MeshBuilder {
public:
    int AddMaterial(const ModelMaterial& material);
    void Add(const Shape& shape, int material, const UvMapping& uv = {}, float creaseDegrees = 35.0f);
    const Mesh& Result() const { return mesh_; }

private:
    int VertexIndex(const ModelVertex& vertex);

    Mesh mesh_;
    std::map<std::tuple<float, float, float, float, float, float, float, float>, int> vertexIndex_;
};
