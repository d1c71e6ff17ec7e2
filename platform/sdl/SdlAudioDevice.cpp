#include "platform/sdl/SdlAudioDevice.h"

namespace {

constexpr int kFallbackRate = 48000;
constexpr Uint16 kCallbackFrames = 1024;

int NativeOutputRate() {
    char* name = nullptr;
    SDL_AudioSpec spec{};
    const bool known = SDL_GetDefaultAudioInfo(&name, &spec, 0) == 0 && spec.freq > 0;
    SDL_free(name);
    return known ? spec.freq : kFallbackRate;
}

}  // namespace

// Each instance holds one reference on SDL's audio subsystem.
SdlAudioDevice::SdlAudioDevice(int outputRate) : Mixer(outputRate) {}

SdlAudioDevice::~SdlAudioDevice() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<SdlAudioDevice> SdlAudioDevice::Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return nullptr;
    }
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    std::unique_ptr<SdlAudioDevice> device(new SdlAudioDevice(NativeOutputRate()));
    SDL_AudioSpec wanted{};
    wanted.freq = device->OutputRate();
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kCallbackFrames;
    wanted.callback = &SdlAudioDevice::Callback;
    wanted.userdata = device.get();
    // No changes allowed: SDL converts to whatever the hardware takes.
    device->device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device->device_ == 0) {
        return nullptr;
    }
    SDL_PauseAudioDevice(device->device_, 0);
    return device;
}

void SdlAudioDevice::Callback(void* self, Uint8* stream, int bytes) {
    const size_t frames = static_cast<size_t>(bytes) / (2 * sizeof(int16_t));
    static_cast<SdlAudioDevice*>(self)->Mix(reinterpret_cast<int16_t*>(stream), frames);
}

std::vector<std::string> SdlAudioDevice::OutputDeviceNames() const {
    std::vector<std::string> names;
    const int count = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, 0);
        names.push_back(name != nullptr ? name : "");
    }
    return names;
}
