#include "actors/enemies/SmallEnemies.h"

#include "engine/ObjectLists.h"
#include "engine/Random.h"

namespace {

void SpawnEnemy0Offsets(float angle, float first, float second, float third)
{
    for (float x : {first, second, third}) {
        const Vec3 offset{x, 0.0f, 0.0f};
        g_enemyList.push_back(new CEnemy0(angle, &offset));
    }
}

// y is drawn before x.
void SpawnEnemy1At(float span, int score)
{
    const float yDraw = RandomFloat();
    const float y = span * yDraw - span / 2.0f;
    const float xDraw = RandomFloat();
    const float x = span * xDraw - span / 2.0f;
    auto* enemy = new CEnemy1(0, x, y, 0.0f);
    enemy->score = score;
    g_enemyList.push_back(enemy);
}

}  // namespace

void SpawnEnemy0Row(float angle) { SpawnEnemy0Offsets(angle, -2.0f, -1.0f, -3.0f); }

void SpawnEnemy0RowMirrored(float angle) { SpawnEnemy0Offsets(angle, 2.0f, 3.0f, 1.0f); }

void SpawnEnemy1Random() { SpawnEnemy1At(8.0f, 0); }

void SpawnEnemy1RandomWide() { SpawnEnemy1At(10.0f, 100); }

void SpawnEnemy2Row()
{
    const float angleDraw = RandomFloat();
    const float angle = 2.0f * angleDraw;
    for (int i = 0; i < 4; ++i) {
        const Vec3 offset{0.0f, 0.5f * static_cast<float>(i), 0.0f};
        auto* enemy = new CEnemy2(1, angle, &offset);
        enemy->SetWait(10 * i);
        g_enemyList.push_back(enemy);
    }
}
