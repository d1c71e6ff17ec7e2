#include "engine/InputControler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"
#include "platform/NullInputDevice.h"

namespace {

std::string ReadLog() {
    std::vector<unsigned char> bytes;
    ReadWholeFile(ProgramFilePath(kDeviceLog), &bytes);
    return std::string(bytes.begin(), bytes.end());
}

class InputControlerTest : public ::testing::Test {
protected:
    void SetUp() override { Create(true); }

    void Create(bool controller) {
        auto device = std::make_unique<NullInputDevice>();
        device->controllerPresent = controller;
        device_ = device.get();
        input_ = std::make_unique<CInputControler>(std::move(device));
        input_->upKey = 0xC8;
        input_->downKey = 0xD0;
        input_->leftKey = 0xCB;
        input_->rightKey = 0xCD;
        input_->shotKey = 0x2C;
        input_->rayKey = 0x2D;
        input_->bladeKey = 0x1E;
        input_->creditKey = 0x04;
        input_->startKey = 0x02;
        input_->shotButton = 0;
        input_->rayButton = 1;
        input_->bladeButton = 3;
        input_->creditButton = 8;
        input_->startButton = 9;
    }

    void Hold(int key, bool held) { device_->keys[key] = held ? 0x80 : 0; }
    void Button(int number, bool held) { device_->controller.buttons[number] = held ? 0x80 : 0; }
    void Stick(int x, int y) {
        device_->controller.x = x;
        device_->controller.y = y;
    }

    NullInputDevice* device_ = nullptr;
    std::unique_ptr<CInputControler> input_;
};

TEST_F(InputControlerTest, KeysGiveAxesAndButtons) {
    Hold(0xCB, true);
    Hold(0xCD, true);
    Hold(0xC8, true);
    Hold(0xD0, true);
    Hold(0x2C, true);
    device_->keys[0x2D] = 0x7F;  // only bit 0x80 counts
    input_->Update(false);
    EXPECT_EQ(input_->current.x, -1.0f);  // left wins
    EXPECT_EQ(input_->current.y, 1.0f);   // up wins
    EXPECT_EQ(input_->current.shot, 1);
    EXPECT_EQ(input_->current.ray, 0);

    Hold(0xCB, false);
    Hold(0xC8, false);
    Hold(0x2C, false);
    input_->Update(false);
    EXPECT_EQ(input_->current.x, 1.0f);
    EXPECT_EQ(input_->current.y, -1.0f);
    EXPECT_EQ(input_->current.shot, 0);
    EXPECT_EQ(input_->previous.shot, 1);
    EXPECT_EQ(input_->previous.x, -1.0f);
}

TEST_F(InputControlerTest, StickBeyondHalfTravelAndKeysWinAxisByAxis) {
    const struct {
        int value;
        float x;
        float y;
    } cases[] = {{500, 0.0f, 0.0f},   {-500, 0.0f, 0.0f}, {501, 0.002f, -0.002f},
                 {1000, 1.0f, -1.0f}, {-1000, -1.0f, 1.0f}, {750, 0.5f, -0.5f}};
    for (const auto& c : cases) {
        Stick(c.value, c.value);
        input_->Update(false);
        EXPECT_EQ(input_->current.x, c.x) << c.value;
        EXPECT_EQ(input_->current.y, c.y) << c.value;
    }

    Stick(1000, -1000);
    Hold(0xCB, true);
    input_->Update(false);
    EXPECT_EQ(input_->current.x, -1.0f);
    EXPECT_EQ(input_->current.y, 1.0f);

    Button(3, true);
    Button(8, true);
    input_->Update(false);
    EXPECT_EQ(input_->current.blade, 1);
    EXPECT_EQ(input_->current.credit, 1);
    EXPECT_EQ(input_->current.shot, 0);
}

TEST_F(InputControlerTest, ReplayKeepsCreditAndStartLive) {
    InputState recorded;
    recorded.shot = 1;
    recorded.x = 0.25f;
    recorded.credit = 1;  // never taken from a recording
    Hold(0x2D, true);     // live gameplay input is ignored
    Stick(1000, 0);

    Hold(0x04, true);
    input_->Update(true);
    EXPECT_EQ(input_->current.credit, 1);
    EXPECT_EQ(input_->current.ray, 0);
    EXPECT_EQ(input_->current.x, 0.0f);
    EXPECT_EQ(input_->previous.credit, 0);  // not copied while replaying
    input_->SetState(&recorded);
    EXPECT_EQ(input_->previous.credit, 1);
    EXPECT_EQ(input_->current.credit, 1);
    EXPECT_EQ(input_->current.shot, 1);
    EXPECT_EQ(input_->current.x, 0.25f);

    // The credit press is fresh in one frame only.
    input_->Update(true);
    input_->SetState(&recorded);
    EXPECT_EQ(input_->previous.credit, 1);
    EXPECT_EQ(input_->current.credit, 1);

    Hold(0x04, false);
    Button(9, true);
    input_->Update(true);
    input_->SetState(&recorded);
    EXPECT_EQ(input_->current.credit, 0);
    EXPECT_EQ(input_->current.start, 1);

    const InputState before = input_->current;
    input_->SetState(nullptr);
    EXPECT_EQ(input_->current.start, before.start);
    EXPECT_EQ(input_->previous.credit, 0);
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
    Stick(0, 0);
    input_->Update(false);
    EXPECT_EQ(input_->current.shot, 0);
    EXPECT_EQ(input_->current.ray, 0);
    EXPECT_EQ(input_->current.y, 0.0f);
    EXPECT_EQ(input_->current.blade, 1);
}

TEST_F(InputControlerTest, LostKeyboardKeepsTheFrameAndSkipsTheController) {
    Hold(0x2C, true);
    Stick(0, 1000);
    input_->Update(false);
    ASSERT_EQ(input_->current.y, -1.0f);

    device_->keyboardLost = true;
    Hold(0x2C, false);
    Stick(1000, 0);
    Button(0, true);
    input_->Update(false);
    EXPECT_EQ(input_->current.shot, 1);
    EXPECT_EQ(input_->current.x, 0.0f);
    EXPECT_EQ(input_->current.y, -1.0f);
    EXPECT_EQ(input_->previous.shot, 1);

    // A lost controller leaves the keys alone in that frame.
    device_->keyboardLost = false;
    device_->controllerLost = true;
    Hold(0xCD, true);
    input_->Update(false);
    EXPECT_EQ(input_->current.x, 1.0f);
    EXPECT_EQ(input_->current.y, 0.0f);
    EXPECT_EQ(input_->current.shot, 0);
}

TEST_F(InputControlerTest, SetUpAndReleaseLogTheirSteps) {
    AppendLog(kDeviceLog, "");
    input_.reset();
    Create(false);
    input_.reset();
    EXPECT_EQ(ReadLog(),
              "Release Control Device.\n -> Finished.\n"
              "Release KeyBoard Device.\n -> Finished.\n"
              "Create DirectInput8 Object.\n -> Finished.\n"
              "Create Keyboard Device.\n -> Finished.\n"
              "Enumerate/Create Control Device.\n -> Finished. (There is NO Control Device)\n"
              "Control Device is NULL.\n"
              "Release KeyBoard Device.\n -> Finished.\n");

    AppendLog(kDeviceLog, "");
    Create(true);
    EXPECT_EQ(ReadLog(),
              "Create DirectInput8 Object.\n -> Finished.\n"
              "Create Keyboard Device.\n -> Finished.\n"
              "Enumerate/Create Control Device.\n -> Finished.\n"
              "Setup Control Device.\n -> Finished.\n"
              "Setup Axes.\n -> Finished.\n"
              "Setup Buffering.\n -> Finished.\n");
}

TEST(InputControlerSetUpTest, MissingDevicesReadNothing) {
    AppendLog(kDeviceLog, "");
    {
        CInputControler input(nullptr);
        input.Update(false);
        EXPECT_EQ(input.current.x, 0.0f);
    }
    auto device = std::make_unique<NullInputDevice>();
    device->keyboardPresent = false;
    device->controllerPresent = true;
    device->keys.fill(0x80);
    device->controller.buttons.fill(0x80);
    {
        CInputControler input(std::move(device));
        input.creditKey = 4;
        input.creditButton = 8;
        input.Update(false);
        EXPECT_EQ(input.current.credit, 0);
    }
    EXPECT_EQ(ReadLog(),
              "Create DirectInput8 Object.\n -> Failed.\n"
              "Control Device is NULL.\nKeyBoard Device is NULL.\n"
              "Create DirectInput8 Object.\n -> Finished.\n"
              "Create Keyboard Device.\n -> Failed.\n"
              "Control Device is NULL.\nKeyBoard Device is NULL.\n");
}

}  // namespace
