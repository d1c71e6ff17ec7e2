#include "game/ControlMapping.h"

#include "actors/Player.h"
#include "engine/AssetLists.h"
#include "engine/InputControler.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "game/Freeze.h"

namespace {

constexpr float kMoveSpeed = 0.09f;
constexpr float kRollStep = 0.02f;
constexpr float kSiteStep = 0.15f;
// A special's hit-stop: three quarters of a second.
const int kSpecialFreezeFrames = static_cast<int>(60 * 0.75);

struct Buttons {
    const InputState& now;
    const InputState& before;

    bool Centred() const { return now.x == 0.0f && now.y == 0.0f; }
    static bool Fresh(uint8_t current, uint8_t previous) { return current && !previous; }
};

void Refuse() { g_sound->Play(g_seRefused, 0); }

void StartSpecial()
{
    g_player->AddSpecialGauge(-CPlayer::kSpecialCost);
    g_sound->Play(g_seSpecial, 0);
    SetFreeze(kSpecialFreezeFrames, nullptr);
}

void ReloadAutomatically()
{
    if (!g_player->automaticReload)
        return;
    if (g_player->shotAmmo == 0)
        g_player->ReloadShot();
    if (g_player->rayAmmo == 0)
        g_player->ReloadRay();
    if (g_player->bladeGauge <= 0.5f)
        g_player->ReloadBlade();
}

void RollOrMoveSite(const InputState& now)
{
    if (!now.reload) {
        if (now.leftroll)
            g_player->RotateRoll(kRollStep);
        else if (now.rightroll)
            g_player->RotateRoll(-kRollStep);
        return;
    }
    if (!now.leftroll && !now.rightroll)
        return;
    if (now.y > 0.0f)
        g_player->MoveSite(kSiteStep);
    else if (now.y < 0.0f)
        g_player->MoveSite(-kSiteStep);
}

// True when a special started.
bool TrySpecial(const Buttons& b)
{
    if (!b.Centred() || !b.now.dash)
        return false;
    if (b.now.ray && g_player->CanRaySpecial()) {
        StartSpecial();
        g_player->ArmRaySpecial(1);
        return true;
    }
    if (b.now.shot && g_player->CanShotSpecial()) {
        StartSpecial();
        g_player->ArmShotSpecial(1);
        return true;
    }
    if (b.now.blade && g_player->CanBladeSpecial()) {
        StartSpecial();
        g_player->ArmBladeSpecial(1);
        return true;
    }
    return false;
}

void UseWeapons(const Buttons& b)
{
    if (!b.now.shot) {
        g_player->SetShotBurst(0);
    } else {
        if (Buttons::Fresh(b.now.shot, b.before.shot))
            g_player->ShotClick();
        if (g_player->CanShoot())
            g_player->Shoot();
    }
    if (Buttons::Fresh(b.now.ray, b.before.ray)) {
        g_player->RayClick();
        if (g_player->CanRay())
            g_player->FireRay();
    }
    if (!b.now.shot && Buttons::Fresh(b.now.blade, b.before.blade)) {
        if (g_player->CanBlade())
            g_player->StartBlade();
        else
            Refuse();
    }
    if (!b.now.blade && b.before.blade)
        g_player->EndBlade();
}

void ReloadByHand(const Buttons& b)
{
    if (Buttons::Fresh(b.now.shot, b.before.shot)) {
        if (g_player->CanReloadShot())
            g_player->ReloadShot();
        else
            Refuse();
    } else if (Buttons::Fresh(b.now.ray, b.before.ray)) {
        if (g_player->CanReloadRay())
            g_player->ReloadRay();
        else
            Refuse();
    } else if (Buttons::Fresh(b.now.blade, b.before.blade)) {
        if (g_player->CanReloadBlade())
            g_player->ReloadBlade();
        else
            Refuse();
    }
}

}  // namespace

void ApplyPlayerControls()
{
    if (g_controlLocked || !g_player->IsControllable()) {
        g_player->Steer(0.0f, 0.0f);
        return;
    }
    const Buttons b{g_input->current, g_input->previous};
    g_player->Translate(b.now.x * kMoveSpeed, b.now.y * kMoveSpeed, 0.0f);
    ReloadAutomatically();
    if (Buttons::Fresh(b.now.dash, b.before.dash) && !b.Centred())
        g_player->Dash(b.now.x, b.now.y);
    RollOrMoveSite(b.now);
    if (b.now.blade && b.before.blade && Buttons::Fresh(b.now.reload, b.before.reload))
        g_player->PlayBladeReloadSound();
    if (TrySpecial(b))
        return;
    if (!b.now.reload)
        UseWeapons(b);
    else
        ReloadByHand(b);
}
