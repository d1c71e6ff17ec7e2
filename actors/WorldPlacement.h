// Where a 3D actor is drawn: its own world matrix carried by the scene's
// world transform (the g_worldTransform sprite).
#pragma once

#include "engine/Sprite.h"

Matrix PlaceInWorld(CSprite* sprite);
