#include "engine/Sprite.h"

#include <algorithm>
#include <cmath>

int g_spriteSerial = 0;

namespace {

const Vec3 kZero{};

bool AllWithin(const Vec3& v, float limit)
{
    return std::fabs(v.x) <= limit && std::fabs(v.y) <= limit && std::fabs(v.z) <= limit;
}

// m × RotationX × RotationY × RotationZ × Translation, multiplied left to right.
Matrix RotateAndPlace(Matrix m, const Vec3& halfTurns, const Vec3& position)
{
    m = MatrixMultiply(m, MatrixRotationX(halfTurns.x * kPi));
    m = MatrixMultiply(m, MatrixRotationY(halfTurns.y * kPi));
    m = MatrixMultiply(m, MatrixRotationZ(halfTurns.z * kPi));
    return MatrixMultiply(m, MatrixTranslation(position.x, position.y, position.z));
}

// Blends a tweened vector with zero tangents; the blend at progress 1 itself is never applied.
void StepTween(Vec3* value, const Vec3& from, const Vec3& to, float step, float* progress)
{
    if (*progress < 0.0f)
        return;
    *value = Vec3Hermite(from, kZero, to, kZero, *progress);
    *progress += step;
    if (*progress >= 1.0f)
        *progress = -1.0f;
}

double TimerRatio(int left, int length) { return length == 0 ? 0.0 : static_cast<double>(left) / length; }

}  // namespace

CSprite::CSprite() : serialId(g_spriteSerial++) {}

CSprite::~CSprite() = default;

bool CSprite::IsStill()
{
    return motionProgress == -1.0f && velocity.x == 0.0f && velocity.y == 0.0f && velocity.z == 0.0f;
}

void CSprite::StopMotion()
{
    motionProgress = -1.0f;
    velocityTweenProgress = -1.0f;
    rotationTweenProgress = -1.0f;
}

void CSprite::SetWait(int frames) { waitFrames = static_cast<unsigned int>(frames); }

void CSprite::OnHit(CSprite*) {}

void CSprite::OnDelayedAction() {}

void CSprite::TickDelayedAction()
{
    if (actionPeriod == 0)
        return;
    actionCounter += 1;
    if (actionPeriod <= actionCounter) {
        OnDelayedAction();
        actionCounter = 0;
        actionPeriod = 0;
    }
}

void CSprite::Push(Vec3* newImpulse, Vec3* newSpin)
{
    if (!pushable)
        return;
    *newSpin = *newSpin * pushFactor;
    StopMotion();
    impulse = *newImpulse;
    spin = spin + *newSpin;
}

void CSprite::Damage(int amount)
{
    hp -= amount;
    if (hp <= 0) {
        hp = 0;
        Die();
    }
}

void CSprite::RestartCountdown() { countdown = countdownFrames; }

void CSprite::Appear()
{
    state = STATE_APPEARING;
    appearLeft = appearFrames;
    if (appearFrames == 0)
        Activate();
}

void CSprite::Activate() { state = STATE_ACTIVE; }

void CSprite::Die()
{
    if (state == STATE_DEAD)
        return;
    // Killed on a path: coast on with the last movement and slow down.
    if (motionProgress != -1.0f) {
        StopMotion();
        velocity = lastMovement;
        SetSlowDown(0.98f);
    }
    state = STATE_DYING;
    dyingLeft = dyingFrames;
    if (dyingFrames == 0)
        Remove();
}

void CSprite::Remove() { state = STATE_DEAD; }

void CSprite::OnStart() {}

void CSprite::OnArrived() {}

void CSprite::SubStep()
{
    if (!noAutoMove)
        SetPosition(position.x + subStepVelocity.x, position.y + subStepVelocity.y, position.z + subStepVelocity.z);
}

void CSprite::OnStopped() {}

void CSprite::OnTopSpeed() {}

void CSprite::Update()
{
    age += 1;
    framePosition = position;
    position = position + impulse;
    DecayPushes();
    if (waitFrames != 0) {
        waitFrames -= 1;
        if (waitFrames == 0)
            OnStart();
    }
    if (waitFrames != 0)
        return;
    RunSpeedChanges();
    RunTimers();
    if (!noAutoMove)
        SetPosition(position.x + velocity.x, position.y + velocity.y, position.z + velocity.z);
    RunTweens();
    RunMotion();
    TestOffView();
    lastMovement = position - framePosition;
}

void CSprite::DecayPushes()
{
    impulse = impulse * 0.95f;
    if (AllWithin(impulse, 0.01f))
        impulse = {};
    spin = spin * 0.97f;
    if (AllWithin(spin, 0.001f))
        spin = {};
}

void CSprite::RunSpeedChanges()
{
    if (slowDown > 0.0f) {
        SetVelocitySteps(velocity.x * slowDown, velocity.y * slowDown, velocity.z * slowDown, subSteps);
        if (AllWithin(velocity, 0.01f)) {
            SetVelocitySteps(0.0f, 0.0f, 0.0f, subSteps);
            slowDown = 0.0f;
            OnStopped();
        }
    }
    if (speedUp > 0.0f) {
        SetVelocitySteps(velocity.x * speedUp, velocity.y * speedUp, velocity.z * speedUp, subSteps);
        if (Vec3Length(velocity) >= topSpeed) {
            speedUp = 0.0f;
            topSpeed = 0.0f;
            OnTopSpeed();
        }
    }
}

// Each test reads the state as the previous one left it.
void CSprite::RunTimers()
{
    if (state == STATE_DYING && dyingLeft != 0 && dyingFrames != 0) {
        dyingLeft -= 1;
        if (dyingLeft == 0)
            Remove();
    }
    if (state == STATE_ACTIVE && lifeLeft != 0 && lifeFrames != 0) {
        lifeLeft -= 1;
        if (lifeLeft == 0)
            Die();
    }
    if (state == STATE_APPEARING && appearLeft != 0 && appearFrames != 0) {
        appearLeft -= 1;
        if (appearLeft == 0)
            Activate();
    }
    if (countdown != 0 && countdownFrames != 0)
        countdown -= 1;
}

void CSprite::RunTweens()
{
    StepTween(&velocity, velocityFrom, velocityTo, velocityTweenStep, &velocityTweenProgress);
    StepTween(&rotation, rotationFrom, rotationTo, rotationTweenStep, &rotationTweenProgress);
}

void CSprite::RunMotion()
{
    if (motionProgress < 0.0f)
        return;
    const float t = motionProgress;
    if (motionMode == MOTION_HERMITE) {
        position = Vec3Hermite(motionStart, startTangent, motionEnd, endTangent, t);
    } else {
        const float u = 1.0f - t;
        position = motionEnd * (t * t) + controlPoint * (2.0f * t * u) + motionStart * (u * u);
        EaseBezierStep(t);
    }
    // Also after easing gave up (-1.0): the progress stays negative and the motion is over.
    motionProgress += motionStep;
    if (motionProgress >= 1.0f) {
        motionProgress = -1.0f;
        position = motionEnd;
        OnArrived();
    }
}

void CSprite::EaseBezierStep(float t)
{
    float easeOutFrom;
    switch (motionMode) {
    case 0:
        if (t <= 0.3f) {
            motionStep *= 1.03f;
            if (topStep <= motionStep)
                motionStep = topStep;
            return;
        }
        easeOutFrom = 0.7f;
        break;
    case 1:
        easeOutFrom = 0.7f;
        break;
    case 3:
        easeOutFrom = 0.45f;
        break;
    default:
        return;
    }
    if (t >= easeOutFrom) {
        motionStep *= 0.97f;
        if (motionStep <= 0.0001f)
            motionProgress = -1.0f;
    }
}

void CSprite::TestOffView()
{
    if (!dieOffView || state == STATE_DYING)
        return;
    const float margin = narrowMargin ? 1.0f : 5.0f;
    const float bound = position.z / 40.0f * 20.0f + 5.0f + margin;
    if (position.x > bound || position.x < -bound || position.y > bound || position.y < -bound ||
        position.z > 40.0f || position.z < -10.0f) {
        leftView = true;
        Die();
    }
}

bool CSprite::IsWaiting() { return waitFrames > 0; }

void CSprite::Draw() {}

void CSprite::Translate(float dx, float dy, float dz) { position = position + Vec3{dx, dy, dz}; }

void CSprite::SetVelocitySteps(float x, float y, float z, int steps)
{
    velocity = {x, y, z};
    velocityTweenProgress = -1.0f;
    subSteps = steps;
    if (steps >= 2)
        subStepVelocity = {x / steps, y / steps, z / steps};
}

void CSprite::SetVelocity(float x, float y, float z)
{
    velocity = {x, y, z};
    velocityTweenProgress = -1.0f;
    subSteps = 1;
}

void CSprite::SetVelocityVector(const Vec3* v) { SetVelocity(v->x, v->y, v->z); }

void CSprite::TweenVelocity(float x, float y, float z, float step)
{
    velocityTo = {x, y, z};
    velocityFrom = velocity;
    velocityTweenProgress = 0.0f;
    velocityTweenStep = step;
}

void CSprite::MoveCurve2(float ex, float ey, float ez, float cx, float cy, float cz, float top, int mode)
{
    MoveCurve(ex, ey, ez, cx, cy, cz, top, mode);
}

void CSprite::MoveHermite(float ex, float ey, float ez, float etx, float ety, float etz, float stx, float sty,
                          float stz, float step)
{
    motionEnd = {ex, ey, ez};
    endTangent = {etx, ety, etz};
    startTangent = {stx, sty, stz};
    motionStart = position;
    motionProgress = 0.0f;
    motionStep = step;
    motionMode = MOTION_HERMITE;
}

void CSprite::MoveHermiteVectors(const Vec3* end, const Vec3* endTan, const Vec3* startTan, float step)
{
    MoveHermite(end->x, end->y, end->z, endTan->x, endTan->y, endTan->z, startTan->x, startTan->y, startTan->z, step);
}

void CSprite::MoveTo(float x, float y, float z, float step)
{
    motionEnd = {x, y, z};
    endTangent = {};
    startTangent = {};
    motionStart = position;
    motionProgress = 0.0f;
    motionStep = step;
    motionMode = MOTION_HERMITE;
}

void CSprite::MoveToVector(const Vec3* end, float step) { MoveTo(end->x, end->y, end->z, step); }

void CSprite::MoveCurve(float ex, float ey, float ez, float cx, float cy, float cz, float top, int mode)
{
    motionEnd = {ex, ey, ez};
    controlPoint = {cx, cy, cz};
    motionStart = position;
    motionMode = mode;
    motionProgress = 0.0f;
    topStep = top;
    motionStep = mode == 0 ? top * 0.25f : top;
}

void CSprite::SetPositionVector(const Vec3* p) { SetPosition(p->x, p->y, p->z); }

void CSprite::SetPosition(float x, float y, float z) { position = {x, y, z}; }

void CSprite::TweenRotation(float x, float y, float z, float step)
{
    rotationTo = {x, y, z};
    rotationFrom = rotation;
    rotationTweenProgress = 0.0f;
    rotationTweenStep = step;
}

void CSprite::SetRotation(float x, float y, float z)
{
    rotation = {x, y, z};
    rotationTweenProgress = -1.0f;
}

void CSprite::GetWorldMatrixEx(Matrix* out, float rx, float ry, float rz, float ox, float oy, float oz)
{
    const Vec3 angles{rx + rotation.x + spin.x, ry + rotation.y + spin.y, rz + rotation.z + spin.z};
    scratchMatrix = RotateAndPlace(MatrixTranslation(ox, oy, oz), angles, position);
    *out = scratchMatrix;
}

void CSprite::GetWorldMatrix(Matrix* out)
{
    scratchMatrix = RotateAndPlace(MatrixIdentity(), rotation + spin, position);
    *out = scratchMatrix;
}

void CSprite::ComputeWorldMatrix(Matrix* out, float ox, float oy, float oz)
{
    GetWorldMatrixEx(out, 0.0f, 0.0f, 0.0f, ox, oy, oz);
}

void CSprite::SetWait2(int frames) { waitFrames = static_cast<unsigned int>(frames); }

void CSprite::SetSlowDown(float factor)
{
    slowDown = factor;
    speedUp = 0.0f;
}

void CSprite::SetSpeedUp(float factor, float top)
{
    speedUp = factor;
    topSpeed = top;
    slowDown = 0.0f;
}

double CSprite::DyingRatio() { return TimerRatio(dyingLeft, dyingFrames); }

double CSprite::LifeRatio() { return TimerRatio(lifeLeft, lifeFrames); }

double CSprite::AppearRatio() { return TimerRatio(appearLeft, appearFrames); }

bool CSprite::IsPushed() { return impulse.x != 0.0f || impulse.y != 0.0f || impulse.z != 0.0f; }

bool CSprite::IsInView()
{
    const float bound = position.z / 40.0f * 20.0f + 5.0f;
    return -bound <= position.x && position.x <= bound && -bound <= position.y && position.y <= bound &&
           -10.0f <= position.z && position.z <= 40.0f;
}

bool HitTest(CSprite* a, CSprite* b)
{
    if (a->state != STATE_ACTIVE || b->state != STATE_ACTIVE)
        return false;
    const Vec3 d = a->position - b->position;
    const float distance = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    return distance <= std::max(a->hitRadius, b->hitRadius);
}
