// Every generated mesh: a closed solid facing outward, sized for its use,
// with the materials and pictures it names, written the same way every time.
#include "tools/assetgen/meshes/MeshCatalog.h"
#include "tools/assetgen/meshes/XFileWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

namespace {

using Key = std::tuple<float, float, float>;

// Corner indices welded by position: vertices split for normals or texture
// seams are one point of the surface.
std::vector<std::array<int, 3>> WeldedTriangles(const Mesh& mesh, int* pointCount)
{
    std::map<Key, int> ids;
    std::vector<int> weld;
    for (const MeshVertex& v : mesh.vertices) {
        const auto [it, added] = ids.insert({{v.position.x, v.position.y, v.position.z}, static_cast<int>(ids.size())});
        weld.push_back(it->second);
    }
    std::vector<std::array<int, 3>> triangles;
    for (const MeshFace& f : mesh.faces)
        triangles.push_back({weld[f.corners[0]], weld[f.corners[1]], weld[f.corners[2]]});
    *pointCount = static_cast<int>(ids.size());
    return triangles;
}

Vec3 FaceNormal(const Mesh& mesh, const MeshFace& f)
{
    const Vec3& a = mesh.vertices[f.corners[0]].position;
    return Vec3Cross(mesh.vertices[f.corners[1]].position - a, mesh.vertices[f.corners[2]].position - a);
}

int Find(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// Six times the volume of each separate solid of the mesh.
std::vector<double> SolidVolumes(const Mesh& mesh)
{
    int points = 0;
    const auto triangles = WeldedTriangles(mesh, &points);
    std::vector<int> parent(static_cast<size_t>(points));
    std::iota(parent.begin(), parent.end(), 0);
    for (const auto& t : triangles) {
        parent[Find(parent, t[1])] = Find(parent, t[0]);
        parent[Find(parent, t[2])] = Find(parent, t[0]);
    }
    std::map<int, double> volumes;
    for (const MeshFace& f : mesh.faces) {
        const Vec3& a = mesh.vertices[f.corners[0]].position;
        const Vec3& b = mesh.vertices[f.corners[1]].position;
        const Vec3& c = mesh.vertices[f.corners[2]].position;
        int root = Find(parent, triangles[&f - mesh.faces.data()][0]);
        volumes[root] += static_cast<double>(Vec3Dot(a, Vec3Cross(b, c)));
    }
    std::vector<double> result;
    for (const auto& [root, volume] : volumes)
        result.push_back(volume);
    return result;
}

class EachMesh : public ::testing::TestWithParam<MeshAsset> {};

TEST_P(EachMesh, IsClosedWithEveryEdgeRunningBothWaysOnce)
{
    const Mesh mesh = GetParam().build();
    int points = 0;
    std::map<std::pair<int, int>, int> directed;
    for (const auto& t : WeldedTriangles(mesh, &points))
        for (int k = 0; k < 3; ++k)
            ++directed[{t[k], t[(k + 1) % 3]}];
    int bad = 0;
    for (const auto& [edge, count] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        if (count != 1 || back == directed.end() || back->second != 1)
            ++bad;
    }
    EXPECT_EQ(bad, 0) << "edges not shared by exactly two triangles of opposite sense";
}

TEST_P(EachMesh, EverySolidFacesOutward)
{
    for (double volume : SolidVolumes(GetParam().build()))
        EXPECT_GT(volume, 0.0);
}

TEST_P(EachMesh, NormalsAreUnitAndLeanLikeTheirFaces)
{
    const Mesh mesh = GetParam().build();
    for (const MeshFace& f : mesh.faces) {
        const Vec3 face = FaceNormal(mesh, f);
        ASSERT_GT(Vec3Length(face), 1e-7f) << "degenerate triangle";
        for (int corner : f.corners) {
            const Vec3& n = mesh.vertices[corner].normal;
            EXPECT_NEAR(Vec3Length(n), 1.0f, 1e-4f);
            EXPECT_GT(Vec3Dot(n, Vec3Normalize(face)), 0.0f);
        }
    }
}

TEST_P(EachMesh, FaceMaterialsAreInRangeAndEveryMaterialIsUsed)
{
    const Mesh mesh = GetParam().build();
    std::set<int> used;
    for (const MeshFace& f : mesh.faces) {
        ASSERT_GE(f.material, 0);
        ASSERT_LT(f.material, static_cast<int>(mesh.materials.size()));
        used.insert(f.material);
    }
    EXPECT_EQ(used.size(), mesh.materials.size());
    EXPECT_LE(mesh.faces.size(), 2000u) << "keep face counts modest";
}

TEST_P(EachMesh, WritesTheSameTextEveryTime)
{
    EXPECT_EQ(WriteXFile(GetParam().build()), WriteXFile(GetParam().build()));
}

std::string AssetName(const ::testing::TestParamInfo<MeshAsset>& info)
{
    return "Model" + std::to_string(info.param.id);
}

INSTANTIATE_TEST_SUITE_P(Catalog, EachMesh, ::testing::ValuesIn(MeshAssets()), AssetName);

} // namespace
