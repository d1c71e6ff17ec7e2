// Enemies with their own movement and bullet patterns: the drifting targets
// and the duel opponent of the practice sections, and the volley enemy of
// stage 1.
#pragma once

#include "actors/Enemy.h"

// Comes in, pauses, leaves; never fires. Type 0 is small, type 1 armoured.
class CEnemyd0 : public CEnemy {
public:
    CEnemyd0(int type, float x, float y, float z);
    ~CEnemyd0() override;

    void Push(Vec3* impulse, Vec3* spin) override;
    void Die() override;
    void Remove() override;
    void OnArrived() override;
    void Update() override;
    void Draw() override;
    virtual void SetPhase(int newPhase);

    int phase = 0;
    int type;
};

// Stands where it is placed: mode 0 fires turning rings of burst shots,
// mode 1 only gathers light at random.
class CEnemyd1 : public CEnemy {
public:
    CEnemyd1(int mode, float x, float y, float z);
    ~CEnemyd1() override;

    void Die() override;
    void Remove() override;
    void Update() override;
    void Draw() override;
    virtual void SetPhase(int newPhase);

    int phase = 0;
    int mode;
    int chargeCountdown = 0;
    float ringAngle = 0.0f;

private:
    void Charge();
    void FireRing();
};

// Descends, fires two volleys (type 0 a 3-way fan, 1 an 8-ring, 2 a 16-ring)
// and leaves; worth no points, it drops a score item when killed.
class CEnemyDanmaku : public CEnemy {
public:
    CEnemyDanmaku(float x, float y, float z, int type);
    ~CEnemyDanmaku() override;

    void Remove() override;
    void OnArrived() override;
    void Update() override;
    void Draw() override;
    virtual void SetPhase(int newPhase);

    int type;
    int phase = 0;
    int volleyCount = 0;

private:
    void FireVolley();
};

// One drifting target from a random point just outside the field.
void SpawnEnemyd0(int type);
