#include "tests/scripts/ScenePlay.h"

namespace {

using CabinetPlayTest = ScenePlay;

// Eleven credits, two past the limit; a start into the default course; 25
// seconds of stage 0 flown by the gunner; then start and credit together.
TEST_F(CabinetPlayTest, PlaysAsJournalled)
{
    constexpr int kStart = 30, kReset = kStart + 1500;
    Pilot pilot;
    pilot.input = [](int f) {
        if (f < 22)
            return f % 2 == 0 ? Held({&InputState::credit}) : InputState();
        if (f == kStart)
            return Held({&InputState::start});
        if (f == kReset)
            return Held({&InputState::start, &InputState::credit});
        return f > kStart ? Gunner(f - kStart) : InputState();
    };
    pilot.help = [](int) { Shield(); };
    ExpectPinned("cabinet", PlayFromTitle(pilot, kReset + 10));
}

}  // namespace
