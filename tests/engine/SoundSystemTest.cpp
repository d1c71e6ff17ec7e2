#include "engine/SoundSystem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "OggEncoder.h"
#include "TempFolder.h"
#include "WaveBuilder.h"
#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"
#include "engine/ResourceLoader.h"
#include "platform/NullAudioDevice.h"
#include "platform/Resources.h"
#include "platform/System.h"

namespace {

constexpr int kRate = 8000;

class SoundSystemTest : public ::testing::Test {
protected:
    int LoadTone() {
        const Bytes wave = MonoWave(std::vector<int16_t>(4, 10000), kRate);
        return sound_->CreateFromWave(wave.data(), wave.size());
    }
    std::unique_ptr<SoundSystem> sound_ =
        std::make_unique<SoundSystem>(std::make_unique<NullAudioDevice>());
};

TEST_F(SoundSystemTest, SlotsFillInTurnUpToSixtyFour) {
    const Bytes refused = MonoWave({}, kRate);  // no whole frame
    EXPECT_EQ(sound_->CreateFromWave(refused.data(), refused.size()), -1);
    for (int slot = 0; slot < SoundSystem::kSlotCount; ++slot)
        ASSERT_EQ(LoadTone(), slot);
    EXPECT_EQ(LoadTone(), -1);
    EXPECT_TRUE(sound_->IsLoaded(63));
}

TEST_F(SoundSystemTest, IdsOutsideTheSlotsDoNothing) {
    LoadTone();
    LoadTone();
    int handle = 257;  // callers pass the low byte of an int handle
    sound_->Play(handle, 0);
    EXPECT_TRUE(sound_->IsPlaying(1));
    for (int id : {-1, -2, 2, 64, 127, -128}) {
        sound_->Play(id, 1);
        sound_->SetVolume(id, -500);
        sound_->SetPan(id, 500);
        EXPECT_EQ(std::tuple(sound_->IsPlaying(id), sound_->GetVolume(id)), std::tuple(false, 0)) << id;
        sound_->PlayMusic(id, 1);
        sound_->FadeOutMusic();
        EXPECT_EQ(sound_->IsFading(id), id == 2) << id;  // an empty slot is only marked
        sound_->Update();
        sound_->StopMusic();
    }
    EXPECT_FALSE(sound_->IsLoaded(1000));
}

TEST_F(SoundSystemTest, FadeStopsTheMusicAfterFiveHundredFrames) {
    const int music = LoadTone();
    sound_->PlayMusic(music, 1);
    sound_->FadeOutMusic();
    for (int frame = 0; frame < 499; ++frame)
        sound_->Update();
    EXPECT_EQ(std::tuple(sound_->IsPlaying(music), sound_->GetVolume(music)), std::tuple(true, -4990));
    sound_->Update();
    sound_->Update();
    EXPECT_EQ(std::tuple(sound_->IsPlaying(music), sound_->GetVolume(music)), std::tuple(false, -5000));
    sound_->PlayMusic(music, 1);
    sound_->SetVolume(music, -4990);
    sound_->FadeOutMusic();
    sound_->Update();
    EXPECT_FALSE(sound_->IsPlaying(music));
}

TEST_F(SoundSystemTest, NewMusicStopsTheOldAndRestoresEveryVolume) {
    const int first = LoadTone();
    const int second = LoadTone();
    const int effect = LoadTone();
    sound_->PlayMusic(first, 1);
    sound_->SetVolume(effect, -3000);
    sound_->FadeOutMusic();
    sound_->Update();
    sound_->PlayMusic(second, 1);
    EXPECT_EQ(std::tuple(sound_->IsPlaying(first), sound_->IsPlaying(second), sound_->GetVolume(first),
                         sound_->GetVolume(effect)),
              std::tuple(false, true, 0, 0));
    sound_->Update();
    EXPECT_EQ(sound_->GetVolume(second), 0);
    sound_->StopMusic();
    EXPECT_FALSE(sound_->IsPlaying(second));
    sound_->FadeOutMusic();  // no current music
    sound_->Play(second, 1);
    sound_->Update();
    EXPECT_EQ(sound_->GetVolume(second), 0);
}

// Four frames of a constant 10000 through a real mixer.
TEST(SoundSystemMixTest, LoopIndexFollowUpAndWrappers) {
    auto device = std::make_unique<Mixer>(kRate);
    Mixer* mixer = device.get();
    SoundSystem sound(std::move(device));
    const Bytes wave = MonoWave(std::vector<int16_t>(4, 10000), kRate);
    const int slot = sound.CreateFromWave(wave.data(), wave.size());
    const int first = slot, next = sound.CreateFromWave(wave.data(), wave.size());
    int16_t out[20];
    for (int loopIndex : {0, 1, 2, 7}) {
        sound.Play(slot, loopIndex);
        mixer->Mix(out, 10);
        EXPECT_EQ(sound.IsPlaying(slot), loopIndex == 1) << loopIndex;
    }
    for (bool stopped : {false, true}) {  // stopping a sound drops its follow-up
        sound.QueueFollowUp(first, next, 1);
        sound.Play(first, 0);
        sound.Update();
        EXPECT_FALSE(sound.IsPlaying(next));
        stopped ? sound.Stop(first) : mixer->Mix(out, 10);
        sound.Update();
        mixer->Mix(out, 10);
        EXPECT_EQ(sound.IsPlaying(next), !stopped);  // looped
        sound.FadeOutMusic();
        EXPECT_EQ(sound.IsFading(next), !stopped);  // the music now
        sound.StopMusic();
    }
    sound.SetMasterVolume(8000);  // -20 dB
    sound.SetFrequency(first, 4000);
    EXPECT_EQ(std::tuple(sound.GetMasterVolume(), sound.GetFrequency(first)), std::tuple(8000, 4000));
    sound.SetFrequency(first, 0);
    sound.Play(first, 0);
    mixer->Mix(out, 1);
    EXPECT_NEAR(out[0], 1000, 1);
    EXPECT_EQ(sound.GetFrequency(sound.CreateEmptyBuffer(first)), 22050);
    EXPECT_EQ(sound.CreateEmptyBuffer(-1), -1);
    EXPECT_FALSE(sound.RefillBuffer(first));  // nothing kept once loaded
}

TEST(SoundSystemDeviceListTest, KeepsTheFirstTenOutputDevices) {
    struct NamedDevice : NullAudioDevice {
        std::vector<std::string> OutputDeviceNames() const override { return std::vector<std::string>(12, "out"); }
    };
    std::vector<std::string> list{"stale"};
    SoundSystem(std::make_unique<NamedDevice>()).GetDeviceList(&list);
    EXPECT_EQ(list, std::vector<std::string>(10, "out"));
}

TEST_F(SoundSystemTest, WithoutADeviceLoadsFailAndPlaysDoNothing) {
    sound_ = std::make_unique<SoundSystem>(nullptr);
    EXPECT_EQ(LoadTone(), -1);
    sound_->PlayMusic(0, 1);
    sound_->FadeOutMusic();
    sound_->Update();
    EXPECT_FALSE(sound_->IsPlaying(0));
}

class SoundLoadTest : public SoundSystemTest {
protected:
    void SetUp() override { ASSERT_TRUE(MakeFolder(ProgramFilePath("SE"))); }
    void TearDown() override {
        std::remove(path_.c_str());
        ClearResources();
    }
    // The registry keeps a pointer to the entry.
    void Register(const Bytes& stored) {
        entry_ = {"SE", "#7001", stored.data(), stored.size()};
        RegisterResources(&entry_, 1);
    }
    const std::string path_ = ComposeProgramPath("#7001", "SE", ".ogg");
    const Bytes ogg_ = EncodeOgg(Sine(800, 1, 0.5f, 0.01f), 1, kRate, 1);
    const Bytes corrupt_ = Bytes(600, 0x11);
    EmbeddedResource entry_{};
};

TEST_F(SoundLoadTest, ResourceIsUnscrambledAndDecodedWhileTheHandleIsUnset) {
    Bytes scrambled = ogg_;
    UnscrambleResource(scrambled.data(), scrambled.data(), static_cast<int>(scrambled.size()));
    Register(scrambled);
    int handle = -1;
    int missing = -1;
    sound_->Load(&handle, "#7001", "SE");
    EXPECT_EQ(handle, 0);
    sound_->Load(&handle, "#7001", "SE");
    sound_->Load(&missing, "#7002", "SE");
    EXPECT_EQ(std::tuple(LoadTone(), missing), std::tuple(1, -1));
}

TEST_F(SoundLoadTest, LooseFileReplacesTheResource) {
    Register(corrupt_);
    ASSERT_TRUE(WriteFileBytes(path_, ogg_.data(), ogg_.size()));
    int handle = -1;
    sound_->Load(&handle, "#7001", "SE");
    EXPECT_EQ(handle, 0);
    // Taken even when it cannot be decoded.
    ASSERT_TRUE(WriteFileBytes(path_, corrupt_.data(), corrupt_.size()));
    int second = -1, absent = -1;
    sound_->Load(&second, "#7001", "SE");
    sound_->LoadFile(&absent, ProgramFilePath("SE/none.ogg"));
    EXPECT_EQ(std::tuple(second, absent), std::tuple(-1, -1));
}

TEST_F(SoundLoadTest, ALooseFileThatIsAPipeIsPassedOverForTheResource) {
    Bytes scrambled = ogg_;
    UnscrambleResource(scrambled.data(), scrambled.data(), static_cast<int>(scrambled.size()));
    Register(scrambled);
    std::remove(path_.c_str());
    ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    int handle = -1;
    EXPECT_TRUE(ReturnsPromptlyBeside(path_, [&] { sound_->Load(&handle, "#7001", "SE"); }));
    EXPECT_EQ(handle, 0);
}

TEST_F(SoundSystemTest, ReleaseLogsItsSteps) {
    LoadTone();
    AppendLog(kDeviceLog, "");
    sound_.reset();
    EXPECT_EQ(ReadTextFile(ProgramFilePath(kDeviceLog)),
              "Release Wave Binary.\n -> Finished.\nRestore Sound Device.\n -> Finished.\n"
              "Release Primary Buffer.\n -> Finished.\nRelease Sound Device.\n -> Finished.\n");
}

}  // namespace

TEST(SoundSystemMasterTest, TheMasterFrequencyIsTheMixersOutputRate) {
    EXPECT_EQ(SoundSystem(std::make_unique<Mixer>(48000)).GetMasterFrequency(), 48000);
    EXPECT_EQ(SoundSystem(nullptr).GetMasterFrequency(), 0);
}
