// Scene changes and what the scene set-ups and scripts share: the list
// purges, the reset of a play scene, the practice sections' set-up and their
// textures, sending enemies away, and the main loop's frame interval.
#pragma once

#include "engine/ObjectLists.h"

#include <cstddef>

// Slots of the practice sections' pictures, loaded while a section runs.
extern int g_texSectionPanel;
extern int g_texClearCard;
extern int g_texFailedCard;
extern int g_texSectionCards[8];
extern int g_texSectionHeading;

// The stage music, loaded on first entry behind a loading screen, and the
// title music's copy of scene -1.
extern int g_bgmStage0;
extern int g_bgmStage1;
extern int g_bgmTitleCopy;

// Step -1 is a fresh entry, for which the scene's set-up runs.
void SetScene(int scene, int step);
// The set-up of g_scene for g_sceneStep, as SetScene runs it.
void RunSceneSetUp();

void ResetScene();
void SetUpSection();
void LoadStageTextures();
void UnloadStageTextures();

// Erases the object at index i of the list and deletes it.
void EraseAndDelete(SpriteList& list, std::size_t i);
// Each purge deletes what it erases.
void PurgeAllLists();
void PurgeEnemies();
void PurgeEnemyShots();
// Only the objects the section set-up created.
void PurgeSectionObjects();
// Every enemy flies off the field; score items stay.
void DismissEnemies();

// Milliseconds until the next frame: 16 and 17 alternately.
int FrameInterval();
