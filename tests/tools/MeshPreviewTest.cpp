#include "tools/assetgen/MeshPreview.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A red square facing the camera and a green one hidden behind it.
const char* const kSquares = R"(xof 0303txt 0032
Material Red { 1.0;0.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
Material Green { 0.0;1.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
Mesh Squares {
 8;
 -1;-1;0;, -1;1;0;, 1;1;0;, 1;-1;0;,
 -1;-1;0.5;, -1;1;0.5;, 1;1;0.5;, 1;-1;0.5;;
 2;
 4;0,1,2,3;, 4;4,5,6,7;;
 MeshMaterialList { 2; 2; 0, 1;; { Red } { Green } }
 MeshNormals { 1; 0;0;-1;; 2; 4;0,0,0,0;, 4;0,0,0,0;; }
})";

uint32_t At(const Picture& p, int x, int y) { return p.pixels[static_cast<size_t>(y) * p.width + x]; }

} // namespace

TEST(MeshPreview, DrawsTheNearestFaceLitAndLeavesTheBackground)
{
    const std::string text = kSquares;
    const Picture p = RenderMeshPreview({text.begin(), text.end()}, [](const std::string&) { return nullptr; }, 32);
    ASSERT_EQ(p.width, 64);
    ASSERT_EQ(p.height, 32);
    const uint32_t centre = At(p, 16, 16);
    EXPECT_GT((centre >> 16) & 0xFF, 0xA0u); // red: ambient 0.67 plus some light
    EXPECT_EQ((centre >> 8) & 0xFF, 0u);     // the green square is behind it
    EXPECT_EQ(At(p, 0, 0), At(p, 63, 0));    // the same background in both views
    EXPECT_NE(At(p, 0, 0), centre);
}

TEST(MeshPreview, AnUnreadableFileGivesAMarkedPicture)
{
    const Picture p = RenderMeshPreview({'x', 'o', 'f'}, [](const std::string&) { return nullptr; }, 8);
    ASSERT_EQ(p.pixels.size(), 128u);
    EXPECT_EQ(p.pixels[0], 0xFF400810u);
}
