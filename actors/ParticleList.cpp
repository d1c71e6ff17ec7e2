#include "actors/ParticleList.h"

#include "engine/GraphicsSystem.h"

int ParticleAlpha(int life, int totalLife)
{
    if (totalLife <= 0)
        return 0;
    return static_cast<int>(static_cast<float>(life) / static_cast<float>(totalLife) * 255.0f);
}

void DrawParticleBatch(PrimitiveType type, int primitiveCount, const ColorVertex* vertices)
{
    g_graphics->SetMaterialColor(1.0f, 1.0f, 1.0f, 1.0f);
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetBlendMode(0);
    g_graphics->SetTexture(-1);
    g_graphics->DrawVertexList(type, primitiveCount, vertices);
}
