#include "tools/assetgen/meshes/MeshBuilder.h"

#include <cmath>

UvMapping TopView(float x0, float x1, float y0, float y1)
{
    UvMapping mapping;
    mapping.kind = UvMapping::Kind::Planar;
    mapping.uAxis = {1.0f / (x1 - x0), 0.0f, 0.0f};
    mapping.vAxis = {0.0f, -1.0f / (y1 - y0), 0.0f};
    mapping.offset = {-x0 / (x1 - x0), y1 / (y1 - y0)};
    return mapping;
}

UvMapping BoxMapping(float scale)
{
    UvMapping mapping;
    mapping.kind = UvMapping::Kind::Box;
    mapping.scale = scale;
    return mapping;
}

namespace {

Vec2 MapUv(const UvMapping& mapping, const Vec3& p, const Vec3& faceNormal)
{
    switch (mapping.kind) {
    case UvMapping::Kind::Planar:
        return {Vec3Dot(p, mapping.uAxis) + mapping.offset.x, Vec3Dot(p, mapping.vAxis) + mapping.offset.y};
    case UvMapping::Kind::Box: {
        const float ax = std::fabs(faceNormal.x);
        const float ay = std::fabs(faceNormal.y);
        const float az = std::fabs(faceNormal.z);
        const float s = mapping.scale;
        if (az >= ax && az >= ay)
            return {p.x * s, -p.y * s};
        if (ax >= ay)
            return {p.y * s, p.z * s};
        return {p.x * s, p.z * s};
    }
    case UvMapping::Kind::None:
        break;
    }
    return {};
}

float CornerAngle(const Vec3& at, const Vec3& a, const Vec3& b)
{
    const Vec3 u = Vec3Normalize(a - at);
    const Vec3 v = Vec3Normalize(b - at);
    const float c = Vec3Dot(u, v);
    return std::acos(c > 1.0f ? 1.0f : (c < -1.0f ? -1.0f : c));
}

} // namespace

int MeshBuilder::AddMaterial(const ModelMaterial& material)
{
    mesh_.materials.push_back(material);
    return static_cast<int>(mesh_.materials.size()) - 1;
}

int MeshBuilder::VertexIndex(const ModelVertex& v)
{
    const auto key =
        std::make_tuple(v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y, v.normal.z, v.uv.x, v.uv.y);
    const auto found = vertexIndex_.find(key);
    if (found != vertexIndex_.end())
        return found->second;
    mesh_.vertices.push_back(v);
    const int index = static_cast<int>(mesh_.vertices.size()) - 1;
    vertexIndex_[key] = index;
    return index;
}

void MeshBuilder::Add(const Shape& shape, int material, const UvMapping& uv, float creaseDegrees)
{
    const float creaseCos = std::cos(creaseDegrees * kPi / 180.0f);
    std::vector<Vec3> faceNormals;
    std::vector<std::vector<std::pair<size_t, int>>> around(shape.points.size());
    for (size_t t = 0; t < shape.triangles.size(); ++t) {
        const auto& tri = shape.triangles[t];
        const Vec3& a = shape.points[tri[0]];
        faceNormals.push_back(Vec3Normalize(Vec3Cross(shape.points[tri[1]] - a, shape.points[tri[2]] - a)));
        for (int k = 0; k < 3; ++k)
            around[tri[k]].push_back({t, k});
    }
    for (size_t t = 0; t < shape.triangles.size(); ++t) {
        const auto& tri = shape.triangles[t];
        ModelFace face;
        face.material = material;
        for (int k = 0; k < 3; ++k) {
            // Average the faces meeting here that fold by less than the crease,
            // each by its corner angle, so thin slivers do not tilt the normal.
            Vec3 sum;
            for (const auto& [other, corner] : around[tri[k]]) {
                if (Vec3Dot(faceNormals[t], faceNormals[other]) < creaseCos)
                    continue;
                const auto& o = shape.triangles[other];
                const float angle = CornerAngle(shape.points[o[corner]], shape.points[o[(corner + 1) % 3]],
                                                shape.points[o[(corner + 2) % 3]]);
                sum = sum + faceNormals[other] * angle;
            }
            ModelVertex vertex;
            vertex.position = shape.points[tri[k]];
            vertex.normal = Vec3Normalize(sum);
            vertex.uv = MapUv(uv, vertex.position, faceNormals[t]);
            face.corners[k] = VertexIndex(vertex);
        }
        mesh_.faces.push_back(face);
    }
}
