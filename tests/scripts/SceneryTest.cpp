#include "actors/Skybox.h"
#include "engine/Grid.h"
#include "tests/scripts/ScenePlay.h"

#include <memory>

namespace {

using SceneryTest = ScenePlay;

// No scene shows the sky boxes or the grid: a second of a drill with both
// sky boxes in the sky and the grid drawn once.
TEST_F(SceneryTest, SkyBoxesAndGridDrawAsJournalled)
{
    Pilot pilot;
    pilot.help = [](int f) {
        if (f != 0)
            return;
        SpawnSkybox();
        SpawnSkybox2();
        std::make_unique<CGrid>()->DrawAll();
    };
    ExpectPinned("scenery", Play(10, -1, pilot, 60));
}

}  // namespace
