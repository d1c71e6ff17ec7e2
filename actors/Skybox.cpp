#include "actors/Skybox.h"

#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

#include <span>

namespace {

constexpr float kFaceSize = 40.0f;

// How a face is turned from the scene's rotation, in half-turns about x and z.
struct FaceTurn {
    float x, z;
};

constexpr FaceTurn kSkyboxFaces[6] = {{-0.5f, 0.0f}, {-0.5f, 0.5f}, {-0.5f, -0.5f},
                                      {-0.5f, 1.0f}, {-1.0f, 0.0f}, {0.0f, 0.0f}};
constexpr FaceTurn kSkybox2Faces[5] = {{-0.5f, 0.0f}, {-0.5f, -0.5f}, {-0.5f, 0.5f}, {-0.5f, 1.0f}, {-1.0f, 0.0f}};

// The scene's world matrix with its rotation turned further for one face.
Matrix TurnedSceneMatrix(const FaceTurn& turn)
{
    const Vec3 rotation = g_worldTransform->rotation;
    g_worldTransform->rotation.x += turn.x;
    g_worldTransform->rotation.z += turn.z;
    Matrix scene;
    g_worldTransform->GetWorldMatrix(&scene);
    g_worldTransform->rotation = rotation;
    return scene;
}

// Smooth, edge-clamped sampling hides the seams between the faces.
void DrawFaces(std::span<const int> textures, std::span<const FaceTurn> turns)
{
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(1);
    g_graphics->SetBlendMode(-1);
    g_graphics->SetZBuffer(0);
    g_graphics->SetSamplerMode(SamplerMode::ClampLinear);
    Matrix ground;
    g_groundTransform->GetWorldMatrix(&ground);
    const Matrix outward = MatrixTranslation(0.0f, 0.0f, kFaceSize / 2.0f);
    for (size_t face = 0; face < turns.size(); ++face) {
        const Matrix world = MatrixMultiply(MatrixMultiply(outward, TurnedSceneMatrix(turns[face])), ground);
        g_graphics->DrawBillboard(textures[face], kFaceSize, kFaceSize, 1.0f, world);
    }
    g_graphics->SetSamplerMode(SamplerMode::WrapNearest);
}

}  // namespace

CSkybox::~CSkybox() = default;

void CSkybox::Draw()
{
    CSprite::Draw();
    DrawFaces(g_texSkybox, kSkyboxFaces);
}

CSkybox2::~CSkybox2() = default;

void CSkybox2::Draw()
{
    CSprite::Draw();
    DrawFaces(g_texSkybox2, kSkybox2Faces);
}

void SpawnSkybox() { g_skyList.push_back(new CSkybox()); }

void SpawnSkybox2() { g_skyList.push_back(new CSkybox2()); }
