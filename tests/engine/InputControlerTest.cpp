#include "engine/InputControler.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "TempFolder.h"
#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"
#include "platform/NullInputDevice.h"

namespace {

enum Key { kUp = 0xC8, kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD, kShot = 0x2C, kCredit = 0x04 };

std::vector<float> Axes(const InputState& s) { return {s.x, s.y}; }

class InputControlerTest : public ::testing::Test {
protected:
    InputControlerTest() {
        auto device = std::make_unique<NullInputDevice>();
        device->controllerPresent = true;
        device_ = device.get();
        input_ = std::make_unique<CInputControler>(std::move(device));
        input_->upKey = kUp;
        input_->downKey = kDown;
        input_->leftKey = kLeft;
        input_->rightKey = kRight;
        input_->shotKey = kShot;
        input_->creditKey = kCredit;
        input_->bladeButton = 3;
        input_->creditButton = 8;
        input_->startButton = 9;
    }
    void Hold(int key, bool held) { device_->keys[key] = held ? 0x80 : 0; }
    void Stick(int x, int y) {
        device_->controller.x = x;
        device_->controller.y = y;
    }
    NullInputDevice* device_ = nullptr;
    std::unique_ptr<CInputControler> input_;
};

TEST_F(InputControlerTest, KeysGiveAxesAndButtons) {
    for (int key : {kLeft, kRight, kUp, kDown, kShot})
        Hold(key, true);
    input_->Update(false);
    EXPECT_EQ(Axes(input_->current), std::vector<float>({-1, 1}));  // left and up win
    Hold(kLeft, false);
    Hold(kUp, false);
    device_->keys[kShot] = 0x7F;  // only bit 0x80 counts
    input_->Update(false);
    EXPECT_EQ(Axes(input_->current), std::vector<float>({1, -1}));
    EXPECT_EQ(std::tuple(input_->current.shot, input_->previous.shot, input_->previous.x), std::tuple(0, 1, -1.0f));
}

TEST_F(InputControlerTest, StickBeyondHalfTravelAndKeysWinAxisByAxis) {
    const int values[] = {500, -500, 501, 750, 1000, -1000};
    const float axis[] = {0.0f, 0.0f, 0.002f, 0.5f, 1.0f, -1.0f};
    for (int i = 0; i < 6; ++i) {
        Stick(values[i], values[i]);
        input_->Update(false);
        EXPECT_EQ(input_->current.x, axis[i]) << values[i];
        EXPECT_EQ(input_->current.y, axis[i] == 0.0f ? 0.0f : -axis[i]) << values[i];
    }
    Stick(1000, -1000);
    Hold(kLeft, true);
    device_->controller.buttons[3] = 0x80;
    input_->Update(false);
    EXPECT_EQ(Axes(input_->current), std::vector<float>({-1, 1}));
    EXPECT_EQ(input_->current.blade, 1);
}

TEST_F(InputControlerTest, ReplayTakesGameplayFromTheRecordAndCreditLive) {
    InputState recorded;
    recorded.shot = 1;
    recorded.x = 0.25f;
    recorded.credit = 1;  // never taken from a recording
    Hold(kRight, true);   // live gameplay input is ignored
    Hold(kCredit, true);
    input_->Update(true);
    EXPECT_EQ(std::tuple(input_->current.x, input_->current.credit, input_->previous.credit), std::tuple(0.0f, 1, 0));
    input_->SetState(&recorded);
    EXPECT_EQ(std::tuple(input_->current.credit, input_->current.shot, input_->current.x), std::tuple(1, 1, 0.25f));
    // Still held: the press is fresh in one frame only.
    input_->Update(true);
    EXPECT_EQ(input_->previous.credit, 1);
    input_->SetState(&recorded);
    EXPECT_EQ(input_->previous.shot, 1);
    Hold(kCredit, false);
    device_->controller.buttons[9] = 0x80;
    input_->Update(true);
    EXPECT_EQ(std::tuple(input_->current.credit, input_->current.start, input_->previous.start), std::tuple(0, 1, 0));
    input_->SetState(nullptr);
    EXPECT_EQ(input_->previous.start, 0);
}

TEST_F(InputControlerTest, CodesOutOfRangeAreNeverHeld) {
    device_->keys.fill(0x80);
    device_->controller.buttons.fill(0x80);
    input_->shotKey = 256;
    input_->shotButton = 32;
    input_->rayKey = -1;
    input_->rayButton = -1;
    input_->upKey = 1000;
    input_->downKey = -200;
    input_->Update(false);
    EXPECT_EQ(std::tuple(input_->current.shot, input_->current.ray, input_->current.y, input_->current.blade),
              std::tuple(0, 0, 0.0f, 1));
}

TEST_F(InputControlerTest, LostKeyboardKeepsTheFrameAndSkipsTheController) {
    Hold(kShot, true);
    Stick(0, 1000);
    input_->Update(false);
    device_->keyboardLost = true;
    Hold(kShot, false);
    Stick(1000, 0);
    input_->Update(false);
    EXPECT_EQ(std::tuple(input_->current.shot, input_->previous.shot), std::tuple(1, 1));
    EXPECT_EQ(Axes(input_->current), std::vector<float>({0, -1}));
    // A lost controller leaves the keys alone in that frame.
    device_->keyboardLost = false;
    device_->controllerLost = true;
    input_->Update(false);
    EXPECT_EQ(std::tuple(input_->current.shot, input_->current.x), std::tuple(0, 0.0f));
}

// The log so far, which is then emptied.
std::string ReadLog() {
    const std::string log = ReadTextFile(ProgramFilePath(kDeviceLog));
    AppendLog(kDeviceLog, "");
    return log;
}

TEST(InputControlerSetUpTest, StepsAndMissingDevicesAreLogged) {
    AppendLog(kDeviceLog, "");
    auto device = std::make_unique<NullInputDevice>();
    device->controllerPresent = true;
    CInputControler(std::move(device));
    EXPECT_EQ(ReadLog(),
              "Create DirectInput8 Object.\n -> Finished.\nCreate Keyboard Device.\n -> Finished.\n"
              "Enumerate/Create Control Device.\n -> Finished.\nSetup Control Device.\n"
              " -> Finished.\nSetup Axes.\n -> Finished.\nSetup Buffering.\n -> Finished.\n"
              "Release Control Device.\n -> Finished.\nRelease KeyBoard Device.\n -> Finished.\n");
    CInputControler(std::make_unique<NullInputDevice>());
    EXPECT_EQ(ReadLog(),
              "Create DirectInput8 Object.\n -> Finished.\nCreate Keyboard Device.\n -> Finished.\n"
              "Enumerate/Create Control Device.\n -> Finished. (There is NO Control Device)\n"
              "Control Device is NULL.\nRelease KeyBoard Device.\n -> Finished.\n");
    device = std::make_unique<NullInputDevice>();
    device->keyboardPresent = false;
    device->controllerPresent = true;
    device->keys.fill(0x80);
    device->controller.buttons.fill(0x80);
    CInputControler noKeyboard(std::move(device));
    noKeyboard.Update(false);
    EXPECT_EQ(noKeyboard.current.credit, 0);
    CInputControler noDevice(nullptr);
    noDevice.Update(false);
    EXPECT_EQ(ReadLog(),
              "Create DirectInput8 Object.\n -> Finished.\nCreate Keyboard Device.\n -> Failed.\n"
              "Create DirectInput8 Object.\n -> Failed.\n");
}

}  // namespace
