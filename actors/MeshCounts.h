// The face, vertex and material counts a sprite keeps of the mesh it draws.
#pragma once

#include "engine/Sprite.h"

// Zero counts while the mesh or the graphics manager is not there yet.
void TakeMeshCounts(CSprite* sprite, int mesh);
