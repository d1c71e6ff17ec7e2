#include "actors/ParticleList.h"

#include "engine/GraphicsSystem.h"
#include "engine/Random.h"
#include "engine/VectorHelpers.h"

Vec3 DirectedVelocity(const Vec3& direction)
{
    const float speedDraw = RandomFloat();
    const float turnDraw = RandomFloat();
    Vec3 v = direction;
    VecNormalizeScale(&v, speedDraw * 0.05f + 0.025f);
    RotateZVector(&v, turnDraw * 0.8f - 0.4f);
    return v;
}

Vec3 RandomFieldPosition()
{
    const float yDraw = RandomFloat();
    const float xDraw = RandomFloat();
    return {xDraw * 10.0f - 5.0f, yDraw * 10.0f - 5.0f, 0.0f};
}

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
