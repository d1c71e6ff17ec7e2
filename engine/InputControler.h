// Turns the keyboard and the first game controller into one InputState per
// frame and keeps the state of the frame before, from which the game derives
// fresh presses and releases.
#pragma once

#include <memory>

#include "engine/InputState.h"
#include "platform/InputDevice.h"

class CInputControler {
public:
    // Sets the devices up, logging each step to the device log. A null device
    // leaves both keyboard and controller absent.
    explicit CInputControler(std::unique_ptr<InputDevice> device);
    ~CInputControler();

    CInputControler(const CInputControler&) = delete;
    CInputControler& operator=(const CInputControler&) = delete;

    // Replay playback: previous := current, then the gameplay part of
    // current := state; the live credit and start stay.
    void SetState(const InputState* state);
    // The per-frame poll. While replaying only credit and start are read.
    void Update(bool replaying);

    // DirectInput key codes and controller button numbers; a code outside
    // 0..255 or a button outside 0..31 is never held.
    int upKey = 0;
    int downKey = 0;
    int leftKey = 0;
    int rightKey = 0;
    int shotKey = 0;
    int bladeKey = 0;
    int rayKey = 0;
    int dashKey = 0;
    int reloadKey = 0;
    int leftrollKey = 0;
    int rightrollKey = 0;
    int creditKey = 0;
    int startKey = 0;
    int shotButton = 0;
    int bladeButton = 0;
    int rayButton = 0;
    int dashButton = 0;
    int reloadButton = 0;
    int leftrollButton = 0;
    int rightrollButton = 0;
    int creditButton = 0;
    int startButton = 0;

    InputState previous;
    InputState current;

private:
    void SetUp();
    bool ReadKeyboard();
    void ApplyKeys(bool replaying);
    void ApplyController(bool replaying);
    uint8_t KeyHeld(int code) const;
    uint8_t ButtonHeld(int number) const;

    std::unique_ptr<InputDevice> device_;
    bool hasKeyboard_ = false;
    bool hasController_ = false;
    KeyboardState keyState_{};
    ControllerState controllerState_;
};

// The one input controller, created by the program entry.
extern CInputControler* g_input;
