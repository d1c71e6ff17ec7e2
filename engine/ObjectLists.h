// The global object lists, the frame counter and the globals every part of
// the game shares. A list owns its objects: whoever erases an entry deletes it.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using SpriteList = std::vector<CSprite*>;

extern SpriteList g_backLayerList;
extern SpriteList g_skyList;
extern SpriteList g_enemyList;
extern SpriteList g_playerAttackList;
extern SpriteList g_enemyShotList;
extern SpriteList g_effectList;
extern SpriteList g_glowList;
extern SpriteList g_systemSpriteList;
extern SpriteList g_overlayList;

// Erases and deletes every object of type T. By index and re-reading the size,
// since it runs inside walks of the same list.
template <typename T>
void DeleteAllOf(SpriteList& list)
{
    std::size_t i = 0;
    while (i < list.size()) {
        CSprite* sprite = list[i];
        if (dynamic_cast<T*>(sprite) == nullptr) {
            ++i;
            continue;
        }
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        delete sprite;
    }
}

// Serial ids of the objects the current practice section created.
extern std::vector<int> g_sectionObjectIds;

class CFrameCounter {
public:
    void Count();
    // Makes the frames counted so far the figure of the last second and starts counting anew.
    int Latch();

    int32_t framesLastSecond = 0;
    int32_t framesThisSecond = 0;
    int32_t now = 0;
    int32_t spare1 = 0;  // the spare fields keep the counter's eight-int layout
    int32_t nextFrameDue = 0;
    int32_t nextSecondMark = 0;
    int32_t spare2 = 0;
    int32_t spare3 = 0;
};

// Milliseconds between frames, alternating short and long for about 60 per second.
constexpr int g_frameIntervalShort = 16;
constexpr int g_frameIntervalLong = 17;
extern int g_frameIntervalToggle;

class CEnemy;
class CPlayer;
class CLockonSystem;
class CPointParticles;
class CTriangleParticles;
class CLandScape;
class SceneScript;

extern Vec3 g_targetPosition;
extern int g_scene;
extern int g_sceneStep;
extern int g_sceneFrame;
extern int g_stepFrame;
extern int g_globalDifficulty;
extern int g_freezeFrames;
extern int g_freezeTotal;
extern Vec3 g_freezeCentre;
extern float g_fadeLevel;
extern int g_fadeDirection;
extern bool g_controlLocked;
extern bool g_loading;
extern bool g_replayPlaying;
extern int g_credits;
extern int g_sectionHeading;
extern int g_sectionCard;

extern CFrameCounter* g_frameCounter;
extern CEnemy* g_lastHitEnemy;
extern CPlayer* g_player;
extern CLockonSystem* g_lockonSystem;
extern CSprite* g_worldTransform;
extern CSprite* g_groundTransform;
extern CSprite* g_camera;
extern CPointParticles* g_pointParticles;
extern CTriangleParticles* g_triangleParticles;
extern CLandScape* g_landscape;
extern CLandScape* g_landscape2;
extern SceneScript* g_sceneScript;
