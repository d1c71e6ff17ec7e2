#include "actors/LockonSystem.h"

#include "actors/LockedMarker.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"

namespace {

CLockedMarker* AsMarker(CSprite* sprite) { return dynamic_cast<CLockedMarker*>(sprite); }

void KillMarkersOf(int target)
{
    for (size_t i = 0; i < g_effectList.size(); ++i) {
        CLockedMarker* marker = AsMarker(g_effectList[i]);
        if (marker != nullptr && marker->targetId == target)
            marker->Die();
    }
}

}  // namespace

CLockonSystem::CLockonSystem() { ReleaseAll(); }

CLockonSystem::~CLockonSystem() = default;

int CLockonSystem::Lock(int target)
{
    if (intervalCounter > 0 && (IsLocked(target) || target == lastTarget))
        return -1;
    const int slot = FirstFreeSlot();
    if (slot == -1)
        return -1;
    active[slot] = 1;
    targetId[slot] = target;
    timer[slot] = kLockTime;
    g_sound->Play(IsFull() ? g_seLockFull : g_seLock, 0);
    intervalCounter = kLockInterval;
    lastTarget = target;
    return slot;
}

bool CLockonSystem::IsLocked(int target) const { return CountLocksOn(target) > 0; }

bool CLockonSystem::IsFull() const
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!active[slot] || fired[slot])
            return false;
    }
    return true;
}

bool CLockonSystem::IsFullLock() const
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!active[slot] || targetId[slot] != targetId[0])
            return false;
    }
    return true;
}

int CLockonSystem::FirstFreeSlot() const
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!active[slot])
            return slot;
    }
    return -1;
}

int CLockonSystem::CountLocksOn(int target) const
{
    int count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (active[slot] && targetId[slot] == target)
            ++count;
    }
    return count;
}

void CLockonSystem::CountDown()
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!active[slot] || fired[slot])
            continue;
        timer[slot] -= 1;
        if (timer[slot] < 0)
            ReleaseSlot(slot);
    }
    if (intervalCounter > 0)
        intervalCounter -= 1;
}

void CLockonSystem::ClearSlot(int slot)
{
    active[slot] = 0;
    fired[slot] = 0;
    targetId[slot] = -1;
    timer[slot] = -1;
}

void CLockonSystem::ReleaseSlot(int slot)
{
    ClearSlot(slot);
    for (size_t i = 0; i < g_effectList.size(); ++i) {
        CLockedMarker* marker = AsMarker(g_effectList[i]);
        if (marker != nullptr && marker->slot == slot) {
            marker->Die();
            return;
        }
    }
}

void CLockonSystem::ReleaseSlotIfTarget(int slot, int target)
{
    if (targetId[slot] != target)
        return;
    ClearSlot(slot);
    KillMarkersOf(target);
}

void CLockonSystem::ReleaseTarget(int target)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (targetId[slot] == target)
            ClearSlot(slot);
    }
    KillMarkersOf(target);
}

void CLockonSystem::ReleaseAll()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        ReleaseSlot(slot);
    intervalCounter = 0;
}
