#include "tests/scripts/ScenePlay.h"

namespace {

// The gunner, who lets the shot go while the blade swings and, after the
// magazine, reloads the blade by hand.
InputState Swordsman(int f)
{
    InputState keys = Gunner(f);
    keys.shot = keys.blade ? 0 : keys.shot;
    if (f % 600 >= 570 && f % 600 < 573)
        keys.reload = keys.blade = 1;
    return keys;
}

using CabinetPlayTest = ScenePlay;

// Eleven credits, two past the limit; the menu's rows picked right and left,
// automatic reload turned off and on again; a start into the default course;
// 25 seconds of stage 0; then start and credit together.
TEST_F(CabinetPlayTest, PlaysAsJournalled)
{
    constexpr int kStart = 34, kReset = kStart + 1500;
    Pilot pilot;
    pilot.input = [](int f) {
        if (f < 22)
            return f % 2 == 0 ? Held({&InputState::credit}) : InputState();
        if (f == 24 || f == 26)
            return Held({}, f == 24 ? 1.0f : -1.0f);
        if (f == 28 || f == 30)
            return Held({}, 0.0f, f == 28 ? 1.0f : -1.0f);
        if (f == kStart)
            return Held({&InputState::start});
        if (f == kReset)
            return Held({&InputState::start, &InputState::credit});
        return f > kStart ? Swordsman(f - kStart) : InputState();
    };
    pilot.help = [](int) { Shield(); };
    ExpectPinned("cabinet", PlayFromTitle(pilot, kReset + 10));
}

}  // namespace
