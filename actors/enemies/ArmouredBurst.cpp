#include "actors/enemies/ArmouredBurst.h"

#include "actors/Bomb.h"
#include "actors/LightParticle.h"
#include "actors/ShockWave.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr int kGlowLife = static_cast<int>(60 * 2);
constexpr int kRingFrames = static_cast<int>(60 * 0.5);

// A direction drawn x, y, z, then its speed: base + spread times a draw.
Vec3 RandomGlowVelocity(float base, float spread)
{
    const float x = RandomFloat();
    const float y = RandomFloat();
    const float z = RandomFloat();
    Vec3 velocity{x - 0.5f, y - 0.5f, z - 0.5f};
    const float speed = RandomFloat();
    VecNormalizeScale(&velocity, spread * speed + base);
    return velocity;
}

}  // namespace

void SpawnArmouredBurst(const Vec3& position)
{
    // A first volley of glows was dropped; its draws stay, as replays rely on them.
    for (int i = 0; i < 16; ++i)
        RandomGlowVelocity(0.02f, 0.04f);
    for (int i = 0; i < 32; ++i) {
        const Vec3 velocity = RandomGlowVelocity(0.06f, 0.14f);
        g_effectList.push_back(new CLightParticle(position.x, position.y, position.z, 0.5f, &velocity, kGlowLife));
    }
    g_effectList.push_back(new CShockWave(position.x, position.y, position.z, 25.0f, kRingFrames));
    SpawnBomb(&position);
    g_sound->Play(g_seBigExplode, 0);
}
