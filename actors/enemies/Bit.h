// The small drone of stage 0: it flies in from far outside the field, then
// hops between random points of it; each time it stands still it fires two
// fast shots at the player, pauses facing the player, and hops again.
#pragma once

#include "actors/Enemy.h"

// Bit phases.
constexpr int BIT_ABOUT_TO_HOP = -1;
constexpr int BIT_HOPPING = 0;
constexpr int BIT_LEAVING = 255;

class CBit : public CEnemy {
public:
    CBit(float x, float y, float z);

    void Remove() override;
    void OnArrived() override;
    void Update() override;
    void Draw() override;
    ~CBit() override;
    void Leave() override;

    virtual void SetPhase(int newPhase);

    int phase = BIT_ABOUT_TO_HOP;
    // Shots fired since the last phase change.
    int shotCount = 0;
    // Frames left before the phase machine acts again.
    int pauseFrames = 0;

private:
    void Hop();
    void FireWhenStill();
};

// One bit at a random whole-number point well outside the field.
void SpawnBit();
// Erases and deletes every bit of the enemy list; the rest stays in order.
void DeleteAllBits();
