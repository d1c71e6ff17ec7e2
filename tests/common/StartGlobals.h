// The game's globals set back to the values a freshly started process finds
// them at, so that each test and each run starts from the same place.
#pragma once

#include "engine/ObjectLists.h"
#include "game/Scenes.h"
#include "game/TitleMenu.h"

inline void ResetStartGlobals()
{
    g_targetPosition = Vec3{};
    g_scene = -255;
    g_sceneStep = g_sceneFrame = g_stepFrame = 0;
    g_globalDifficulty = 0;
    g_freezeFrames = g_freezeTotal = 0;
    g_freezeCentre = Vec3{};
    g_fadeLevel = 0.0f;
    g_fadeDirection = 0;
    g_controlLocked = g_loading = g_replayPlaying = false;
    g_credits = 0;
    g_sectionHeading = g_sectionCard = -1;
    g_frameIntervalToggle = 0;
    g_sectionObjectIds.clear();
    g_bgmStage0 = g_bgmStage1 = g_bgmTitleCopy = -1;
    g_startScene = 0;
    g_titleMenuRow = 0;
    g_titleMenuValues[kMenuRowAutomaticReload] = g_titleMenuValues[kMenuRowCourse] = 0;
}
