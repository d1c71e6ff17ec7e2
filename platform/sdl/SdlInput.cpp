#include "platform/sdl/SdlInput.h"

#include <algorithm>

#include "platform/ControllerAxis.h"
#include "platform/sdl/DikScancodes.h"

namespace {

constexpr unsigned char kHeld = 0x80;

}  // namespace

SdlInput::SdlInput() {
    joystickReady_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (joystickReady_ && SDL_NumJoysticks() > 0) {
        joystick_ = SDL_JoystickOpen(0);
    }
}

SdlInput::~SdlInput() {
    if (joystick_ != nullptr) {
        SDL_JoystickClose(joystick_);
    }
    if (joystickReady_) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
}

void SdlInput::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
        const SDL_Scancode scancode = event.key.keysym.scancode;
        if (scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES) {
            held_[scancode] = event.type == SDL_KEYDOWN;
        }
    } else if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        held_.fill(false);
    }
}

bool SdlInput::ReadKeyboard(KeyboardState* keys) {
    for (size_t dik = 0; dik < keys->size(); ++dik) {
        const SDL_Scancode scancode = ScancodeFromDik(static_cast<int>(dik));
        (*keys)[dik] = scancode != SDL_SCANCODE_UNKNOWN && held_[scancode] ? kHeld : 0;
    }
    return true;
}

bool SdlInput::ReadController(ControllerState* state) {
    if (joystick_ == nullptr || !SDL_JoystickGetAttached(joystick_)) {
        return false;
    }
    SDL_JoystickUpdate();
    state->x = ScaleControllerAxis(SDL_JoystickGetAxis(joystick_, 0));
    state->y = ScaleControllerAxis(SDL_JoystickGetAxis(joystick_, 1));
    const int buttons = std::min(SDL_JoystickNumButtons(joystick_), ControllerState::kButtonCount);
    state->buttons.fill(0);
    for (int i = 0; i < buttons; ++i) {
        state->buttons[i] = SDL_JoystickGetButton(joystick_, i) != 0 ? kHeld : 0;
    }
    return true;
}
