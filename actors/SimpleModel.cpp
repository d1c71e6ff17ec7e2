#include "actors/SimpleModel.h"

#include "actors/WorldPlacement.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

CSimpleModel::CSimpleModel(int mesh, float x, float y, float z) : model(mesh) { SetPosition(x, y, z); }

CSimpleModel::~CSimpleModel() = default;

void CSimpleModel::Update()
{
    CSprite::Update();
    const Vec3 turned = rotation + spinRate;
    SetRotation(turned.x, turned.y, turned.z);
}

void CSimpleModel::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->DrawMesh(model, PlaceInWorld(this));
}

int SpawnSimpleModel(int model, float x, float y, float z, float spinX, float spinY, float spinZ)
{
    auto* simpleModel = new CSimpleModel(model, x, y, z);
    simpleModel->spinRate = {spinX, spinY, spinZ};
    g_effectList.push_back(simpleModel);
    return simpleModel->serialId;
}
