#include "actors/WorldPlacement.h"

#include "engine/ObjectLists.h"

Matrix PlaceInWorld(CSprite* sprite)
{
    Matrix own;
    sprite->GetWorldMatrix(&own);
    Matrix scene;
    g_worldTransform->GetWorldMatrix(&scene);
    return MatrixMultiply(own, scene);
}
