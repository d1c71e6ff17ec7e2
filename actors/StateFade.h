// How far a sprite with appear and dying timers has faded in: rising from 0
// while it appears, 1 while active, falling to 0 while it dies.
#pragma once

#include "engine/Sprite.h"

// False (and *fade untouched) in any other state.
bool FadeOfState(CSprite* sprite, double* fade);

// Frames of fading in, of full show and of fading out; Appear starts them.
void SetFadeTimers(CSprite* sprite, int appear, int live, int vanish);
