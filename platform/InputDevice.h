// What the input controller needs of the keyboard and the first game
// controller, read by immediate state once per frame.
#pragma once

#include <array>

// Key bytes indexed by DirectInput key code; bit 0x80 set = held.
using KeyboardState = std::array<unsigned char, 256>;

// The game controller as its axis range and dead zone deliver it.
struct ControllerState {
    static constexpr int kButtonCount = 32;

    int x = 0;  // -1000 (left) .. 1000 (right)
    int y = 0;  // -1000 (up) .. 1000 (down)
    std::array<unsigned char, kButtonCount> buttons{};  // non-zero = held
};

class InputDevice {
public:
    virtual ~InputDevice() = default;

    virtual bool HasKeyboard() const = 0;
    virtual bool HasController() const = 0;
    // False when the keyboard cannot be read this frame (lost).
    virtual bool ReadKeyboard(KeyboardState* keys) = 0;
    // False when the controller cannot be read this frame.
    virtual bool ReadController(ControllerState* state) = 0;
};
