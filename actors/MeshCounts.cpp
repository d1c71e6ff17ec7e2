#include "actors/MeshCounts.h"

#include "engine/GraphicsSystem.h"

void TakeMeshCounts(CSprite* sprite, int mesh)
{
    if (g_graphics == nullptr)
        return;
    sprite->faceCount = g_graphics->GetMeshFaceCount(mesh);
    sprite->vertexCount = g_graphics->GetMeshVertexCount(mesh);
    sprite->materialCount = g_graphics->GetMeshMaterialCount(mesh);
}
