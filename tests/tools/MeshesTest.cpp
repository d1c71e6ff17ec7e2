// Every generated mesh: a closed solid facing outward, sized for its use,
// with the materials and pictures it names.
#include "tools/assetgen/meshes/MeshCatalog.h"

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
    for (const ModelVertex& v : mesh.vertices) {
        const auto [it, added] = ids.insert({{v.position.x, v.position.y, v.position.z}, static_cast<int>(ids.size())});
        weld.push_back(it->second);
    }
    std::vector<std::array<int, 3>> triangles;
    for (const ModelFace& f : mesh.faces)
        triangles.push_back({weld[f.corners[0]], weld[f.corners[1]], weld[f.corners[2]]});
    *pointCount = static_cast<int>(ids.size());
    return triangles;
}

Vec3 FaceNormal(const Mesh& mesh, const ModelFace& f)
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
    for (const ModelFace& f : mesh.faces) {
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

TEST_P(EachMesh, IsClosedWithEveryEdgeRunningBothWaysOnceAndEverySolidFacesOutward)
{
    const Mesh mesh = GetParam().build();
    int points = 0;
    std::map<std::pair<int, int>, int> directed;
    for (const auto& t : WeldedTriangles(mesh, &points))
        for (int k = 0; k < 3; ++k)
            ++directed[{t[k], t[(k + 1) % 3]}];
    for (const auto& [edge, count] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        ASSERT_TRUE(count == 1 && back != directed.end() && back->second == 1) << "an edge not shared by two faces";
    }
    for (double volume : SolidVolumes(mesh))
        EXPECT_GT(volume, 0.0);
}

TEST_P(EachMesh, NormalsAreUnitAndLeanLikeTheirFacesAndEveryMaterialIsUsed)
{
    const Mesh mesh = GetParam().build();
    std::set<int> used;
    for (const ModelFace& f : mesh.faces) {
        const Vec3 face = FaceNormal(mesh, f);
        ASSERT_GT(Vec3Length(face), 1e-7f) << "degenerate triangle";
        for (int corner : f.corners) {
            const Vec3& n = mesh.vertices[corner].normal;
            EXPECT_NEAR(Vec3Length(n), 1.0f, 1e-4f);
            EXPECT_GT(Vec3Dot(n, Vec3Normalize(face)), 0.0f);
        }
        ASSERT_GE(f.material, 0);
        ASSERT_LT(f.material, static_cast<int>(mesh.materials.size()));
        used.insert(f.material);
    }
    EXPECT_EQ(used.size(), mesh.materials.size());
    EXPECT_LE(mesh.faces.size(), 2000u) << "keep face counts modest";
}

std::string AssetName(const ::testing::TestParamInfo<MeshAsset>& info)
{
    return "Model" + std::to_string(info.param.id);
}

INSTANTIATE_TEST_SUITE_P(Catalog, EachMesh, ::testing::ValuesIn(MeshAssets()), AssetName);

Mesh Build(int id)
{
    for (const MeshAsset& asset : MeshAssets())
        if (asset.id == id)
            return asset.build();
    ADD_FAILURE() << "no MODEL #" << id;
    return {};
}

struct Extent {
    Vec3 min{1e9f, 1e9f, 1e9f};
    Vec3 max{-1e9f, -1e9f, -1e9f};
    float planRadius = 0.0f; // farthest point from the z axis
    float nearest = 1e9f;    // nearest point to the origin
    float farthest = 0.0f;
};

Extent Measure(const Mesh& mesh)
{
    Extent e;
    for (const ModelVertex& v : mesh.vertices) {
        const Vec3& p = v.position;
        e.min = {std::fmin(e.min.x, p.x), std::fmin(e.min.y, p.y), std::fmin(e.min.z, p.z)};
        e.max = {std::fmax(e.max.x, p.x), std::fmax(e.max.y, p.y), std::fmax(e.max.z, p.z)};
        e.planRadius = std::fmax(e.planRadius, std::sqrt(p.x * p.x + p.y * p.y));
        e.nearest = std::fmin(e.nearest, Vec3Length(p));
        e.farthest = std::fmax(e.farthest, Vec3Length(p));
    }
    return e;
}

float PlanRadius(const Extent& e) { return e.planRadius; }

TEST(MeshCatalog, ModelsAreSizedForHowTheGameUsesThem)
{
    const struct {
        int id;
        const char* why;
        float (*measure)(const Extent&);
        float low, high;
    } rows[] = {
        {101, "the muzzle flash is drawn 1 unit ahead", [](const Extent& e) { return e.max.y; }, 0.8f, 1.0f},
        {101, "the engine flare sits at y -0.7", [](const Extent& e) { return e.min.y; }, -0.9f, -0.7f},
        {101, "the paired shots leave at x +-0.2 from inside the wings", [](const Extent& e) { return e.max.x; }, 0.6f, 1.0f},
        {101, "the top faces the camera", [](const Extent& e) { return e.min.z; }, -1e9f, -1e-9f},
        // Enemies by their hit radii.
        {103, "hit radius", PlanRadius, 0.3f, 0.5f},
        {106, "hit radius", PlanRadius, 0.25f, 0.33f},
        {120, "hit radius", PlanRadius, 0.25f, 0.33f},
        {104, "hit radius", PlanRadius, 0.3f, 0.5f},
        {110, "hit radius", PlanRadius, 0.5f, 1.0f},
        {122, "hit radius", PlanRadius, 1.5f, 2.5f},
        {121, "hit radius", PlanRadius, 0.2f, 0.35f},
        {124, "a shell of the aura radius", [](const Extent& e) { return e.nearest; }, 1.45f, 1.55f},
        {124, "a shell of the aura radius", [](const Extent& e) { return e.farthest; }, 1.45f, 1.55f},
        {118, "the camera, 10 from the centre, stays inside", [](const Extent& e) { return e.nearest; }, 11.0f, 1e9f},
        {115, "below the play plane", [](const Extent& e) { return e.min.z; }, 1e-9f, 1e9f},
        {119, "fits beside the briefing", [](const Extent& e) { return e.farthest; }, 0.0f, 1.1f},
    };
    for (const auto& row : rows) {
        const float value = row.measure(Measure(Build(row.id)));
        EXPECT_GE(value, row.low) << "#" << row.id << ": " << row.why;
        EXPECT_LE(value, row.high) << "#" << row.id << ": " << row.why;
    }
    // Ground tiles stand in their cell and rise toward the camera.
    for (int id : {116, 111, 112}) {
        SCOPED_TRACE(id);
        const Extent e = Measure(Build(id));
        EXPECT_TRUE(e.min.x >= -0.5f && e.max.x <= 0.5f && e.min.y >= -0.5f && e.max.y <= 0.5f);
        EXPECT_LE(e.max.z, 0.05f);
        EXPECT_LT(e.min.z, -0.2f);
    }
    // Fog is off on the wire grounds: their lines show their glow.
    for (int id : {118, 115})
        for (const ModelMaterial& m : Build(id).materials)
            EXPECT_GT(m.emissive.x + m.emissive.y + m.emissive.z, 0.3f) << id;
}

TEST(MeshCatalog, SolidMeshesAreOpaqueAndTheAlphaOnlyMeshesUntextured)
{
    for (const MeshAsset& asset : MeshAssets()) {
        SCOPED_TRACE(asset.id);
        for (const ModelMaterial& m : asset.build().materials) {
            if (asset.id == 124) {
                EXPECT_GT(m.diffuse.a, 0.0f);
                EXPECT_LE(m.diffuse.a, 1.0f);
            } else {
                EXPECT_EQ(m.diffuse.a, 1.0f);
            }
            if (asset.id == 124 || asset.id == 121) {
                EXPECT_TRUE(m.textureFile.empty());
            }
        }
    }
}

TEST(MeshCatalog, TextureNamesAndPicturesMatchOneToOne)
{
    std::set<std::string> named;
    for (const MeshAsset& asset : MeshAssets())
        for (const ModelMaterial& m : asset.build().materials)
            if (!m.textureFile.empty())
                named.insert(m.textureFile);
    std::set<std::string> painted;
    for (const MeshPicture& picture : MeshPictures()) {
        SCOPED_TRACE(picture.id);
        painted.insert(std::to_string(picture.id) + ".png");
        const Picture p = picture.paint();
        ASSERT_GT(p.width, 0);
        ASSERT_EQ(p.pixels.size(), static_cast<size_t>(p.width) * static_cast<size_t>(p.height));
        for (uint32_t pixel : p.pixels)
            ASSERT_EQ(pixel >> 24, 0xFFu) << "mesh pictures are opaque";
    }
    EXPECT_EQ(named, painted);
}

} // namespace
