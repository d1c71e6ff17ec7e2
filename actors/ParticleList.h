// What the point and triangle particle systems share: how a list of particles
// steps, how a particle's age becomes its alpha, and how a batch is drawn.
#pragma once

#include "engine/VectorMath.h"
#include "platform/GraphicsDevice.h"

#include <vector>

// Only this many particles of a list are drawn; all of them move.
constexpr int kDrawnParticles = 1024;
constexpr int kParticleLife = 120;

// Drops the particles that died in an earlier step (the others keep their
// order) and steps the rest; one that dies now is drawn once more, at alpha 0.
template <typename Particle>
void StepParticles(std::vector<Particle>* particles)
{
    std::erase_if(*particles, [](const Particle& p) { return p.dead; });
    for (Particle& p : *particles)
        p.Step();
}

// The direction scaled to 0.025..0.075 and fanned by up to 0.4 half-turn
// either way: two draws, the speed then the fan.
Vec3 DirectedVelocity(const Vec3& direction);

// A point of the 10 x 10 square around the origin in the xy plane: two draws,
// the first giving y.
Vec3 RandomFieldPosition();

// 255 at birth falling to 0 at death.
int ParticleAlpha(int life, int totalLife);

// One draw of the batch, untextured and alpha-blended, through the identity world.
void DrawParticleBatch(PrimitiveType type, int primitiveCount, const ColorVertex* vertices);
