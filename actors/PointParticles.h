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
    void Update();
    void Draw();

    std::vector<PointParticle> particles;

private:
    std::array<ColorVertex, kDrawnParticles> vertices{};
};
