// Small spinning triangles: the sparks of dying shots, lasers and enemies,
// blade hits, the dash and the shot special. Not a sprite; the frame pass
// moves and draws it directly.
#pragma once

#include "actors/ParticleList.h"
#include "engine/VectorMath.h"

#include <array>
#include <vector>

struct TriangleParticle {
    Vec3 position;
    // World corners, recomputed by every Draw.
    Vec3 corners[3];
    // The unrotated corners.
    Vec3 shape[3];
    // Half-turns about x, y and z.
    Vec3 spin;
    Vec3 velocity;
    int life = 0;
    int totalLife = 0;
    bool dead = false;

    void Step();
};

class CTriangleParticles {
public:
    // n sparks thrown along the direction, fanned by up to 0.4 half-turn either way.
    void EmitDirected(const Vec3* position, const Vec3* direction, int n);
    // n sparks in all directions.
    void EmitBurst(const Vec3* position, int n, int life);
    void Emit(const Vec3* position, int n);
    // One spark with the given velocity.
    void EmitAt(const Vec3* position, const Vec3* velocity);
    // One spark drifting up and right from a random point of the field.
    void EmitRandom();
    void Update();
    void Draw();

    std::vector<TriangleParticle> particles;

private:
    // Three more draws: the spin about z, y and x.
    void Add(const Vec3& position, const Vec3& velocity, int life);

    std::array<ColorVertex, 3 * kDrawnParticles> vertices{};
};
