#include "engine/InputControler.h"

#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"

namespace {

constexpr int kStickThreshold = 500;

// The stick beyond half its travel, rescaled to -1..1; sign turns it over.
float StickAxis(int value, float sign) {
    if (value > kStickThreshold) {
        return sign * (static_cast<float>(value - kStickThreshold) / 500.0f);
    }
    if (value < -kStickThreshold) {
        return sign * (static_cast<float>(value + kStickThreshold) / 500.0f);
    }
    return 0.0f;
}

}  // namespace

CInputControler::CInputControler(std::unique_ptr<InputDevice> device)
    : device_(std::move(device)) {
    SetUp();
}

// Each failed step ends the set-up and leaves the later devices absent.
void CInputControler::SetUp() {
    if (device_ == nullptr) {
        LogDeviceStep("Create DirectInput8 Object.\n", kStepFailed);
        return;
    }
    LogDeviceStep("Create DirectInput8 Object.\n", kStepFinished);
    if (!device_->HasKeyboard()) {
        LogDeviceStep("Create Keyboard Device.\n", kStepFailed);
        return;
    }
    hasKeyboard_ = true;
    LogDeviceStep("Create Keyboard Device.\n", kStepFinished);
    if (!device_->HasController()) {
        LogDeviceStep("Enumerate/Create Control Device.\n",
                      " -> Finished. (There is NO Control Device)\n");
        return;
    }
    hasController_ = true;
    LogDeviceStep("Enumerate/Create Control Device.\n", kStepFinished);
    LogDeviceStep("Setup Control Device.\n", kStepFinished);
    LogDeviceStep("Setup Axes.\n", kStepFinished);
    LogDeviceStep("Setup Buffering.\n", kStepFinished);
}

CInputControler::~CInputControler() {
    if (hasController_) {
        LogDeviceStep("Release Control Device.\n", kStepFinished);
    } else {
        AppendLog(kDeviceLog, "Control Device is NULL.\n");
    }
    if (hasKeyboard_) {
        LogDeviceStep("Release KeyBoard Device.\n", kStepFinished);
    } else {
        AppendLog(kDeviceLog, "KeyBoard Device is NULL.\n");
    }
}

void CInputControler::SetState(const InputState* state) {
    if (state != nullptr) {
        previous.Copy(&current);
        current.CopyGameplay(state);
    }
}

void CInputControler::Update(bool replaying) {
    if (!replaying) {
        previous.Copy(&current);
    }
    // A lost keyboard keeps this frame as the one before and skips the controller.
    if (hasKeyboard_ && !ReadKeyboard()) {
        return;
    }
    ApplyKeys(replaying);
    if (hasController_) {
        ApplyController(replaying);
    }
}

bool CInputControler::ReadKeyboard() {
    if (!device_->ReadKeyboard(&keyState_)) {
        keyState_.fill(0);
        return false;
    }
    for (unsigned char& key : keyState_) {
        key = (key & 0x80) != 0 ? 1 : 0;
    }
    return true;
}

void CInputControler::ApplyKeys(bool replaying) {
    if (!replaying) {
        current.x = KeyHeld(leftKey) ? -1.0f : (KeyHeld(rightKey) ? 1.0f : 0.0f);
        current.y = KeyHeld(upKey) ? 1.0f : (KeyHeld(downKey) ? -1.0f : 0.0f);
        current.shot = KeyHeld(shotKey);
        current.ray = KeyHeld(rayKey);
        current.blade = KeyHeld(bladeKey);
        current.dash = KeyHeld(dashKey);
        current.reload = KeyHeld(reloadKey);
        current.leftroll = KeyHeld(leftrollKey);
        current.rightroll = KeyHeld(rightrollKey);
    }
    current.credit = KeyHeld(creditKey);
    current.start = KeyHeld(startKey);
}

// A key direction wins over the stick, axis by axis; the device's y grows downwards.
void CInputControler::ApplyController(bool replaying) {
    if (!device_->ReadController(&controllerState_)) {
        return;
    }
    if (!replaying) {
        if (current.x == 0.0f) {
            current.x = StickAxis(controllerState_.x, 1.0f);
        }
        if (current.y == 0.0f) {
            current.y = StickAxis(controllerState_.y, -1.0f);
        }
        current.shot |= ButtonHeld(shotButton);
        current.ray |= ButtonHeld(rayButton);
        current.blade |= ButtonHeld(bladeButton);
        current.dash |= ButtonHeld(dashButton);
        current.reload |= ButtonHeld(reloadButton);
        current.leftroll |= ButtonHeld(leftrollButton);
        current.rightroll |= ButtonHeld(rightrollButton);
    }
    current.credit |= ButtonHeld(creditButton);
    current.start |= ButtonHeld(startButton);
}

uint8_t CInputControler::KeyHeld(int code) const {
    return code >= 0 && code < static_cast<int>(keyState_.size()) ? keyState_[code] : 0;
}

uint8_t CInputControler::ButtonHeld(int number) const {
    return number >= 0 && number < ControllerState::kButtonCount &&
                   controllerState_.buttons[number] != 0
               ? 1
               : 0;
}

CInputControler* g_input = nullptr;
