// Resources for the graphics tests: PNG pictures and X files stored as the
// executable stores them (scrambled), registered for the test's lifetime.
#pragma once

#include "PngTestUtil.h"
#include "engine/ResourceLoader.h"
#include "platform/Resources.h"

#include <list>
#include <string>
#include <vector>

class GraphicsTestResources {
public:
    ~GraphicsTestResources() { ClearResources(); }

    void Add(const char* type, const char* name, std::vector<unsigned char> bytes)
    {
        std::vector<unsigned char>& stored = blobs.emplace_back(std::move(bytes));
        UnscrambleResource(stored.data(), stored.data(), static_cast<int>(stored.size()));
        table.push_back({type, name, stored.data(), stored.size()});
        RegisterResources(table.data(), table.size());
    }

    // A one-row RGB picture of the given 0xRRGGBB colours.
    void AddPicture(const char* type, const char* name, const std::vector<uint32_t>& colours)
    {
        std::vector<unsigned char> rows;
        for (uint32_t c : colours)
            rows.insert(rows.end(), {static_cast<unsigned char>(c >> 16), static_cast<unsigned char>(c >> 8),
                                     static_cast<unsigned char>(c)});
        Add(type, name, EncodeTestPng(Png(static_cast<int>(colours.size()), PNG_COLOR_TYPE_RGB, rows)));
    }

    void AddText(const char* type, const char* name, const std::string& text)
    {
        Add(type, name, std::vector<unsigned char>(text.begin(), text.end()));
    }

private:
    std::list<std::vector<unsigned char>> blobs;
    std::vector<EmbeddedResource> table;
};

// A square of two triangles facing the camera at z = 0: a red material, and a
// green half-transparent one with the texture "maps\210.png".
inline const char* const kTwoMaterialSquare = R"(xof 0303txt 0032
Mesh Square {
 4;
 -1.0;1.0;0.0;, 1.0;1.0;0.0;, -1.0;-1.0;0.0;, 1.0;-1.0;0.0;;
 2;
 3;0,1,2;, 3;2,1,3;;
 MeshNormals { 1; 0.0;0.0;-1.0;; 2; 3;0,0,0;, 3;0,0,0;; }
 MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 0.0;1.0;, 1.0;1.0;; }
 MeshMaterialList {
  2; 2; 0,1;;
  Material { 1.0;0.0;0.0;1.0;; 5.0; 0.5;0.5;0.5;; 0.1;0.0;0.0;; }
  Material { 0.0;1.0;0.0;0.5;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "maps\\210.png"; } }
 }
}
)";
