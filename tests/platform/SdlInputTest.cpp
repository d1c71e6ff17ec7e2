#include "platform/sdl/SdlInput.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/ControllerAxis.h"
#include "platform/sdl/DikScancodes.h"

namespace {

SDL_Event KeyEvent(Uint32 type, SDL_Scancode scancode) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.scancode = scancode;
    return event;
}

TEST(DikScancodesTest, EveryKeyHasItsOwnCodeAndOthersHaveNone) {
    const std::pair<int, SDL_Scancode> codes[] = {
        {0x2C, SDL_SCANCODE_Z},        {0xC8, SDL_SCANCODE_UP},      {0xCB, SDL_SCANCODE_LEFT}, {0x1D, SDL_SCANCODE_LCTRL},
        {0x9C, SDL_SCANCODE_KP_ENTER}, {0, SDL_SCANCODE_UNKNOWN},    {-1, SDL_SCANCODE_UNKNOWN}, {256, SDL_SCANCODE_UNKNOWN}};
    for (const auto& [dik, scancode] : codes)
        EXPECT_EQ(ScancodeFromDik(dik), scancode) << dik;
    std::set<SDL_Scancode> seen;
    int mapped = 0;
    for (int dik = 0; dik < 256; ++dik) {
        const SDL_Scancode scancode = ScancodeFromDik(dik);
        if (scancode != SDL_SCANCODE_UNKNOWN) {
            ++mapped;
            EXPECT_TRUE(seen.insert(scancode).second) << dik;
        }
    }
    EXPECT_GE(mapped, 104);
}

TEST(ControllerAxisTest, HalfTravelDeadZoneThenFullRange) {
    const std::pair<int, int> axes[] = {{0, 0},       {16383, 0},    {-16384, 0},     {24575, 500},
                                        {-24576, -500}, {32767, 1000}, {-32768, -1000}};
    for (const auto& [raw, scaled] : axes)
        EXPECT_EQ(ScaleControllerAxis(raw), scaled) << raw;
}

TEST(SdlInputTest, KeyTableFollowsKeyEvents) {
    SdlInput input;
    KeyboardState keys{};
    input.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_Z));
    input.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_LEFT));
    input.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_F24));  // no DirectInput code
    ASSERT_TRUE(input.ReadKeyboard(&keys));
    EXPECT_EQ(keys[0x2C], 0x80);
    EXPECT_EQ(keys[0xCB], 0x80);
    int held = 0;
    for (unsigned char key : keys)
        held += key != 0;
    EXPECT_EQ(held, 2);

    input.HandleEvent(KeyEvent(SDL_KEYUP, SDL_SCANCODE_Z));
    input.ReadKeyboard(&keys);
    EXPECT_EQ(keys[0x2C], 0);
    EXPECT_EQ(keys[0xCB], 0x80);

    SDL_Event focusLost{};
    focusLost.type = SDL_WINDOWEVENT;
    focusLost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    input.HandleEvent(focusLost);
    input.ReadKeyboard(&keys);
    EXPECT_EQ(keys[0xCB], 0);
}

TEST(SdlInputTest, FirstJoystickGivesScaledAxesAndButtons) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 40, 0);
    ASSERT_EQ(index, 0);
    SDL_Joystick* virtualStick = SDL_JoystickOpen(index);
    ASSERT_NE(virtualStick, nullptr);
    {
        SdlInput input;
        ASSERT_TRUE(input.HasController());
        SDL_JoystickSetVirtualAxis(virtualStick, 0, 32767);
        SDL_JoystickSetVirtualAxis(virtualStick, 1, -12000);
        SDL_JoystickSetVirtualButton(virtualStick, 3, SDL_PRESSED);
        SDL_JoystickSetVirtualButton(virtualStick, 35, SDL_PRESSED);
        ControllerState state;
        ASSERT_TRUE(input.ReadController(&state));
        EXPECT_EQ(state.x, 1000);
        EXPECT_EQ(state.y, 0);
        EXPECT_NE(state.buttons[3], 0);
        EXPECT_EQ(state.buttons[4], 0);
    }
    SDL_JoystickClose(virtualStick);
    SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);

    SdlInput withoutController;
    EXPECT_FALSE(withoutController.HasController());
    ControllerState state;
    EXPECT_FALSE(withoutController.ReadController(&state));
}

}  // namespace
