// An input device whose keys, buttons and axes a test sets by hand.
#pragma once

#include "platform/InputDevice.h"

class NullInputDevice : public InputDevice {
public:
    bool HasKeyboard() const override { return keyboardPresent; }
    bool HasController() const override { return controllerPresent; }

    bool ReadKeyboard(KeyboardState* out) override {
        if (keyboardLost) {
            return false;
        }
        *out = keys;
        return true;
    }

    bool ReadController(ControllerState* out) override {
        if (controllerLost) {
            return false;
        }
        *out = controller;
        return true;
    }

    bool keyboardPresent = true;
    bool controllerPresent = false;
    bool keyboardLost = false;
    bool controllerLost = false;
    KeyboardState keys{};
    ControllerState controller;
};
