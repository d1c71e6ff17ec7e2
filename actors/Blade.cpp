#include "actors/Blade.h"

#include "actors/InvisibleCollision.h"
#include "actors/RectangleShadow.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr float kAngleStep = 0.1f;
constexpr float kVolumeRadius = 0.5f;
constexpr int kVolumePower = 60;
constexpr int kAfterImageFrames = 60;

struct SwingShape {
    float startOffset, endOffset;
    Vec3 impulse, spin;
};

// By [half sign is 1][sweep sign is -1].
const SwingShape kSwings[2][2] = {
    {{0.25f, -0.75f, {0.06f, -0.09f, 0.0f}, {0.2f, 0.0f, 0.0f}},
     {-0.25f, 0.75f, {-0.06f, -0.09f, 0.0f}, {0.2f, 0.0f, 0.0f}}},
    {{0.75f, -0.25f, {0.06f, 0.09f, 0.0f}, {-0.2f, 0.0f, 0.0f}},
     {-0.75f, 0.25f, {-0.06f, 0.09f, 0.0f}, {-0.2f, 0.0f, 0.0f}}},
};

}  // namespace

CBlade::CBlade()
{
    faceCount = 2;
    vertexCount = 4;
    materialCount = 1;
}

CBlade::~CBlade() = default;

void CBlade::StartSwing(int sweep, int half, float startRoll)
{
    tip = position;
    previousTip = position;
    previousPosition = position;
    sweepSign = sweep;
    halfSign = half;
    roll = startRoll;
    const SwingShape& shape = kSwings[half == 1 ? 1 : 0][sweep == -1 ? 1 : 0];
    angle = startRoll + shape.startOffset;
    endAngle = startRoll + shape.endOffset;
    hitImpulse = shape.impulse;
    hitSpin = shape.spin;
    RotateZ(&hitImpulse, startRoll);
    RotateZ(&hitSpin, startRoll);
    active = true;
    hitFlag = false;
}

void CBlade::EndSwing() { active = false; }

// The blade is drawn here rather than in Draw, so a frozen frame does not show it.
void CBlade::Update()
{
    if (active) {
        StepAngle();
        LeaveHitVolumes();
        const Vec2 reach{0.0f, length};
        Vec3 offset;
        Rotate2D(&offset, &reach, angle);
        tip = position + offset;
        LeaveAfterImage();
        DrawBlade();
    }
    CSprite::Update();
}

// The step that reaches the end angle still cuts and draws.
void CBlade::StepAngle()
{
    if (sweepSign == -1) {
        angle += kAngleStep;
        if (endAngle <= angle)
            EndSwing();
    } else {
        angle -= kAngleStep;
        if (angle <= endAngle)
            EndSwing();
    }
}

void CBlade::LeaveHitVolumes()
{
    for (int i = 1; i <= 3; ++i) {
        const Vec2 along{0.0f, static_cast<float>(i) / 3.0f * length};
        Vec3 offset;
        Rotate2D(&offset, &along, angle);
        if (!hitFlag) {
            const Vec3 at = position + offset;
            CInvisibleCollision* volume = new CInvisibleCollision(at.x, at.y, at.z, kVolumeRadius, kVolumePower);
            volume->mode = COLLISION_BLADE;
            volume->impulse = hitImpulse;
            volume->spin = hitSpin;
            g_playerAttackList.push_back(volume);
        }
        RandomFloat();  // unused; keeps the random sequence in step
    }
}

void CBlade::LeaveAfterImage()
{
    const Vec3 corners[4] = {position, previousPosition, tip, previousTip};
    g_effectList.push_back(new CRectangleShadow(corners, 0.5f, 0.5f, 0.5f, 1.0f, kAfterImageFrames));
    previousTip = tip;
    previousPosition = position;
}

// A 0.4-wide quad from the root outwards.
void CBlade::DrawBlade()
{
    const Vec2 quad[4] = {{-0.2f, 0.0f}, {0.2f, 0.0f}, {-0.2f, 2.0f}, {0.2f, 2.0f}};
    Vec3 corners[4];
    for (int i = 0; i < 4; ++i)
        Rotate2D(&corners[i], &quad[i], angle);
    Matrix world;
    GetWorldMatrix(&world);
    g_graphics->SetZBuffer(0);
    g_graphics->DrawTexturedQuad3D(g_texBlade, corners, 1.0f, world);
}
