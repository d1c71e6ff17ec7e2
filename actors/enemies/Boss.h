// What the two stage bosses share: the callbacks the scripts give them, the
// phase in which they fly off the field, their death and removal, and their
// drawing with its long dying show.
#pragma once

#include "actors/Enemy.h"

// SetScene in play: the scene and the step that follows the boss's death.
using BossDeathCallback = void (*)(int scene, int step);
// SetFreeze in play: a hit-stop centred on the boss.
using PhaseChangeCallback = void (*)(int frames, const Vec3* centre);

constexpr int BOSS_PHASE_LEAVING = 255;

class CBoss : public CEnemy {
public:
    // The stage moves on (once, and never for a boss once sent away, whatever
    // a push has since made of its phase), a white flash, the field cleared
    // of bits and enemy shots, and a sound; none of it for a boss that flew
    // off the field.
    void Die() override;
    // Glows gone, a long flash, a burst of sparks and a sound.
    void Remove() override;
    void Draw() override;
    ~CBoss() override;

    void Leave() override;
    virtual void SetPhase(int phase) = 0;

    int phase = 0;
    BossDeathCallback onDeath = nullptr;
    bool sentAway = false;

protected:
    // Turned toward the player, with the values both bosses share.
    explicit CBoss(int hitPoints);
    // A leaving boss that reaches its point outside the field ends there unseen.
    void EndIfLeft();
};
