#include "actors/enemies/Beam.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

using BeamTest = EnemiesFixture;

// Nothing in play fires them.
TEST_F(BeamTest, AimedFactoriesPointAtThePlayerAtTheirWidths)
{
    g_targetPosition = {1.0f, -4.0f, 0.0f};
    CreateBeamAimed(1.0f, 2.0f, 0.0f);
    CreateWideBeamAimed(1.0f, 2.0f, 0.0f);
    for (CSprite* beam : g_effectList)
        beam->Draw();
    ASSERT_EQ(g_enemyShotList.size(), 40u);
    ExpectNear(g_enemyShotList[1]->position, {1.0f, 1.5f, 0.0f});
    ExpectNear(g_enemyShotList[21]->position, {1.0f, 0.5f, 0.0f});
}

}  // namespace
