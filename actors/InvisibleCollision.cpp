#include "actors/InvisibleCollision.h"

#include "actors/BladeWave.h"
#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"

CInvisibleCollision::CInvisibleCollision(float x, float y, float z, float radius, int attackPower)
{
    SetPosition(x, y, z);
    hitRadius = radius;
    noAutoMove = true;
    power = attackPower;
}

CInvisibleCollision::~CInvisibleCollision() = default;

// A blade volume hands the enemy the push the blade gave it.
void CInvisibleCollision::OnHit(CSprite* other)
{
    CSprite::OnHit(other);
    if (mode != COLLISION_BLADE)
        return;
    other->Push(&impulse, &spin);
    g_triangleParticles->Emit(&position, 8);
    const int sound = RandomInt(2);
    g_sound->Play(sound == 0 ? g_seBladeHit : g_seBladeHit2, 0);
    g_effectList.push_back(new CBladeWave(position.x, position.y, position.z));
}

// Lives for two frames of collision tests at most.
void CInvisibleCollision::Update()
{
    CSprite::Update();
    if (age >= 2)
        Remove();
}

void CInvisibleCollision::Draw() { CSprite::Draw(); }
