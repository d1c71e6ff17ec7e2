#include "actors/enemies/DanmakuBoss.h"

#include "actors/EnemyShot.h"
#include "actors/enemies/DanmakuEmitter.h"
#include "actors/enemies/EnemyCommon.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr int kPhaseFreezeFrames = static_cast<int>(60 * 0.75);

}  // namespace

CEnemybDanmaku::CEnemybDanmaku() : CBoss(20 * 256)
{
    pushable = false;
    Vec3 start;
    RandomEdgePoint(&start);
    SetPhase(-1);
    SetPosition(start.x, start.y, start.z);
    MoveTo(0.0f, 3.0f, 0.0f, 1.0f / 120.0f);
}

CEnemybDanmaku::~CEnemybDanmaku() = default;

void CEnemybDanmaku::SetPhase(int newPhase)
{
    phase = newPhase;
    crossAngle = 0.0f;
    DeleteAllDanmakuEmitters();
    if (phase < 0 || phase > 3)
        return;
    g_sound->Play(g_seSpecial, 0);
    if (onPhaseChange != nullptr)
        onPhaseChange(kPhaseFreezeFrames, &position);
    if (phase == 3)
        SpawnSpiralEmitters();
}

void CEnemybDanmaku::SpawnSpiralEmitters()
{
    const Vec3 origin{};
    const Vec3 targets[4] = {{-2.0f, 2.0f, 0.0f}, {2.0f, 2.0f, 0.0f}, {-3.0f, -1.0f, 0.0f}, {3.0f, -1.0f, 0.0f}};
    for (int i = 0; i < 4; ++i)
        g_enemyList.push_back(new CEnemyBitDanmaku(i % 2, &origin, &targets[i]));
}

void CEnemybDanmaku::OnArrived()
{
    CEnemy::OnArrived();
    if (phase == -1)
        SetPhase(0);
    else
        EndIfLeft();
}

// The pattern goes on, and the phases keep stepping, while the boss is dying.
void CEnemybDanmaku::Update()
{
    CEnemy::Update();
    StepPhase();
}

void CEnemybDanmaku::StepPhase()
{
    switch (phase) {
    case 0:
        if (age % 120 == 0) {
            const int type = 2 + RandomInt(2);
            g_enemyList.push_back(new CEnemyBitDanmaku(type, &position, &position));
        }
        NextPhaseBelow(0.8f);
        break;
    case 1:
        if (age % 5 == 0)
            FireCross();
        NextPhaseBelow(0.6f);
        break;
    case 2:
        if (age % 20 == 0)
            FireSweep();
        NextPhaseBelow(0.4f);
        break;
    default:
        break;
    }
}

// Checked on 60-frame ticks only, so a heavy blow is worked off one phase per tick.
void CEnemybDanmaku::NextPhaseBelow(float share)
{
    if (static_cast<float>(hp) < static_cast<float>(maxHp) * share && age % 60 == 0)
        SetPhase(phase + 1);
}

// Four burst shots a quarter turn apart, the cross turning a little each volley.
void CEnemybDanmaku::FireCross()
{
    FireBurstRing(position, crossAngle, 4, 0.5f);
    crossAngle += 0.01f;
}

// Twelve shots swept across the aim, each faster than the last; the sweep
// runs the other way every other time.
void CEnemybDanmaku::FireSweep()
{
    const float side = age % 40 == 0 ? 1.0f : -1.0f;
    float speed = 0.06f;
    Vec3 d = g_targetPosition - position;
    RotateZVector(&d, 0.1f * side);
    for (int i = 0; i < 12; ++i) {
        FireTypedShot(ENEMY_SHOT_ORIENTED, position, d, speed);
        RotateZVector(&d, -0.05f * side);
        speed += 0.0075f;
    }
}
