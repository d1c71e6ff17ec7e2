#include "EnemiesFixture.h"

#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "tests/actors/TileMesh.h"

#include <functional>
#include <map>

namespace {

class EnemyDrawingTest : public EnemiesFixture {
protected:
    EnemyDrawingTest()
    {
        for (auto [handle, name] : {std::pair{&g_modelSmallEnemy, "#103"}, std::pair{&g_modelArmouredEnemy, "#106"},
                                    std::pair{&g_modelDuelEnemy, "#104"}}) {
            resources.AddText("MODEL", name, kTileMesh);
            world.graphics.LoadMesh(handle, name, "MODEL");
            world.graphics.DrawMesh(*handle, kIdentityMatrix);
            meshes[handle] = device.draws.back().mesh;
        }
        warning = LoadPicture(&g_texWarning, "#185");
        LoadPicture(&g_texIconEnemy, "#316");
        LoadPicture(&g_texIconSmall, "#325");
        device.ClearRecord();
    }

    ~EnemyDrawingTest() override
    {
        g_modelSmallEnemy = g_modelArmouredEnemy = g_modelDuelEnemy = -1;
    }

    std::map<int*, MeshId> meshes;
    TextureId warning = kNoTexture;
};

TEST_F(EnemyDrawingTest, EachKindDrawsItsModelWithItsFogAndNamesItsMarker)
{
    const Vec3 origin{};
    struct Row {
        std::function<CEnemy*()> make;
        int* model;
        bool fog;
        int* icon;
    };
    const Row rows[] = {
        {[&] { return new CEnemy0(0.0f, &origin); }, &g_modelSmallEnemy, true, &g_texIconSmall},
        {[&] { return new CEnemy2(0, 0.0f, &origin); }, &g_modelArmouredEnemy, false, &g_texIconEnemy},
        {[&] { return new CEnemy3(0, 0.0f, &origin); }, &g_modelArmouredEnemy, false, &g_texIconEnemy},
        {[&] { return new CEnemy4(0, 0.0f, &origin); }, &g_modelSmallEnemy, false, &g_texIconEnemy},
        {[&] { return new CEnemyd0(0, 0.0f, 0.0f, 0.0f); }, &g_modelSmallEnemy, false, &g_texIconEnemy},
        {[&] { return new CEnemyd0(1, 0.0f, 0.0f, 0.0f); }, &g_modelArmouredEnemy, false, &g_texIconEnemy},
        {[&] { return new CEnemyd1(0, 0.0f, 0.0f, 0.0f); }, &g_modelDuelEnemy, false, &g_texIconEnemy},
        {[&] { return new CEnemyDanmaku(0.0f, 0.0f, 0.0f, 0); }, &g_modelSmallEnemy, true, nullptr},
    };
    for (const Row& row : rows) {
        CEnemy* enemy = Add(row.make());
        world.graphics.SetCulling(0);
        world.graphics.SetFog(row.fog ? 0 : 1);
        world.graphics.SetZBuffer(0);
        device.ClearRecord();
        enemy->Draw();
        ASSERT_EQ(device.draws.size(), 1u);
        const RecordedDraw& draw = device.draws[0];
        EXPECT_EQ(draw.mesh, meshes[row.model]);
        EXPECT_EQ(draw.state.fog, row.fog);
        EXPECT_TRUE(draw.state.depthTest);
        EXPECT_EQ(draw.state.cull, CullMode::CounterClockwise);
        EXPECT_EQ(enemy->iconTexture, row.icon != nullptr ? *row.icon : -1);
    }
}

TEST_F(EnemyDrawingTest, Enemy1FadesInUnderAShrinkingWarningThenDrawsSolid)
{
    for (int type : {0, 1, 2}) {
        CEnemy1* enemy = Add(new CEnemy1(type, 0.0f, 0.0f, 0.0f));
        EXPECT_EQ(enemy->iconTexture, g_texIconEnemy);
        RunUntil(enemy, [&] { return enemy->age == 15; });  // three quarters left
        device.ClearRecord();
        enemy->Draw();
        const size_t warned = type == 2 ? 0 : 1;
        ASSERT_EQ(device.draws.size(), warned + 1);
        if (warned != 0) {
            EXPECT_EQ(device.draws[0].state.texture, warning);
            EXPECT_FLOAT_EQ(device.draws[0].colorVertices[1].x - device.draws[0].colorVertices[0].x, 3.0f);
            EXPECT_FALSE(device.draws[0].state.depthTest);
        }
        EXPECT_EQ(device.draws[warned].mesh, meshes[&g_modelArmouredEnemy]);
        EXPECT_EQ(device.draws[warned].state.material.diffuse.a, 0.25f);
        RunUntil(enemy, [&] { return enemy->state == STATE_ACTIVE; });
        device.ClearRecord();
        enemy->Draw();
        ASSERT_EQ(device.draws.size(), 1u);
    }
}

}  // namespace
