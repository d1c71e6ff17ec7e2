#include "platform/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t kChunkFrames = 256;

// Hundredths of a decibel to a linear factor.
float Attenuation(int hundredthsOfDb) {
    return static_cast<float>(std::pow(10.0, hundredthsOfDb / 2000.0));
}

// A positive pan attenuates the left channel, a negative one the right.
void PanGains(int pan, float gain, float* left, float* right) {
    *left = pan > 0 ? gain * Attenuation(-pan) : gain;
    *right = pan < 0 ? gain * Attenuation(pan) : gain;
}

bool IsValidFormat(const PcmFormat& format) {
    return (format.channels == 1 || format.channels == 2) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           format.sampleRate >= AudioDevice::kMinFrequency &&
           format.sampleRate <= AudioDevice::kMaxFrequency;
}

size_t BlockAlign(const PcmFormat& format) {
    return static_cast<size_t>(format.channels) * static_cast<size_t>(format.bitsPerSample / 8);
}

// One channel's sample of a frame, for one sample layout.
template <int Bits, int Channels>
float SampleAt(const unsigned char* pcm, size_t frame, int channel) {
    const unsigned char* p = pcm + (frame * Channels + static_cast<size_t>(channel)) * (Bits / 8);
    if constexpr (Bits == 8) {
        return (p[0] - 128) * 256.0f;
    } else {
        return static_cast<int16_t>(p[0] | (p[1] << 8));
    }
}

int16_t ClipToSample(float value) {
    const long rounded = std::lrint(value);
    return static_cast<int16_t>(std::clamp<long>(rounded, INT16_MIN, INT16_MAX));
}

}  // namespace

Mixer::Mixer(int outputRate) : outputRate_(outputRate) {}

Mixer::Voice* Mixer::Find(int index) {
    if (index < 0 || index >= kBufferCount || voices_[index].frames == 0) {
        return nullptr;
    }
    return &voices_[index];
}

const Mixer::Voice* Mixer::Find(int index) const {
    return const_cast<Mixer*>(this)->Find(index);
}

bool Mixer::CreateBuffer(int index, const PcmFormat& format, const unsigned char* pcm,
                         size_t bytes) {
    if (index < 0 || index >= kBufferCount || !IsValidFormat(format) ||
        bytes < BlockAlign(format)) {
        return false;
    }
    // Copy outside the lock; the old samples are freed after it.
    std::vector<unsigned char> samples(pcm, pcm + bytes);
    std::lock_guard<std::mutex> lock(mutex_);
    Voice& voice = voices_[index];
    voice = Voice();
    voice.pcm.swap(samples);
    voice.format = format;
    voice.frames = bytes / BlockAlign(format);
    voice.frequency = format.sampleRate;
    return true;
}

void Mixer::ReleaseBuffer(int index) {
    std::vector<unsigned char> released;
    std::lock_guard<std::mutex> lock(mutex_);
    if (Voice* voice = Find(index)) {
        released.swap(voice->pcm);
        *voice = Voice();
    }
}

bool Mixer::WriteBuffer(int index, const unsigned char* pcm, size_t bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    Voice* voice = Find(index);
    if (voice == nullptr) {
        return false;
    }
    std::copy_n(pcm, std::min(bytes, voice->pcm.size()), voice->pcm.begin());
    return true;
}

bool Mixer::HasBuffer(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return Find(index) != nullptr;
}

void Mixer::Play(int index, bool looping) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (Voice* voice = Find(index)) {
        voice->position = 0;
        voice->playing = true;
        voice->looping = looping;
    }
}

void Mixer::Stop(int index) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (Voice* voice = Find(index)) {
        voice->playing = false;
    }
}

bool Mixer::IsPlaying(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Voice* voice = Find(index);
    return voice != nullptr && voice->playing;
}

size_t Mixer::GetPosition(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Voice* voice = Find(index);
    if (voice == nullptr) {
        return 0;
    }
    return static_cast<size_t>(voice->position >> 32) * BlockAlign(voice->format);
}

bool Mixer::SetVolume(int index, int volume) {
    std::lock_guard<std::mutex> lock(mutex_);
    Voice* voice = Find(index);
    if (voice == nullptr || volume < kMinVolume || volume > 0) {
        return false;
    }
    voice->volume = volume;
    return true;
}

int Mixer::GetVolume(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Voice* voice = Find(index);
    return voice == nullptr ? 0 : voice->volume;
}

bool Mixer::SetPan(int index, int pan) {
    std::lock_guard<std::mutex> lock(mutex_);
    Voice* voice = Find(index);
    if (voice == nullptr || pan < -kMaxPan || pan > kMaxPan) {
        return false;
    }
    voice->pan = pan;
    return true;
}

int Mixer::GetPan(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Voice* voice = Find(index);
    return voice == nullptr ? 0 : voice->pan;
}

bool Mixer::SetFrequency(int index, int frequency) {
    std::lock_guard<std::mutex> lock(mutex_);
    Voice* voice = Find(index);
    if (voice == nullptr) {
        return false;
    }
    if (frequency == 0) {
        frequency = voice->format.sampleRate;
    }
    if (frequency < kMinFrequency || frequency > kMaxFrequency) {
        return false;
    }
    voice->frequency = frequency;
    return true;
}

bool Mixer::SetMasterPan(int pan) {
    if (pan < -kMaxPan || pan > kMaxPan) {
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    masterPan_ = pan;
    return true;
}

int Mixer::GetFrequency(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Voice* voice = Find(index);
    return voice == nullptr ? 0 : voice->frequency;
}

int Mixer::GetMasterPan() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return masterPan_;
}

bool Mixer::SetMasterVolume(int volume) {
    if (volume < kMinVolume || volume > 0) {
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    masterVolume_ = volume;
    return true;
}

int Mixer::GetMasterVolume() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return masterVolume_;
}

// Linear interpolation between neighbouring frames; a looping buffer's last
// frame leads into its first, a one-shot buffer holds its last frame. Made
// for each sample layout, so that the loop over the output reads samples
// directly: it runs for every playing voice and every output frame.
template <int Bits, int Channels>
void Mixer::MixVoiceAs(Voice& voice, float* sum, size_t frames) const {
    float left = 0.0f;
    float right = 0.0f;
    PanGains(voice.pan, Attenuation(voice.volume), &left, &right);
    const uint64_t step = (static_cast<uint64_t>(voice.frequency) << 32) / outputRate_;
    const uint64_t length = static_cast<uint64_t>(voice.frames) << 32;
    // Before the last frame the next frame is simply the one after.
    const uint64_t lastFrame = static_cast<uint64_t>(voice.frames - 1) << 32;
    const unsigned char* pcm = voice.pcm.data();
    uint64_t position = voice.position;
    for (size_t i = 0; i < frames; ++i) {
        const size_t frame = static_cast<size_t>(position >> 32);
        size_t next = frame + 1;
        if (position >= lastFrame) {
            next = voice.looping ? 0 : frame;
        }
        const float fraction = static_cast<float>(static_cast<uint32_t>(position)) * 0x1p-32f;
        const float l0 = SampleAt<Bits, Channels>(pcm, frame, 0);
        const float l1 = SampleAt<Bits, Channels>(pcm, next, 0);
        const float l = l0 + (l1 - l0) * fraction;
        sum[2 * i] += l * left;
        if constexpr (Channels == 2) {
            const float r0 = SampleAt<Bits, Channels>(pcm, frame, 1);
            const float r1 = SampleAt<Bits, Channels>(pcm, next, 1);
            sum[2 * i + 1] += (r0 + (r1 - r0) * fraction) * right;
        } else {
            sum[2 * i + 1] += l * right;
        }
        position += step;
        if (position >= length) {
            if (!voice.looping) {
                voice.playing = false;
                voice.position = 0;
                return;
            }
            position %= length;
        }
    }
    voice.position = position;
}

void Mixer::MixVoice(Voice& voice, float* sum, size_t frames) const {
    const bool stereo = voice.format.channels == 2;
    if (voice.format.bitsPerSample == 8) {
        stereo ? MixVoiceAs<8, 2>(voice, sum, frames) : MixVoiceAs<8, 1>(voice, sum, frames);
    } else {
        stereo ? MixVoiceAs<16, 2>(voice, sum, frames) : MixVoiceAs<16, 1>(voice, sum, frames);
    }
}

void Mixer::Mix(int16_t* out, size_t frames) {
    std::lock_guard<std::mutex> lock(mutex_);
    float masterLeft = 0.0f;
    float masterRight = 0.0f;
    PanGains(masterPan_, Attenuation(masterVolume_), &masterLeft, &masterRight);
    float sum[2 * kChunkFrames];
    for (size_t done = 0; done < frames;) {
        const size_t count = std::min(kChunkFrames, frames - done);
        std::memset(sum, 0, sizeof(float) * 2 * count);
        for (Voice& voice : voices_) {
            if (voice.playing) {
                MixVoice(voice, sum, count);
            }
        }
        for (size_t i = 0; i < count; ++i) {
            out[2 * (done + i)] = ClipToSample(sum[2 * i] * masterLeft);
            out[2 * (done + i) + 1] = ClipToSample(sum[2 * i + 1] * masterRight);
        }
        done += count;
    }
}
