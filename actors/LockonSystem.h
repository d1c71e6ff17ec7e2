// The ray weapon's lock slots: eight locks with their lapse timers, the lock
// interval that paces repeated locks, and the score multipliers of the lasers
// fired from them. Targets are enemies' serial ids, never pointers.
#pragma once

#include "engine/Sprite.h"

// Frames an unfired lock lasts.
constexpr int kLockTime = 360;
// Frames after a lock during which the same or an already locked target is refused (0.2 s).
constexpr int kLockInterval = 12;

class CLockonSystem : public CSprite {
public:
    static constexpr int kSlotCount = 8;

    CLockonSystem();
    ~CLockonSystem() override;

    // The slot taken, or -1 when refused.
    int Lock(int target);
    bool IsLocked(int target) const;
    // All slots hold a lock and none has been fired yet.
    bool IsFull() const;
    // All slots hold one and the same target, fired or not.
    bool IsFullLock() const;
    int FirstFreeSlot() const;
    int CountLocksOn(int target) const;
    // Once per frame: unfired locks run down, then the lock interval.
    void CountDown();
    void ReleaseSlot(int slot);
    // Frees the slot only while it still holds target (a laser dying).
    void ReleaseSlotIfTarget(int slot, int target);
    // Frees every slot on target (the enemy died).
    void ReleaseTarget(int target);
    void ReleaseAll();

    int multiplierTable[kSlotCount] = {4, 8, 16, 32, 64, 64, 64, 64};
    int targetId[kSlotCount];
    int timer[kSlotCount];
    int active[kSlotCount];
    int fired[kSlotCount];
    int intervalCounter = 0;
    int lastTarget = -1;

private:
    void ClearSlot(int slot);
};
