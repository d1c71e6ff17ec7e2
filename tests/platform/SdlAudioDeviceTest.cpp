#include "platform/sdl/SdlAudioDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The tests run with SDL_AUDIODRIVER=dummy: a silent device that consumes
// output at the real rate.
TEST(SdlAudioDeviceTest, MixesInTheBackgroundUntilABufferEnds) {
    std::unique_ptr<SdlAudioDevice> device = SdlAudioDevice::Open();
    ASSERT_NE(device, nullptr);
    EXPECT_GT(device->OutputRate(), 0);
    EXPECT_EQ(device->OutputDeviceNames().size(), static_cast<size_t>(std::max(0, SDL_GetNumAudioDevices(0))));
    // A tenth of a second of a mono sound.
    const std::vector<unsigned char> pcm(2 * 2205, 0x40);
    ASSERT_TRUE(device->CreateBuffer(7, {1, 16, 22050}, pcm.data(), pcm.size()));
    device->Play(7, false);
    const Uint32 start = SDL_GetTicks();
    while (device->IsPlaying(7) && SDL_GetTicks() - start < 5000)
        SDL_Delay(10);
    EXPECT_FALSE(device->IsPlaying(7));
}

TEST(SdlAudioDeviceTest, NoDeviceGivesNull) {
    const char* saved = std::getenv("SDL_AUDIODRIVER");
    const std::string driver = saved == nullptr ? "" : saved;
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(SdlAudioDevice::Open(), nullptr);
    if (saved == nullptr) {
        unsetenv("SDL_AUDIODRIVER");
    } else {
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    }
}

}  // namespace
