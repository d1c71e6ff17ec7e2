// What every enemy kind shares: the position projected onto the playfield for
// the reticle, turning toward the player or along its own motion, leaving the
// field, the may-fire-now test, freeing its locks when it dies and the
// explosions the kinds leave behind. Each kind declares its own SetPhase
// right after CanShoot.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

class CEnemy : public CSprite {
public:
    CEnemy();

    void Die() override;
    void Update() override;
    void SetPosition(float x, float y, float z) override;
    ~CEnemy() override;

    // Flies out of the field to a random point beyond its edge in 240 frames.
    virtual void Leave();
    virtual void FacePlayer();
    // In view and not being knocked back.
    virtual bool CanShoot();

    // The model origin on screen in playfield units (x, y times 5; z less 1).
    Vec3 projectedPosition;
    bool facePlayer = true;
    float minTurnStep = 0.0025f;
    bool hurtsOnContact = true;
    bool skippedByPlayerAttacks = false;

protected:
    // The kinds' deaths, unless the enemy escaped: an explosion drifting
    // down and back, heard only when not too deep...
    void Explode();
    // ...the same with a sound of the kind's own...
    void ExplodeWithSound(int sound);
    // ...or one carried with the ground, always heard.
    void ExplodeWithGround();

private:
    void TurnToHeading();
};

// Like HitTest, but measured from where the enemy appears on screen, so the
// reticle in the playfield plane catches enemies at any depth.
bool HitTestEnemy(CEnemy* enemy, CSprite* other);

// The object of g_enemyList with that serial id, or null when it is gone.
CSprite* FindEnemy(int serialId);
