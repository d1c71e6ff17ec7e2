// A cloud of fading points: the smoke of the player's blade aura. Not a
// sprite; the frame pass moves and draws it directly.
#pragma once

#include "actors/ParticleList.h"
#include "engine/VectorMath.h"

#include <array>
#include <vector>

struct PointParticle {
    Vec3 position;
    Vec3 velocity;
    int life = 0;
    int totalLife = 0;
    bool dead = false;

    void Step();
};

class CPointParticles {
public:
    // n points drifting slowly away from the position in the xy plane.
    void Emit(const Vec3* position, int n);
    // n points thrown along the direction, fanned by up to 0.4 half-turn either way.
    void EmitDirected(const Vec3* position, const Vec3* direction, int n);
    // One point at rest at a random point of the field.
    void EmitRandom();
    void Update();
    void Draw();

    std::vector<PointParticle> particles;

private:
    void Add(const Vec3& position, const Vec3& velocity);

    std::array<ColorVertex, kDrawnParticles> vertices{};
};
