// The solid builders, the normal smoothing and the X file text.
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Primitives.h"
#include "tools/assetgen/meshes/XFileWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

// Every edge used once in each direction: closed and consistently wound.
bool IsClosed(const Shape& shape)
{
    std::map<std::pair<int, int>, int> directed;
    for (const auto& t : shape.triangles)
        for (int k = 0; k < 3; ++k)
            ++directed[{t[k], t[(k + 1) % 3]}];
    for (const auto& [edge, count] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        if (count != 1 || back == directed.end() || back->second != 1)
            return false;
    }
    return !shape.triangles.empty();
}

float Volume(const Shape& shape) { return SignedVolume6(shape) / 6.0f; }

TEST(MeshToolkit, ExtrusionFacesOutwardWhicheverWayItsOutlineRuns)
{
    const Outline square = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
    const Outline clockwise = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
    for (Axis axis : {Axis::X, Axis::Y, Axis::Z}) {
        for (const Outline& outline : {square, clockwise}) {
            const Shape prism = Extrude(outline, 0.0f, 3.0f, axis);
            EXPECT_TRUE(IsClosed(prism));
            EXPECT_NEAR(Volume(prism), 6.0f, 1e-4f);
        }
        // Layers running backward along the axis too.
        EXPECT_NEAR(Volume(Extrude(square, 3.0f, 0.0f, axis)), 6.0f, 1e-4f);
    }
}

TEST(MeshToolkit, ConcaveOutlinesAreCappedWithoutOverlap)
{
    const Outline ell = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}};
    const auto triangles = Triangulate(ell);
    ASSERT_EQ(triangles.size(), ell.size() - 2);
    float area = 0.0f;
    for (const auto& t : triangles) {
        const float a2 = SignedArea2({ell[t[0]], ell[t[1]], ell[t[2]]});
        EXPECT_GT(a2, 0.0f);
        area += a2 * 0.5f;
    }
    EXPECT_NEAR(area, 5.0f, 1e-5f);
    const Shape plate = BevelledPlate(ell, 0.0f, 0.5f, 0.1f, Axis::Z);
    EXPECT_TRUE(IsClosed(plate));
    EXPECT_GT(Volume(plate), 0.0f);
}

TEST(MeshToolkit, InsetMovesEveryEdgeInwardByTheDistance)
{
    const Outline inset = Inset({{0, 0}, {0, 2}, {2, 2}, {2, 0}}, 0.25f);
    for (const Vec2& p : inset) {
        EXPECT_NEAR(std::fabs(p.x - 1.0f), 0.75f, 1e-5f);
        EXPECT_NEAR(std::fabs(p.y - 1.0f), 0.75f, 1e-5f);
    }
    EXPECT_LT(SignedArea2(inset), 0.0f) << "keeps its clockwise sense";
}

TEST(MeshToolkit, LatheTipsAndTorusAreClosed)
{
    const Shape cone = Lathe({{0.0f, 0.0f}, {1.0f, 1.0f}, {1.0f, 2.0f}, {0.0f, 3.0f}}, 12, Axis::Y);
    EXPECT_TRUE(IsClosed(cone));
    EXPECT_EQ(cone.points.size(), 26u) << "one point per tip";
    EXPECT_GT(Volume(cone), 0.0f);
    const Shape ring = Torus(1.0f, 0.25f, 24, 12);
    EXPECT_TRUE(IsClosed(ring));
    EXPECT_NEAR(Volume(ring), 2.0f * kPi * kPi * 0.0625f, 0.1f);
}

TEST(MeshToolkit, ConvexHullKeepsOnlyTheCornersAndFacesOut)
{
    std::vector<Vec3> points = {{0.5f, 0.5f, 0.5f}, {1, 1, 1}};
    for (int i = 0; i < 8; ++i)
        points.push_back({static_cast<float>(i & 1), static_cast<float>((i >> 1) & 1), static_cast<float>(i >> 2)});
    points.push_back({0.5f, 0.0f, 0.5f}); // on a face
    const Shape cube = ConvexHull(points);
    EXPECT_TRUE(IsClosed(cube));
    EXPECT_EQ(cube.points.size(), 8u);
    EXPECT_EQ(cube.triangles.size(), 12u);
    EXPECT_NEAR(Volume(cube), 1.0f, 1e-5f);
    EXPECT_TRUE(ConvexHull({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}).triangles.empty()) << "flat: no solid";
}

TEST(MeshToolkit, MirroringAndSphereKeepTheOutsideOut)
{
    const Shape box = Box({0, 0, 0}, {1, 2, 3});
    EXPECT_NEAR(Volume(MirroredX(box)), 6.0f, 1e-4f);
    EXPECT_NEAR(Volume(Transformed(box, MatrixScaling(1.0f, -2.0f, 1.0f))), 12.0f, 1e-4f);
    const Shape sphere = IcoSphere(2.0f, 2);
    EXPECT_TRUE(IsClosed(sphere));
    EXPECT_EQ(sphere.triangles.size(), 320u);
    EXPECT_GT(Volume(sphere), 0.0f);
}

TEST(MeshToolkit, CreaseAngleSplitsSharpCornersAndSmoothsCurves)
{
    MeshBuilder sharp;
    sharp.Add(Box({0, 0, 0}, {1, 1, 1}), sharp.AddMaterial(Solid(1, 1, 1)));
    EXPECT_EQ(sharp.Result().vertices.size(), 24u) << "three normals at each corner";
    MeshBuilder smooth;
    smooth.Add(IcoSphere(1.0f, 1), smooth.AddMaterial(Solid(1, 1, 1)), {}, 45.0f);
    ASSERT_EQ(smooth.Result().vertices.size(), 42u) << "one normal per point";
    for (const ModelVertex& v : smooth.Result().vertices)
        EXPECT_GT(Vec3Dot(v.normal, Vec3Normalize(v.position)), 0.999f);
}

TEST(MeshToolkit, PlanViewMapsTheRectangleOntoThePicture)
{
    MeshBuilder builder;
    builder.Add(Box({-1, -2, 0}, {1, 2, 1}), builder.AddMaterial(Solid(1, 1, 1)), TopView(-1, 1, -2, 2));
    for (const ModelVertex& v : builder.Result().vertices) {
        EXPECT_FLOAT_EQ(v.uv.x, (v.position.x + 1.0f) / 2.0f);
        EXPECT_FLOAT_EQ(v.uv.y, (2.0f - v.position.y) / 4.0f) << "the top row is the nose side";
    }
}

TEST(XFileWriter, WritesTheTextFormatWithOneNormalAndUvPerVertex)
{
    Mesh mesh;
    mesh.vertices = {
        {{0, 0, 0}, {0, 0, -1}, {0, 0}}, {{0, 1, 0}, {0, 0, -1}, {0, 1}}, {{1, -0.0f, 0}, {0, 0, -1}, {1, 0}}};
    mesh.faces = {{{0, 1, 2}, 0}};
    ModelMaterial material = Textured(0.5f, 0.25f, 1.0f, 216, {0.125f, 0, 0});
    material.power = 8.0f;
    mesh.materials = {material};
    EXPECT_EQ(WriteXFile(mesh), "xof 0303txt 0032\n\n"
                                "Mesh {\n"
                                " 3;\n"
                                " 0.000000;0.000000;0.000000;,\n"
                                " 0.000000;1.000000;0.000000;,\n"
                                " 1.000000;0.000000;0.000000;;\n"
                                " 1;\n"
                                " 3;0,1,2;;\n"
                                "\n MeshNormals {\n"
                                "  3;\n"
                                "  0.000000;0.000000;-1.000000;,\n"
                                "  0.000000;0.000000;-1.000000;,\n"
                                "  0.000000;0.000000;-1.000000;;\n"
                                "  1;\n"
                                "  3;0,1,2;;\n"
                                " }\n"
                                "\n MeshTextureCoords {\n"
                                "  3;\n"
                                "  0.000000;0.000000;,\n"
                                "  0.000000;1.000000;,\n"
                                "  1.000000;0.000000;;\n"
                                " }\n"
                                "\n MeshMaterialList {\n"
                                "  1;\n"
                                "  1;\n"
                                "  0;\n"
                                "  Material {\n"
                                "   0.500000;0.250000;1.000000;1.000000;;\n"
                                "   8.000000;\n"
                                "   0.000000;0.000000;0.000000;;\n"
                                "   0.125000;0.000000;0.000000;;\n"
                                "   TextureFilename {\n"
                                "    \"216.png\";\n"
                                "   }\n"
                                "  }\n"
                                " }\n"
                                "}\n");
}

} // namespace
