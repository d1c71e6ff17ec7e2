#include "actors/TriangleParticles.h"

#include "engine/Random.h"
#include "engine/VectorHelpers.h"

#include <algorithm>

namespace {

// A small triangle around its centre; the turn is 0.6666, not quite two thirds.
struct SparkShape {
    Vec3 corners[3];

    SparkShape()
    {
        corners[0] = {0.0f, 0.025f, 0.0f};
        corners[1] = corners[0];
        RotateZVector(&corners[1], 0.6666f);
        corners[2] = corners[1];
        RotateZVector(&corners[2], 0.6666f);
    }
};

const SparkShape kSparkShape;

Matrix SpinMatrix(const Vec3& spin)
{
    Matrix m = MatrixRotationX(spin.x * kPi);
    m = MatrixMultiply(m, MatrixRotationY(spin.y * kPi));
    return MatrixMultiply(m, MatrixRotationZ(spin.z * kPi));
}

}  // namespace

void TriangleParticle::Step()
{
    position = position + velocity;
    life -= 1;
    if (life <= 0)
        dead = true;
    spin.x += 0.05f;
    spin.y += 0.05f;
}

void CTriangleParticles::Add(const Vec3& position, const Vec3& velocity, int life)
{
    TriangleParticle& p = particles.emplace_back();
    p.position = position;
    std::copy(kSparkShape.corners, kSparkShape.corners + 3, p.shape);
    const float spinZ = RandomFloat();
    p.spin.z = 2.0f * spinZ;
    const float spinY = RandomFloat();
    p.spin.y = 2.0f * spinY;
    const float spinX = RandomFloat();
    p.spin.x = 2.0f * spinX;
    p.velocity = velocity;
    p.life = life;
    p.totalLife = life;
}

void CTriangleParticles::EmitDirected(const Vec3* position, const Vec3* direction, int n)
{
    for (int i = 0; i < n; ++i) {
        const Vec3 velocity = DirectedVelocity(*direction);
        Add(*position, velocity, kParticleLife);
    }
}

void CTriangleParticles::EmitBurst(const Vec3* position, int n, int life)
{
    for (int i = 0; i < n; ++i) {
        const float speedDraw = RandomFloat();
        const float turnDraw = RandomFloat();
        Vec3 v{0.0f, 1.0f, 0.0f};
        VecNormalizeScale(&v, (speedDraw + 0.5f) * 0.05f);
        RotateZVector(&v, 2.0f * turnDraw);
        Add(*position, v, life);
    }
}

void CTriangleParticles::Emit(const Vec3* position, int n) { EmitBurst(position, n, kParticleLife); }

void CTriangleParticles::EmitAt(const Vec3* position, const Vec3* velocity)
{
    Add(*position, *velocity, kParticleLife);
}

void CTriangleParticles::EmitRandom()
{
    const Vec3 position = RandomFieldPosition();
    Add(position, {0.01f, 0.01f, 0.0f}, kParticleLife);
}

void CTriangleParticles::Update() { StepParticles(&particles); }

void CTriangleParticles::Draw()
{
    const int n = std::min(static_cast<int>(particles.size()), kDrawnParticles);
    for (int k = 0; k < n; ++k) {
        TriangleParticle& p = particles[k];
        const uint32_t color = static_cast<uint32_t>(ParticleAlpha(p.life, p.totalLife)) << 24 | 0x00010101u;
        const Matrix m = SpinMatrix(p.spin);
        for (int j = 0; j < 3; ++j) {
            p.corners[j] = Vec3TransformNormal(p.shape[j], m) + p.position;
            vertices[3 * k + j] = {p.corners[j].x, p.corners[j].y, p.corners[j].z, color, 0.0f, 0.0f};
        }
    }
    if (n > 0)
        DrawParticleBatch(PrimitiveType::TriangleList, n, vertices.data());
}
