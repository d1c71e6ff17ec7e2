#include "actors/enemies/EnemyCommon.h"
#include "actors/enemies/SmallEnemies.h"

#include "engine/AssetLists.h"
#include "engine/Random.h"
#include "engine/VectorHelpers.h"

namespace {

const Vec3 kEnemy2Points[3] = {{-10.0f, -10.0f, 10.0f}, {2.0f, 2.0f, 0.0f}, {-10.0f, 10.0f, 0.0f}};
const Vec3 kEnemy2Tangents[3] = {{}, {75.0f, 0.0f, 20.0f}, {}};
const Vec3 kEnemy3Points[3] = {{-6.5f, -12.0f, 10.0f}, {-3.0f, 3.0f, 0.0f}, {-7.5f, -6.0f, 0.0f}};
const Vec3 kEnemy3Tangents[3] = {{}, {0.0f, 100.0f, 0.0f}, {}};
const Vec3 kNoTangents[3] = {};

// Depth 5 .. 20; the rise starts and ends just beyond the view's half-height there.
struct FarRise {
    Vec3 points[3];
};

FarRise DrawFarRise()
{
    const float depthDraw = RandomFloat();
    const float depth = static_cast<float>(static_cast<int>(15.0f * depthDraw + 5.0f));
    const float h = depth / 40.0f * 20.0f + 5.0f + 5.0f;
    return FarRise{{{0.0f, -h, depth}, {0.0f, h, depth}, {-2.0f, -12.0f, 0.0f}}};
}

}  // namespace

CEnemy2::CEnemy2(int type, float angle, const Vec3* offset)
    : CEnemy2(type, angle, offset, kEnemy2Points, kEnemy2Tangents, g_modelArmouredEnemy)
{
    SetPhase(0);
}

CEnemy2::CEnemy2(int type, float angle, const Vec3* offset, const Vec3 (&pathPoints)[3],
                 const Vec3 (&pathTangents)[3], int model)
    : type(type)
    , points{pathPoints[0], pathPoints[1], pathPoints[2]}
    , tangents{pathTangents[0], pathTangents[1], pathTangents[2]}
    , model(model)
{
    PlacePath(points, tangents, 3, angle, offset);
    hitRadius = 0.3f;
    hp = maxHp = 1;
    score = 100;
    iconTexture = g_texIconEnemy;
}

CEnemy2::~CEnemy2() = default;

void CEnemy2::SetPhase(int newPhase)
{
    phase = newPhase;
    switch (phase) {
    case 0:
        SetPositionVector(&points[0]);
        MoveHermiteVectors(&points[1], &g_zeroVector, &tangents[1], 1.0f / 180.0f);
        break;
    case 1:
        hoverCountdown = 120;
        break;
    case 2:
        MoveHermiteVectors(&points[2], &g_zeroVector, &tangents[2], 1.0f / 180.0f);
        break;
    default:
        break;
    }
}

void CEnemy2::OnArrived()
{
    CEnemy::OnArrived();
    if (phase == 0) {
        SetPhase(1);
    } else if (phase == 2) {
        leftView = true;
        Die();
    }
}

// Hovering: fires at random, seen or not, until the countdown runs out.
void CEnemy2::Update()
{
    CEnemy::Update();
    if (phase != 1)
        return;
    const int fireDraw = RandomInt(static_cast<uint32_t>(ByDifficulty(90, 60)));
    if (fireDraw == 0)
        FireAlongFacing(this);
    hoverCountdown -= 1;
    if (hoverCountdown <= 0)
        SetPhase(2);
}

void CEnemy2::Draw()
{
    CEnemy::Draw();
    DrawEnemyModel(this, model, 0);
}

void CEnemy2::Remove()
{
    CSprite::Remove();
    Explode();
}

CEnemy3::CEnemy3(int type, float angle, const Vec3* offset)
    : CEnemy2(type, angle, offset, kEnemy3Points, kEnemy3Tangents, g_modelArmouredEnemy)
{
    SetPhase(0);
}

CEnemy3::~CEnemy3() = default;

CEnemy4::CEnemy4(int type, float angle, const Vec3* offset)
    : CEnemy2(type, angle, offset, DrawFarRise().points, kNoTangents, g_modelSmallEnemy)
{
    SetPositionVector(&points[0]);
    facePlayer = false;
    SetPhase(0);
}

CEnemy4::~CEnemy4() = default;

// The second leg fires for as long as it lasts.
void CEnemy4::SetPhase(int newPhase)
{
    phase = newPhase;
    if (phase == 0) {
        MoveHermiteVectors(&points[1], &tangents[1], &tangents[0], 1.0f / 360.0f);
    } else if (phase == 1) {
        hoverCountdown = 240;
        MoveHermiteVectors(&points[2], &tangents[3], &tangents[2], 1.0f / 240.0f);
    }
}

void CEnemy4::OnArrived()
{
    CEnemy::OnArrived();
    if (phase == 0 && type != 0) {
        SetPhase(1);
    } else if (phase == 0 || phase == 2 || phase == 255) {
        leftView = true;
        Die();
    }
}

void CEnemy4::Leave()
{
    CEnemy::Leave();
    SetPhase(255);
}
