// The scripts of the title and the game-over scene.
#include "engine/ObjectLists.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"

// The title's ground tilts and turns slowly for as long as it is shown.
void SceneScript::RunTitle()
{
    if (g_sceneStep != 0)
        return;
    if (g_stepFrame == 0)
        g_groundTransform->SetRotation(0.5f, 0.0f, 0.0f);
    g_groundTransform->rotation.x += -0.000013f;
    g_groundTransform->rotation.y += 0.0002f;
}

void SceneScript::RunGameOver()
{
    if (g_stepFrame == 240)
        SetScene(-2, 0);
}
