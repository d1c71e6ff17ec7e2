#include "game/SceneScript.h"

#include "engine/ObjectLists.h"

void SceneScript::Run()
{
    switch (g_scene) {
    case -3:
        RunGameOver();
        break;
    case -2:
        RunTitle();
        break;
    case 0:
        RunStage0();
        break;
    case 1:
        RunStage1();
        break;
    case 10:
    case 11:
    case 12:
        RunKillSection30();
        break;
    case 13:
    case 18:
        RunKillSection15();
        break;
    case 14:
    case 16:
        RunDuelSection2();
        break;
    case 15:
        RunKillSection120();
        break;
    case 17:
        RunDuelSection();
        break;
    default:
        break;
    }
}
