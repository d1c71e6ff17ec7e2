// The waves of the two stages: one hit kills them, they fly fixed curves or
// straight lines, fire single shots at random and explode when killed. The
// spawners make the rows the stage scripts call for.
#pragma once

#include "actors/Enemy.h"

// Straight eased flight through the field along a path turned by an angle.
class CEnemy0 : public CEnemy {
public:
    CEnemy0(float angle, const Vec3* offset);
    ~CEnemy0() override;

    void OnArrived() override;
    void Update() override;
    void Draw() override;
    void Remove() override;
    virtual void SetPhase(int newPhase);

    Vec3 points[3];
    Vec3 tangents[3];
    int phase = 0;
};

// Warns, fades in and then dives; type 0 at the player, speeding up.
class CEnemy1 : public CEnemy {
public:
    CEnemy1(int type, float x, float y, float z);
    ~CEnemy1() override;

    void Activate() override;
    void Die() override;
    void OnArrived() override;
    void Update() override;
    void Draw() override;
    void Remove() override;
    virtual void SetPhase(int newPhase);

    int type;
    int phase = 0;
};

// Swoops in, hovers firing at random, swoops out.
class CEnemy2 : public CEnemy {
public:
    CEnemy2(int type, float angle, const Vec3* offset);
    ~CEnemy2() override;

    void OnArrived() override;
    void Update() override;
    void Draw() override;
    void Remove() override;
    virtual void SetPhase(int newPhase);

    int type;
    int phase = 0;
    int hoverCountdown = 0;
    Vec3 points[3];
    Vec3 tangents[3];

protected:
    // The points are moved by the offset, then points and tangents turned by the angle.
    CEnemy2(int type, float angle, const Vec3* offset, const Vec3 (&pathPoints)[3], const Vec3 (&pathTangents)[3],
            int model);

    int model;
};

// The hovering kind on another path.
class CEnemy3 : public CEnemy2 {
public:
    CEnemy3(int type, float angle, const Vec3* offset);
    ~CEnemy3() override;
};

// Rises through the far field at a random depth, then (all but type 0)
// dives out past the bottom edge, firing on the way.
class CEnemy4 : public CEnemy2 {
public:
    CEnemy4(int type, float angle, const Vec3* offset);
    ~CEnemy4() override;

    void OnArrived() override;
    void SetPhase(int newPhase) override;
    void Leave() override;

    // Its own four, in place of the hovering kinds' three: all zero, so both
    // legs are straight lines eased at their ends.
    Vec3 tangents[4] = {};
};

void SpawnEnemy0Row(float angle);
void SpawnEnemy0RowMirrored(float angle);
// Dives at the player from a random point and drops a score item when it ends.
void SpawnEnemy1Random();
void SpawnEnemy1RandomWide();
void SpawnEnemy2Row();
