// The keyboard, kept from the window's key events, and the first game
// controller (SDL joystick 0 at start-up), read as DirectInput would deliver
// them. Button numbers are SDL's raw ones, whose order may differ from
// DirectInput's for the same controller. While the window is in the
// background the keyboard reads as all keys released; the controller keeps
// working.
#pragma once

#include <SDL.h>

#include <array>

#include "platform/InputDevice.h"

class SdlInput : public InputDevice {
public:
    SdlInput();
    ~SdlInput() override;

    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    // The window's event pump hands every event here. Events pushed with
    // SDL_PushEvent do not reach SDL's own key table, so we keep ours.
    void HandleEvent(const SDL_Event& event);

    bool HasKeyboard() const override { return true; }
    bool HasController() const override { return joystick_ != nullptr; }
    bool ReadKeyboard(KeyboardState* keys) override;
    bool ReadController(ControllerState* state) override;

private:
    std::array<bool, SDL_NUM_SCANCODES> held_{};
    bool joystickReady_ = false;
    SDL_Joystick* joystick_ = nullptr;
};
