#include "actors/PointParticles.h"

#include "engine/Random.h"
#include "engine/VectorHelpers.h"

#include <algorithm>

void PointParticle::Step()
{
    position = position + velocity;
    life -= 1;
    if (life <= 0)
        dead = true;
}

// Two draws per point: its speed, then its direction.
void CPointParticles::Emit(const Vec3* position, int n)
{
    for (int i = 0; i < n; ++i) {
        const float speedDraw = RandomFloat();
        const float turnDraw = RandomFloat();
        Vec3 velocity{0.0f, 1.0f, 0.0f};
        VecNormalizeScale(&velocity, (speedDraw + 0.5f) * 0.01f);
        RotateZVector(&velocity, 2.0f * turnDraw);
        Add(*position, velocity);
    }
}

void CPointParticles::EmitDirected(const Vec3* position, const Vec3* direction, int n)
{
    for (int i = 0; i < n; ++i) {
        const Vec3 velocity = DirectedVelocity(*direction);
        Add(*position, velocity);
    }
}

void CPointParticles::EmitRandom()
{
    const Vec3 position = RandomFieldPosition();
    Add(position, {});
}

void CPointParticles::Add(const Vec3& position, const Vec3& velocity)
{
    PointParticle& p = particles.emplace_back();
    p.position = position;
    p.velocity = velocity;
    p.life = kParticleLife;
    p.totalLife = kParticleLife;
}

void CPointParticles::Update() { StepParticles(&particles); }

void CPointParticles::Draw()
{
    const int n = std::min(static_cast<int>(particles.size()), kDrawnParticles);
    for (int k = 0; k < n; ++k) {
        const PointParticle& p = particles[k];
        const uint32_t alpha = static_cast<uint32_t>(ParticleAlpha(p.life, p.totalLife));
        vertices[k] = {p.position.x, p.position.y, p.position.z, alpha << 24 | 0x00010100u, 0.0f, 0.0f};
    }
    if (n > 0)
        DrawParticleBatch(PrimitiveType::PointList, n, vertices.data());
}
