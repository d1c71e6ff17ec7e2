// Writes a mesh as a DirectX X file in text form ("xof 0303txt 0032"):
// one Mesh with MeshNormals, MeshTextureCoords and MeshMaterialList, numbers
// in fixed notation with six decimals so that the same mesh always gives the
// same bytes.
#pragma once

#include "tools/assetgen/meshes/Mesh.h"

#include <string>

std::string WriteXFile(const Mesh& mesh);
