#include "game/Camera.h"

#include "engine/ObjectLists.h"

void ResetCamera()
{
    g_camera->SetPosition(0.0f, 0.0f, -10.0f);
    g_camera->SetRotation(0.0f, 0.0f, 0.0f);
    g_camera->SetVelocity(0.0f, 1.0f, 0.0f);
    g_camera->StopMotion();
}
