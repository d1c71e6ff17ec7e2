// The software mixer behind every audio device: it holds the static buffers
// and mixes the playing ones into interleaved stereo 16-bit samples at the
// output rate. Each call is guarded, so the output thread may mix while the
// game thread starts and stops buffers.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/AudioDevice.h"

class Mixer : public AudioDevice {
public:
    explicit Mixer(int outputRate);

    int OutputRate() const override { return outputRate_; }
    // Writes frames stereo frames and advances every playing buffer by as
    // much: each buffer resampled from its play frequency, scaled by its
    // volume and pan, summed, scaled by the master pan and clipped.
    void Mix(int16_t* out, size_t frames);

    bool CreateBuffer(int index, const PcmFormat& format, const unsigned char* pcm,
                      size_t bytes) override;
    void ReleaseBuffer(int index) override;
    bool WriteBuffer(int index, const unsigned char* pcm, size_t bytes) override;
    bool HasBuffer(int index) const override;
    void Play(int index, bool looping) override;
    void Stop(int index) override;
    bool IsPlaying(int index) const override;
    size_t GetPosition(int index) const override;
    bool SetVolume(int index, int volume) override;
    int GetVolume(int index) const override;
    bool SetPan(int index, int pan) override;
    int GetPan(int index) const override;
    bool SetFrequency(int index, int frequency) override;
    int GetFrequency(int index) const override;
    bool SetMasterPan(int pan) override;
    int GetMasterPan() const override;
    bool SetMasterVolume(int volume) override;
    int GetMasterVolume() const override;
    // A mixer alone outputs nowhere.
    std::vector<std::string> OutputDeviceNames() const override { return {}; }

private:
    struct Voice {
        std::vector<unsigned char> pcm;
        PcmFormat format;
        size_t frames = 0;  // whole frames in pcm; 0 = no buffer
        int volume = 0;
        int pan = 0;
        int frequency = 0;
        uint64_t position = 0;  // frames, 32.32 fixed point
        bool playing = false;
        bool looping = false;
    };

    Voice* Find(int index);
    const Voice* Find(int index) const;
    void MixVoice(Voice& voice, float* sum, size_t frames) const;
    template <int Bits, int Channels>
    void MixVoiceAs(Voice& voice, float* sum, size_t frames) const;

    const int outputRate_;
    int masterPan_ = 0;
    int masterVolume_ = 0;
    std::array<Voice, kBufferCount> voices_;
    mutable std::mutex mutex_;
};
