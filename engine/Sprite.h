// The base of every game object that lives in the object lists: position,
// velocity, pushes, timers, tweens, curve motions, the off-view test and the
// values the collision pass uses. Everything counts in frames; angles are
// half-turns (1.0 = 180 degrees).
#pragma once

#include "engine/VectorMath.h"

constexpr int STATE_APPEARING = -1;
constexpr int STATE_ACTIVE = 0;
constexpr int STATE_DYING = 1;
constexpr int STATE_DEAD = 2;

// Motion modes: 0..3 ease a quadratic Bezier, 64 runs a cubic Hermite.
constexpr int MOTION_HERMITE = 64;

// Serial id of the next sprite constructed; never reset.
extern int g_spriteSerial;

class CSprite {
public:
    CSprite();

    // The order of these operations is the order of the virtual table.
    virtual bool IsStill();
    virtual void StopMotion();
    virtual void SetWait(int frames);
    virtual void OnHit(CSprite* target);
    virtual void OnDelayedAction();
    virtual void TickDelayedAction();
    virtual void Push(Vec3* impulse, Vec3* spin);
    virtual void Damage(int amount);
    virtual void RestartCountdown();
    virtual void Appear();
    virtual void Activate();
    virtual void Die();
    virtual void Remove();
    virtual void OnStart();
    virtual void OnArrived();
    virtual void SubStep();
    virtual void OnStopped();
    virtual void OnTopSpeed();
    virtual void Update();
    virtual bool IsWaiting();
    virtual void Draw();
    virtual void Translate(float dx, float dy, float dz);
    virtual void SetVelocitySteps(float x, float y, float z, int steps);
    virtual void SetVelocity(float x, float y, float z);
    virtual void SetVelocityVector(const Vec3* v);
    virtual void TweenVelocity(float x, float y, float z, float step);
    virtual void MoveCurve2(float ex, float ey, float ez, float cx, float cy, float cz, float topStep, int mode);
    virtual void MoveHermite(float ex, float ey, float ez, float etx, float ety, float etz, float stx, float sty,
                             float stz, float step);
    virtual void MoveHermiteVectors(const Vec3* end, const Vec3* endTangent, const Vec3* startTangent, float step);
    virtual void MoveTo(float x, float y, float z, float step);
    virtual void MoveToVector(const Vec3* end, float step);
    virtual void MoveCurve(float ex, float ey, float ez, float cx, float cy, float cz, float topStep, int mode);
    virtual void SetPositionVector(const Vec3* p);
    virtual void SetPosition(float x, float y, float z);
    virtual void TweenRotation(float x, float y, float z, float step);
    virtual void SetRotation(float x, float y, float z);
    virtual void GetWorldMatrixEx(Matrix* out, float rx, float ry, float rz, float ox, float oy, float oz);
    virtual void GetWorldMatrix(Matrix* out);
    virtual void SetWait2(int frames);
    virtual void SetSlowDown(float factor);
    virtual void SetSpeedUp(float factor, float top);
    virtual double DyingRatio();
    virtual double LifeRatio();
    virtual double AppearRatio();
    virtual bool IsPushed();
    virtual bool IsInView();
    virtual ~CSprite();

    // The world matrix of a point at a local offset that turns with the sprite.
    void ComputeWorldMatrix(Matrix* out, float ox, float oy, float oz);

    // The world matrix is built in it.
    Matrix scratchMatrix = MatrixIdentity();
    float pushFactor = 1.0f;
    Vec3 framePosition;
    Vec3 lastMovement;
    int age = 0;
    float slowDown = 0.0f;
    float speedUp = 0.0f;
    float topSpeed = 0.0f;
    unsigned int waitFrames = 0;
    int lifeLeft = 0, lifeFrames = 0;
    int dyingLeft = 0, dyingFrames = 0;
    int appearLeft = 0, appearFrames = 0;
    int countdown = 0, countdownFrames = 0;
    int actionCounter = 0, actionPeriod = 0;
    bool pushable = true;
    bool leftView = false;
    bool dieOffView = false;
    bool narrowMargin = false;
    int iconTexture = -1;
    Vec3 position;
    Vec3 motionEnd;
    Vec3 endTangent;
    Vec3 controlPoint;
    Vec3 motionStart;
    Vec3 startTangent;
    float topStep = 0.0f;
    float motionStep = 0.0f;
    float motionProgress = -1.0f;
    int motionMode = 0;
    Vec3 velocity;
    Vec3 velocityFrom, velocityTo;
    float velocityTweenStep = 0.0f;
    float velocityTweenProgress = -1.0f;
    Vec3 rotation;
    Vec3 rotationFrom, rotationTo;
    float rotationTweenStep = 0.0f;
    float rotationTweenProgress = -1.0f;
    bool noAutoMove = false;
    int state = STATE_ACTIVE;
    int faceCount = 0, vertexCount = 0, materialCount = 0;
    float hitRadius = 0.0f;
    int power = 0;
    int hp = 0;
    int maxHp = 0;
    int score = 0;
    int serialId;
    Vec3 subStepVelocity;
    int subSteps = 1;
    Vec3 impulse;
    Vec3 spin;
    Vec3 facing;

private:
    void DecayPushes();
    void RunSpeedChanges();
    void RunTimers();
    void RunTweens();
    void RunMotion();
    void EaseBezierStep(float t);
    void TestOffView();
};

// Both active and their centres no farther apart than the larger hit radius.
bool HitTest(CSprite* a, CSprite* b);
