#include "engine/SoundSystem.h"

#include <algorithm>
#include <vector>

#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"
#include "engine/OggDecoder.h"
#include "engine/ResourceLoader.h"
#include "engine/WaveReader.h"

namespace {

constexpr int kFadeStep = 10;
constexpr int kFadeEnd = -5000;

}  // namespace

SoundSystem::SoundSystem(std::unique_ptr<AudioDevice> device) : device_(std::move(device)) {
    next_.fill(-1);
    if (device_ != nullptr) {
        deviceList_ = device_->OutputDeviceNames();
        deviceList_.resize(std::min(deviceList_.size(), kMaxListedDevices));
    }
}

SoundSystem::~SoundSystem() {
    Release();
}

void SoundSystem::Load(int* slot, const char* name, const char* type) {
    if (*slot != -1) {
        return;
    }
    const std::string path = ComposeProgramPath(name, type, ".ogg");
    std::vector<unsigned char> ogg;
    // A loose file that cannot be read (a pipe or a folder is refused) replaces nothing.
    if (!ReadWholeFile(path, &ogg, kMaxWaveImageBytes)) {
        ogg = ReadResource(type, name);
    }
    *slot = LoadOgg(ogg.data(), ogg.size());
}

void SoundSystem::LoadFile(int* slot, const std::string& path) {
    if (*slot != -1 || !FileExists(path)) {
        return;
    }
    // Vorbis takes fewer bytes than the samples it decodes to: a longer file
    // could only fail once decoded.
    std::vector<unsigned char> ogg;
    ReadWholeFile(path, &ogg, kMaxWaveImageBytes);
    *slot = LoadOgg(ogg.data(), ogg.size());
}

int SoundSystem::LoadOgg(const unsigned char* ogg, size_t size) {
    if (device_ == nullptr) {
        return -1;  // nothing could hold the sound: spare the decoding
    }
    WaveImage image;
    size_t imageSize = 0;
    if (!DecodeOggToWav(ogg, size, &image, &imageSize)) {
        return -1;
    }
    return CreateFromWave(image.get(), imageSize);
}

// Round robin from where the last search stopped; a full table gives -1 and
// leaves the start where it was.
int SoundSystem::FindFreeSlot() {
    for (int probe = 0; probe < kSlotCount; ++probe) {
        const int slot = (searchIndex_ + probe) % kSlotCount;
        if (!IsLoaded(slot)) {
            searchIndex_ = slot;
            return slot;
        }
    }
    return -1;
}

int SoundSystem::CreateFromWave(const void* image, size_t size) {
    if (device_ == nullptr) {
        return -1;
    }
    const int slot = FindFreeSlot();
    WaveData wave;
    if (slot < 0 || !ReadWave(static_cast<const unsigned char*>(image), size, &wave) ||
        !device_->CreateBuffer(slot, wave.format, wave.samples, wave.bytes)) {
        return -1;
    }
    sizes_[slot] = wave.bytes;
    data_[slot] = {};
    return slot;
}

bool SoundSystem::IsLoaded(int id) const {
    return IsSlot(id) && device_ != nullptr && device_->HasBuffer(id);
}

void SoundSystem::Play(int8_t id, int loopIndex) {
    if (IsLoaded(id)) {
        device_->Play(id, loopIndex == 1);
    }
}

void SoundSystem::PlayAt(int8_t id, int, const Vec3* position) {
    SetPan(id, static_cast<int>(position->x) * 500);
    Play(id, 0);
}

void SoundSystem::Stop(int8_t id) {
    if (IsLoaded(id)) {
        device_->Stop(id);
        next_[id] = -1;
    }
}

bool SoundSystem::IsPlaying(int8_t id) const {
    return IsLoaded(id) && device_->IsPlaying(id);
}

void SoundSystem::PlayMusic(int8_t id, int loopIndex) {
    StopMusic();
    if (IsSlot(id)) {
        fading_[id] = false;
    }
    Play(id, loopIndex);
    currentMusic_ = id;
}

void SoundSystem::StopMusic() {
    if (currentMusic_ != -1) {
        if (IsSlot(currentMusic_)) {
            fading_[currentMusic_] = false;
        }
        Stop(static_cast<int8_t>(currentMusic_));
        currentMusic_ = -1;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SetVolume(static_cast<int8_t>(slot), 0);
    }
}

void SoundSystem::FadeOutMusic() {
    if (IsSlot(currentMusic_)) {
        fading_[currentMusic_] = true;
    }
}

void SoundSystem::SetVolume(int8_t id, int volume) {
    if (IsLoaded(id)) {
        device_->SetVolume(id, volume);
    }
}

int SoundSystem::GetVolume(int8_t id) const {
    return IsLoaded(id) ? device_->GetVolume(id) : 0;
}

void SoundSystem::SetPan(int8_t id, int pan) {
    if (IsLoaded(id)) {
        device_->SetPan(id, pan);
    }
}

void SoundSystem::SetMasterPan(int pan) {
    if (device_ != nullptr) {
        device_->SetMasterPan(pan);
    }
}

void SoundSystem::Update() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int8_t id = static_cast<int8_t>(slot);
        if (next_[slot] >= 0 && !IsPlaying(id)) {
            Play(static_cast<int8_t>(next_[slot]), nextLoop_[slot]);
            currentMusic_ = next_[slot];
            next_[slot] = -1;
        }
        if (!fading_[slot] || !IsLoaded(id)) {
            continue;
        }
        const int volume = GetVolume(id) - kFadeStep;
        SetVolume(id, volume);
        if (volume <= kFadeEnd) {
            Stop(id);
            fading_[slot] = false;
        }
    }
}

void SoundSystem::Release() {
    AppendLog(kDeviceLog, "Release Wave Binary.\n");
    for (int slot = 0; slot < kSlotCount && device_ != nullptr; ++slot) {
        device_->ReleaseBuffer(slot);
        data_[slot] = {};
    }
    AppendLog(kDeviceLog, kStepFinished);
    AppendLog(kDeviceLog, "Restore Sound Device.\n");
    SetMasterPan(0);
    AppendLog(kDeviceLog, kStepFinished);
    LogDeviceStep("Release Primary Buffer.\n", kStepFinished);
    AppendLog(kDeviceLog, "Release Sound Device.\n");
    device_.reset();
    AppendLog(kDeviceLog, kStepFinished);
}

void SoundSystem::QueueFollowUp(int8_t id, int8_t next, int loopIndex) {
    if (IsSlot(id)) {
        next_[id] = next;
        nextLoop_[id] = loopIndex;
    }
}

void SoundSystem::SetMasterVolume(int volume) {
    if (device_ != nullptr) {
        device_->SetMasterVolume(volume - 10000);
    }
}

int SoundSystem::GetMasterVolume() const {
    return device_ != nullptr ? device_->GetMasterVolume() + 10000 : 0;
}

int SoundSystem::GetMasterPan() const {
    return device_ != nullptr ? device_->GetMasterPan() : 0;
}

int SoundSystem::GetMasterFrequency() const {
    return device_ != nullptr ? device_->OutputRate() : 0;
}

int SoundSystem::GetPan(int8_t id) const {
    return IsLoaded(id) ? device_->GetPan(id) : 0;
}

void SoundSystem::SetFrequency(int8_t id, int frequency) {
    if (IsLoaded(id)) {
        device_->SetFrequency(id, frequency);
    }
}

int SoundSystem::GetFrequency(int8_t id) const {
    return IsLoaded(id) ? device_->GetFrequency(id) : 0;
}

int SoundSystem::CreateEmptyBuffer(int8_t id) {
    if (!IsLoaded(id)) {
        return -1;
    }
    const int slot = FindFreeSlot();
    const std::vector<unsigned char> silence(sizes_[id]);
    const PcmFormat format{1, 16, 22050};
    if (slot < 0 || !device_->CreateBuffer(slot, format, silence.data(), silence.size())) {
        return -1;
    }
    sizes_[slot] = silence.size();
    return slot;
}

bool SoundSystem::RefillBuffer(int8_t id) {
    if (!IsLoaded(id) || data_[id].empty()) {
        return false;
    }
    return device_->WriteBuffer(id, data_[id].data(), data_[id].size());
}

SoundSystem* g_sound = nullptr;
