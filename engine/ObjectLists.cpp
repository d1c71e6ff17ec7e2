#include "engine/ObjectLists.h"

// The lists are never told to delete what they still hold: the program entry
// deletes the three transform sprites itself while they are still listed.
SpriteList g_backLayerList;
SpriteList g_skyList;
SpriteList g_enemyList;
SpriteList g_playerAttackList;
SpriteList g_enemyShotList;
SpriteList g_effectList;
SpriteList g_glowList;
SpriteList g_systemSpriteList;
SpriteList g_overlayList;

std::vector<int> g_sectionObjectIds;

void CFrameCounter::Count() { framesThisSecond += 1; }

int CFrameCounter::Latch()
{
    framesLastSecond = framesThisSecond;
    framesThisSecond = 0;
    return framesLastSecond;
}

int g_frameIntervalToggle = 0;

Vec3 g_targetPosition;
int g_scene = -255;
int g_sceneStep = 0;
int g_sceneFrame = 0;
int g_stepFrame = 0;
int g_globalDifficulty = 0;
int g_freezeFrames = 0;
int g_freezeTotal = 0;
Vec3 g_freezeCentre;
float g_fadeLevel = 0.0f;
int g_fadeDirection = 0;
bool g_controlLocked = false;
bool g_loading = false;
bool g_replayPlaying = false;
int g_credits = 0;
int g_sectionHeading = -1;
int g_sectionCard = -1;

CFrameCounter* g_frameCounter = nullptr;
CEnemy* g_lastHitEnemy = nullptr;
CPlayer* g_player = nullptr;
CLockonSystem* g_lockonSystem = nullptr;
CSprite* g_worldTransform = nullptr;
CSprite* g_groundTransform = nullptr;
CSprite* g_camera = nullptr;
CPointParticles* g_pointParticles = nullptr;
CTriangleParticles* g_triangleParticles = nullptr;
CLandScape* g_landscape = nullptr;
CLandScape* g_landscape2 = nullptr;
SceneScript* g_sceneScript = nullptr;
