// A one-material triangle as a text X file, so each drawn mesh is one recorded draw.
#pragma once

inline const char* const kTileMesh = R"(xof 0303txt 0032
Mesh Tile {
 3;
 0.0;0.0;0.0;, 0.5;0.0;0.0;, 0.0;0.5;0.0;;
 1;
 3;0,1,2;;
 MeshNormals { 1; 0.0;0.0;-1.0;; 1; 3;0,0,0;; }
 MeshMaterialList { 1; 1; 0;; Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; } }
}
)";
