// The default SDL output device, opened at its own rate in stereo 16-bit,
// mixed by our mixer in SDL's audio callback. It keeps playing while the
// window is in the background.
#pragma once

#include <SDL.h>

#include <memory>

#include "platform/Mixer.h"

class SdlAudioDevice : public Mixer {
public:
    // Null when SDL audio cannot be started or no output device opened.
    static std::unique_ptr<SdlAudioDevice> Open();
    ~SdlAudioDevice() override;

    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    std::vector<std::string> OutputDeviceNames() const override;

private:
    explicit SdlAudioDevice(int outputRate);
    static void Callback(void* self, Uint8* stream, int bytes);

    SDL_AudioDeviceID device_ = 0;
};
