// The player ship. It is in no object list: the frame pass updates and draws
// it directly. It owns its reticle and blade (which also live in
// g_playerAttackList) and its aura sprite (which lives nowhere else).
//
// Player.cpp holds the ship itself (movement, lives, score, drawing),
// PlayerWeapons.cpp the shot, ray and blade, PlayerSpecials.cpp the specials
// and their gauge.
#pragma once

#include "engine/Sprite.h"
#include "engine/VectorMath.h"

class CBlade;
class CLockOnSite;

// Four score thresholds, each awarding one extra ship once.
struct ExtendTable {
    static constexpr int kCount = 4;

    void Init();
    // Awards the first threshold reached and not yet awarded: at most one per call.
    bool Check(int score);

    int thresholds[kCount];
    bool awarded[kCount];
};

class CPlayer : public CSprite {
public:
    static constexpr int kSpecialCost = 1000;
    static constexpr int kAuraFrames = 60 * 6;

    CPlayer();

    void Die() override;
    void Remove() override;
    void OnArrived() override;
    void Update() override;
    void Draw() override;
    void Translate(float dx, float dy, float dz) override;
    void SetPosition(float x, float y, float z) override;
    ~CPlayer() override;

    // The order of these operations is the order of the virtual table.
    virtual bool CanReloadBlade();
    virtual bool CanReloadShot();
    virtual bool CanReloadRay();
    virtual bool CanRay();
    virtual bool CanBlade();
    virtual void StartBlade();
    virtual void EndBlade();
    virtual void SetShotBurst(int n);
    virtual void MoveSite(float d);
    virtual void SetRoll(float angle);
    virtual void RotateRoll(float d);
    virtual void SetAutoLevel(bool on);
    virtual void SetOnEntryPath(bool on);
    virtual void UpdateTransform();
    virtual void Steer(float dx, float dy);
    virtual bool CanShoot();
    virtual void Shoot();
    virtual void StartFlare();
    virtual void Reset();
    virtual void ResetWeapons();
    virtual void EnableControl();
    virtual void DisableControl();

    // The ship itself.
    void ClampToField();
    bool IsControllable();
    void Dash(float x, float y);
    void AddScore(int n);
    void AddKills(int n);
    bool IsInvulnerable();
    void Respawn();

    // Weapons.
    void UseShotAmmo(int n);
    void ShotClick();
    void RefillShot();
    void ReloadShot();
    void FireRay();
    void RayClick();
    void RefillRay();
    void ReloadRay();
    void AddBladeEnergy(int n);
    void UseBladeEnergy(int n);
    void RefillBlade();
    void ReloadBlade();
    void PlayBladeReloadSound();

    // Specials and the aura.
    void AddSpecialGauge(int n);
    bool CanRaySpecial();
    bool CanShotSpecial();
    bool CanBladeSpecial();
    void ArmRaySpecial(int frames);
    void ArmShotSpecial(int frames);
    void ArmBladeSpecial(int frames);
    void RaySpecial();
    void ShotSpecial();
    void StartMuzzleFlash(int frames);
    void StartAura();
    void StopAura();
    bool HasAura();

    bool flareActive = false;
    int flareStep = 0;
    int flareFramesLeft = 0, flareFramesTotal = 0;
    float flareSize = 0.0f;
    int lastShotFrame = 0;
    // Eased stick values in the ship's own frame; they only tilt the drawn ship.
    float forwardSpeed = 0.0f;
    float sideSpeed = 0.0f;
    ExtendTable extendTable;
    CLockOnSite* reticle = nullptr;
    float reticleDistance = 4.0f;
    int burstCounter = 0;
    // The last stick directions in the ship's frame, handed to the blade swing.
    int bladeSweepSign = 1;
    int bladeHalfSign = 1;
    int raySpecialCountdown = 0, shotSpecialCountdown = 0, bladeSpecialCountdown = 0;
    CBlade* blade = nullptr;
    // Set by the frame pass when the aura cancelled a shot; Draw shows and clears it.
    bool auraHit = false;
    int auraTimer = 0;
    bool gaugeCharging = false;
    CSprite* aura = nullptr;
    bool shotEnabled = true, rayEnabled = true, bladeEnabled = true;
    int muzzleFlashFrames = 0;
    float roll = 0.0f;
    int score = 0;
    int resultsCount = 0;
    int killCount = 0;
    int specialGauge = 3000;
    int specialGaugeMax = 3000;
    bool automaticReload = false;
    int lives = 0;
    bool controlEnabled = false;
    bool onEntryPath = false;
    bool levelling = false;
    int shotCapacity = 512, rayCapacity = 64;
    int shotAmmo = 512, rayAmmo = 64;
    int bladeReloadTimer = 0;
    // One timer for the shot and the ray.
    int reloadTimer = 0;
    int bladeEnergyMax = 256;
    int bladeEnergy = 256;
    float bladeGauge = 1.0f;

private:
    void RunSpecialCountdowns();
    void LevelRoll();
    void EmitAuraSmoke();
    void PlayAtShip(int sound);
    // The empty sound when out of ammunition, else the refusal while reloading.
    void Click(int ammo, int emptySound);
    void EjectMagazine(int reloadSound);
    void DrawShip();
    void DrawAuraFlash();
    void DrawMuzzleFlash();
    void DrawFlare();
};
