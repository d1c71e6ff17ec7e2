// Enemy bullets and the helpers every enemy fires them with. Each helper
// creates the shots and pushes them into g_enemyShotList; directions are
// copied, normalised and scaled to the speed, never changed in place.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

enum EnemyShotType {
    ENEMY_SHOT_SPINNING = 0,
    ENEMY_SHOT_ORIENTED = 1,
    ENEMY_SHOT_ROUND = 2,
    ENEMY_SHOT_BURST = 3,
    ENEMY_SHOT_ACCELERATING = 4,
};

// How a shot is drawn and turned.
constexpr int SHOT_LOOK_SPINNING = 0;
constexpr int SHOT_LOOK_ORIENTED = 1;
constexpr int SHOT_LOOK_ROUND = 2;

class CEnemyShot : public CSprite {
public:
    CEnemyShot(int type, float x, float y, float z, float vx, float vy, float vz);

    void OnStopped() override;
    void Remove() override;
    void Update() override;
    void Draw() override;
    void SetVelocity(float x, float y, float z) override;
    ~CEnemyShot() override;

    virtual void SetMode(int mode);

    int look = SHOT_LOOK_SPINNING;
    int type;
    int mode = 0;
    Matrix worldMatrix;
};

void FireShotAt(float x, float y, float z, const Vec3& direction, float speed);
void FireTypedShot(int type, const Vec3& position, const Vec3& direction, float speed);
void FireShot(const Vec3& position, const Vec3& direction, float speed);
void FireShotDefault(const Vec3& position, const Vec3& direction);
void FireShotFast(const Vec3& position, const Vec3& direction);
// The velocity is used exactly as given.
void FireBurstShot(const Vec3& position, const Vec3& velocity);
// n shots, each turned up to 0.1 half-turn either way at a speed of 0.05 .. 0.15.
void FireSpread(const Vec3& position, const Vec3& direction, int n);
// Toward the player.
void FireAimedShot(float x, float y, float z, float speed);
// Deletes every enemy shot at once, without sound or sparks.
void ClearEnemyShots();
