#include "actors/StateFade.h"

bool FadeOfState(CSprite* sprite, double* fade)
{
    switch (sprite->state) {
    case STATE_APPEARING:
        *fade = 1.0 - sprite->AppearRatio();
        return true;
    case STATE_ACTIVE:
        *fade = 1.0;
        return true;
    case STATE_DYING:
        *fade = sprite->DyingRatio();
        return true;
    default:
        return false;
    }
}

void SetFadeTimers(CSprite* sprite, int appear, int live, int vanish)
{
    sprite->appearFrames = appear;
    sprite->appearLeft = appear;
    sprite->lifeFrames = live;
    sprite->lifeLeft = live;
    sprite->dyingFrames = vanish;
    sprite->dyingLeft = vanish;
}
