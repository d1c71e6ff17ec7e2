// Small pieces the enemy kinds share: their paths, their fire and its odds by
// difficulty, their model drawing and the armoured enemies' death burst.
#pragma once

#include "actors/Enemy.h"

// The odds of a random fire (1 in n): the base figure, or the harder one at difficulty 0.
int ByDifficulty(int normal, int difficultyZero);

// Points are moved by the offset, then points and tangents turned about z by the angle.
void PlacePath(Vec3* points, Vec3* tangents, int count, float angle, const Vec3* offset);

// A random point of the field's middle (-5..5), x drawn first, then y.
Vec3 RandomFieldPoint();

// One spinning shot along the facing at 0.1, with its sound.
void FireAlongFacing(CEnemy* enemy);

// Camera 45, culling and z-buffer on, no blending; the mesh carried by the world transform.
void DrawEnemyModel(CEnemy* enemy, int model, int fog);

// A charge: one glow from a random point of the 4-unit cube about the centre, drawn into it.
void SpawnChargeGlow(const Vec3& centre, int life);

// Burst shots at 0.1 evenly round a ring: the first one step past the start angle.
void FireBurstRing(const Vec3& position, float startAngle, int count, float step);

// The armoured kinds' dying: motion stopped, gliding to a halt, with the death sound.
void BeginSlowDeath(CEnemy* enemy);

// 32 glows, a ring of 25 and an explosion, after 64 draws that only advance the sequence.
void ArmouredDeathBurst(const Vec3& position);
