#include "engine/XFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const kCube = R"(xof 0303txt 0032
// A cube with one normal per face, texture coordinates and two materials.
template Vector { <3D82AB5E-62DA-11cf-AB39-0020AF71E433> FLOAT x; FLOAT y; FLOAT z; }
template MeshMaterialList {
 <F6F23F42-7686-11CF-8F52-0040333594A3> DWORD nMaterials; DWORD nFaceIndexes;
 array DWORD faceIndexes[nFaceIndexes]; [Material <3D82AB4D-62DA-11CF-AB39-0020AF71E433>]
}
Header { 1; 0; 1; }
Material Red { 1.000000;0.000000;0.000000;1.000000;; 8.000000; 0.500000;0.500000;0.500000;; 0.100000;0.000000;0.000000;; }
Mesh Cube {
 8;
 -1.0;-1.0;-1.0;, 1.0;-1.0;-1.0;, 1.0;1.0;-1.0;, -1.0;1.0;-1.0;,
 -1.0;-1.0;1.0;, 1.0;-1.0;1.0;, 1.0;1.0;1.0;, -1.0;1.0;1.0;;
 6;
 4;0,3,2,1;, 4;4,5,6,7;, 4;0,4,7,3;, 4;1,2,6,5;, 4;0,1,5,4;, 4;3,7,6,2;;
 VertexDuplicationIndices { 8; 8; 0,1,2,3,4,5,6,7;; }
 MeshNormals {
  6; 0.0;0.0;-1.0;, 0.0;0.0;1.0;, -1.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;-1.0;0.0;, 0.0;1.0;0.0;;
  6; 4;0,0,0,0;, 4;1,1,1,1;, 4;2,2,2,2;, 4;3,3,3,3;, 4;4,4,4,4;, 4;5,5,5,5;;
 }
 MeshTextureCoords {
  8; 0.0;0.0;, 0.125;0.875;, 0.25;0.75;, 0.375;0.625;, 0.5;0.5;, 0.625;0.375;, 0.75;0.25;, 0.875;0.125;;
 }
 MeshMaterialList {
  2; 6; 0,1,0,1,0,1;;
  { Red }
  Material { 1.0;1.0;1.0;0.5;; 0.0; 0.0;0.0;0.0;; 0.2;0.3;0.4;; TextureFilename { "maps\\sub/210.png"; } }
 }
}
)";

bool Parse(MeshData* mesh, const std::string& text)
{
    // An exact-size copy lets the sanitizers see any read past the end.
    const std::vector<unsigned char> bytes(text.begin(), text.end());
    return ParseXFile(mesh, bytes.data(), bytes.size());
}

void ExpectVec3(const Vec3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}

TEST(XFile, CubeSplitsVerticesPerFaceNormalAndGroupsFacesByMaterial)
{
    MeshData mesh;
    ASSERT_TRUE(Parse(&mesh, kCube));
    EXPECT_EQ(mesh.vertices.size(), 24u);
    ASSERT_EQ(mesh.indices.size(), 36u);
    ASSERT_EQ(mesh.subsets.size(), 2u);
    EXPECT_EQ(std::vector<int>({mesh.subsets[0].firstTriangle, mesh.subsets[0].triangleCount,
                                mesh.subsets[1].firstTriangle, mesh.subsets[1].triangleCount}),
              std::vector<int>({0, 6, 6, 6}));
    // Material 0 holds faces 0, 2, 4 (normals -z, -x, -y), in file order.
    const Vec3 faceNormals[6] = {{0, 0, -1}, {-1, 0, 0}, {0, -1, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
    for (size_t t = 0; t < 12; ++t) {
        const Vec3& n = faceNormals[t / 2];
        for (size_t c = 0; c < 3; ++c) {
            const MeshBufferVertex& v = mesh.vertices[mesh.indices[3 * t + c]];
            ExpectVec3(v.normal, n.x, n.y, n.z);
            EXPECT_FLOAT_EQ(Vec3Dot(v.position, n), 1.0f) << "triangle " << t;
        }
    }
    // Each corner keeps its position's texture coordinates: (1, 1, 1) is position 6.
    for (const MeshBufferVertex& v : mesh.vertices) {
        if (v.position.x > 0 && v.position.y > 0 && v.position.z > 0) {
            EXPECT_FLOAT_EQ(v.uv.x, 0.75f);
            EXPECT_FLOAT_EQ(v.uv.y, 0.25f);
        }
    }
    ASSERT_EQ(mesh.materials.size(), 2u);
    const MeshMaterial &red = mesh.materials[0], &textured = mesh.materials[1];
    EXPECT_EQ(std::vector<float>({red.diffuse.r, red.diffuse.g, red.diffuse.a, red.power, red.specular.g,
                                  red.emissive.r, red.ambient.r, textured.diffuse.a, textured.emissive.b}),
              std::vector<float>({1, 0, 1, 8, 0.5f, 0.1f, 0, 0.5f, 0.4f}));
    EXPECT_TRUE(red.textureFileName.empty());
    EXPECT_EQ(textured.textureFileName, "maps\\\\sub/210.png");
}

TEST(XFile, FacesBecomeFansAndMeshesWithoutMaterialsGetAWhiteOne)
{
    MeshData mesh;
    ASSERT_TRUE(Parse(&mesh, R"(xof 0303txt 0032
Mesh { 10; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;, 5;5;5;, 2;0;0;, 3;0;0;, 3;1;0;, 2.5;2;0;, 2;1;0;;
 2; 4;0,1,2,3;, 5;5,6,7,8,9;; })"));
    // The unused position 4 is dropped.
    EXPECT_EQ(mesh.vertices.size(), 9u);
    EXPECT_EQ(mesh.indices, (std::vector<uint32_t>{0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7, 4, 7, 8}));
    ExpectVec3(mesh.vertices[8].position, 2, 1, 0);
    ExpectVec3(mesh.vertices[8].normal, 0, 0, 0);
    ASSERT_EQ(mesh.materials.size(), 1u);
    EXPECT_EQ(mesh.materials[0].diffuse.g, 1.0f);
    EXPECT_EQ(mesh.subsets[0].triangleCount, 5);
}

TEST(XFile, FrameTransformsApplyInnerFirst)
{
    MeshData mesh;
    ASSERT_TRUE(Parse(&mesh, R"(xof 0303txt 0032
Frame Outer {
 FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 10,0,0,1;; }
 Frame Inner {
  FrameTransformMatrix { 0,1,0,0, -1,0,0,0, 0,0,1,0, 0,0,0,1;; }
  Mesh { 3; 1;0;0;, 0;1;0;, 0;0;2;; 1; 3;0,1,2;;
   MeshNormals { 1; 1;0;0;; 1; 3;0,0,0;; } }
 }
 Mesh { 3; 1;0;0;, 0;1;0;, 0;0;0;; 1; 3;0,1,2;; }
 Frame Stretched {
  FrameTransformMatrix { 2,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; }
  Mesh { 3; 1;0;0;, 0;1;0;, 0;0;1;; 1; 3;0,1,2;;
   MeshNormals { 1; 0.7071068;0.7071068;0;; 1; 3;0,0,0;; } }
 }
}
Mesh { 3; 1;0;0;, 0;1;0;, 0;0;0;; 1; 3;0,1,2;; }
)"));
    ASSERT_EQ(mesh.vertices.size(), 12u);
    ExpectVec3(mesh.vertices[0].position, 10, 1, 0);
    ExpectVec3(mesh.vertices[1].position, 9, 0, 0);
    ExpectVec3(mesh.vertices[2].position, 10, 0, 2);
    ExpectVec3(mesh.vertices[0].normal, 0, 1, 0);
    ExpectVec3(mesh.vertices[3].position, 11, 0, 0);
    // A stretched face keeps a unit normal perpendicular to it.
    ExpectVec3(mesh.vertices[6].position, 12, 0, 0);
    ExpectVec3(mesh.vertices[6].normal, 0.4472136f, 0.8944272f, 0);
    ExpectVec3(mesh.vertices[9].position, 1, 0, 0);
    EXPECT_EQ(mesh.materials.size(), 4u);
    EXPECT_EQ(mesh.subsets[3].firstTriangle, 3);
}

const char* const kSmall = R"(xof 0303txt 0032
Material M { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { "1.png"; } }
Mesh {
 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;
 2; 3;0,1,2;, 3;0,2,3;;
 MeshNormals { 1; 0;0;-1;; 2; 3;0,0,0;, 3;0,0,0;; }
 MeshTextureCoords { 4; 0;0;, 1;0;, 1;1;, 0;1;; }
 MeshMaterialList { 1; 2; 0,0;; { M } }
}
)";

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(XFile, RefusesMalformedFiles)
{
    MeshData mesh;
    ASSERT_TRUE(Parse(&mesh, kSmall));
    std::string manyReferences = "{ 4097; 2; 0,0;;";
    for (int i = 0; i < 4097; ++i)
        manyReferences += " { M }";
    const std::pair<std::string, std::string> faults[] = {
        {"txt ", "bin "}, {"txt ", "tzip"}, {"txt ", "bzip"}, {"xof 03", "xof 02"},
        {"4; 0;0;0;", "9; 0;0;0;"},                  // more positions than given
        {"4; 0;0;0;", "4000000000; 0;0;0;"},         // a count beyond the text
        {"4; 0;0;0;", "-4; 0;0;0;"},
        {"3;0,2,3;;", "3;0,2,4;;"},                  // position index out of range
        {"3;0,2,3;;", "2;0,2;;"},                    // a face of two corners
        {"3;0,0,0;;", "3;0,1,0;;"},                  // normal index out of range
        {"2; 3;0,0,0;, 3;0,0,0;;", "1; 3;0,0,0;;"},  // normal faces miscounted
        {"3;0,0,0;;", "4;0,0,0,0;;"},                // normal corners miscounted
        {"4; 0;0;, 1;0;, 1;1;, 0;1;;", "3; 0;0;, 1;0;, 1;1;;"},  // fewer texture coordinates than positions
        {"4; 0;0;, 1;0;, 1;1;, 0;1;;", "4; 0;0;, 1;0;, 1;1;;"},  // texture coordinates miscounted
        {"2; 0,0;;", "2; 0,1;;"},                    // material index out of range
        {"1; 2; 0,0;;", "1; 3; 0,0,0;;"},            // more material indexes than faces
        {"{ 1; 2;", "{ 2; 2;"},                      // fewer materials than declared
        {"{ M }", "{ N }"},                          // an unknown material
        {"1;1;1;1;;", "1;x;1;1;;"},                  // not a number
        {"1;1;1;1;;", "1;1e99;1;1;;"},               // not a float
        {"\"1.png\"", "\"1.png"},                    // an unterminated string
        {"\"1.png\"", "\"" + std::string(256, 'a') + ".png\""},  // a texture name longer than a path
        {"{ 1; 2; 0,0;; { M }", manyReferences},       // cheap references to more materials than any mesh has
    };
    for (const auto& [from, to] : faults)
        EXPECT_FALSE(Parse(&mesh, Replace(kSmall, from, to))) << from << " -> " << to;
    EXPECT_FALSE(Parse(&mesh, std::string(kSmall).substr(0, std::string(kSmall).rfind('}'))));
    EXPECT_FALSE(Parse(&mesh, "xof 0303txt 0032\nMaterial M { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; }\n"));
    EXPECT_FALSE(Parse(&mesh, "xof 0303txt"));
    // A good mesh, then one cut short.
    EXPECT_FALSE(Parse(&mesh, std::string(kSmall) + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;"));
    std::string deep = "xof 0303txt 0032\n";
    for (int i = 0; i < 100; ++i)
        deep += "Frame {";
    deep += "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }";
    deep += std::string(100, '}');
    EXPECT_FALSE(Parse(&mesh, deep));
    // A frame that scales a vertex past the float range.
    EXPECT_FALSE(Parse(&mesh, "xof 0303txt 0032\nFrame { FrameTransformMatrix { 1e38,0,0,0, 0,1,0,0, 0,0,1,0, "
                              "0,0,0,1;; } Mesh { 3; 10;0;0;, 0;1;0;, 0;0;0;; 1; 3;0,1,2;; } }"));
    // The mesh of the last good parse is left as it was.
    EXPECT_EQ(mesh.indices.size(), 6u);
    EXPECT_EQ(mesh.materials[0].textureFileName, "1.png");
}

TEST(XFile, SurvivesEveryTruncation)
{
    const std::string cube = kCube;
    const size_t lastBrace = cube.rfind('}');
    MeshData mesh;
    for (size_t n = 0; n <= lastBrace; ++n)
        EXPECT_FALSE(Parse(&mesh, cube.substr(0, n))) << n;
    EXPECT_TRUE(Parse(&mesh, cube.substr(0, lastBrace + 1)));
}

} // namespace
