#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "tests/actors/TileMesh.h"
#include "tests/enemies/EnemiesFixture.h"

#include <map>

namespace {

class EnemyDrawingTest : public EnemiesFixture {
protected:
    EnemyDrawingTest()
    {
        for (auto [handle, name] : {std::pair{&g_modelSmallEnemy, "#103"}, std::pair{&g_modelArmouredEnemy, "#106"}}) {
            resources.AddText("MODEL", name, kTileMesh);
            world.graphics.LoadMesh(handle, name, "MODEL");
            world.graphics.DrawMesh(*handle, kIdentityMatrix);
            meshes[handle] = device.draws.back().mesh;
        }
        warning = LoadPicture(&g_texWarning, "#185");
        LoadPicture(&g_texIconEnemy, "#316");
    }

    ~EnemyDrawingTest() override { g_modelSmallEnemy = g_modelArmouredEnemy = -1; }

    // What it draws, from states set the other way.
    const std::vector<RecordedDraw>& Drawn(CEnemy* enemy, bool fog)
    {
        world.graphics.SetCulling(0);
        world.graphics.SetFog(fog ? 0 : 1);
        world.graphics.SetZBuffer(0);
        device.ClearRecord();
        enemy->Draw();
        return device.draws;
    }

    std::map<int*, MeshId> meshes;
    TextureId warning = kNoTexture;
};

// The kinds no scene spawns.
TEST_F(EnemyDrawingTest, EachKindDrawsItsModelWithItsFogAndNamesItsMarker)
{
    const Vec3 origin{};
    struct Row { CEnemy* enemy; int* model; bool fog; int icon; } const rows[] = {
        {new CEnemy3(0, 0.0f, &origin), &g_modelArmouredEnemy, false, g_texIconEnemy},
        {new CEnemy4(0, 0.0f, &origin), &g_modelSmallEnemy, false, g_texIconEnemy},
    };
    for (const Row& row : rows) {
        const std::vector<RecordedDraw>& draws = Drawn(Add(row.enemy), row.fog);
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(draws[0].mesh, meshes[row.model]);
        EXPECT_EQ(draws[0].state.fog, row.fog);
        EXPECT_TRUE(draws[0].state.depthTest);
        EXPECT_EQ(draws[0].state.cull, CullMode::CounterClockwise);
        EXPECT_EQ(row.enemy->iconTexture, row.icon);
    }
}

TEST_F(EnemyDrawingTest, Enemy1FadesInUnderAShrinkingWarning)
{
    for (int type : {0, 2}) {
        CEnemy1* enemy = Add(new CEnemy1(type, 0.0f, 0.0f, 0.0f));
        RunUntil(enemy, [&] { return enemy->age == 15; });  // three quarters of 60 frames left
        const std::vector<RecordedDraw>& draws = Drawn(enemy, true);
        const size_t warned = type == 2 ? 0 : 1;  // type 2 comes unannounced
        ASSERT_EQ(draws.size(), warned + 1);
        if (warned != 0) {
            EXPECT_EQ(draws[0].state.texture, warning);
            EXPECT_FLOAT_EQ(draws[0].colorVertices[1].x - draws[0].colorVertices[0].x, 3.0f);
            EXPECT_FALSE(draws[0].state.fog || draws[0].state.depthTest);
        }
        EXPECT_EQ(draws[warned].mesh, meshes[&g_modelArmouredEnemy]);
        EXPECT_EQ(draws[warned].state.material.diffuse.a, 0.25f);
    }
}

}  // namespace
