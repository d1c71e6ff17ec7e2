// What the sound manager needs of a sound device: a fixed set of static PCM
// buffers, one voice each, with volume and pan in hundredths of a decibel and
// a play frequency, in the manner of DirectSound's secondary buffers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// PCM layout of a buffer: 8-bit unsigned or 16-bit signed little-endian
// samples, channels interleaved.
struct PcmFormat {
    int channels = 0;
    int bitsPerSample = 0;
    int sampleRate = 0;
};

class AudioDevice {
public:
    static constexpr int kBufferCount = 64;
    static constexpr int kMinVolume = -10000;  // silence
    static constexpr int kMaxPan = 10000;      // the left channel silent
    static constexpr int kMinFrequency = 100;
    static constexpr int kMaxFrequency = 200000;

    virtual ~AudioDevice() = default;

    // Copies the PCM into buffer index (releasing what was there) at full
    // volume, centred, at its own rate, stopped. False when the index or the
    // format is invalid or the bytes hold no whole frame.
    virtual bool CreateBuffer(int index, const PcmFormat& format, const unsigned char* pcm,
                              size_t bytes) = 0;
    virtual void ReleaseBuffer(int index) = 0;
    // Copies pcm over the buffer's samples from their start, no more than
    // they hold; play state, volume, pan and rate stay. False without a buffer.
    virtual bool WriteBuffer(int index, const unsigned char* pcm, size_t bytes) = 0;
    virtual bool HasBuffer(int index) const = 0;

    // Starts the buffer from its beginning, also when it is playing.
    virtual void Play(int index, bool looping) = 0;
    virtual void Stop(int index) = 0;
    virtual bool IsPlaying(int index) const = 0;
    // Byte offset of the play cursor.
    virtual size_t GetPosition(int index) const = 0;

    // kMinVolume..0; a value out of range is refused and changes nothing.
    virtual bool SetVolume(int index, int volume) = 0;
    virtual int GetVolume(int index) const = 0;
    // -kMaxPan (right silent) .. kMaxPan (left silent); out of range refused.
    virtual bool SetPan(int index, int pan) = 0;
    virtual int GetPan(int index) const = 0;
    // Play rate in Hz, kMinFrequency..kMaxFrequency; 0 returns to the buffer's own rate.
    virtual bool SetFrequency(int index, int frequency) = 0;
    virtual int GetFrequency(int index) const = 0;
    // Pan of the whole output, by the same law as a buffer's.
    virtual bool SetMasterPan(int pan) = 0;
    virtual int GetMasterPan() const = 0;
    // Rate of the mixed output in Hz.
    virtual int OutputRate() const = 0;
    // Volume of the whole output, kMinVolume..0.
    virtual bool SetMasterVolume(int volume) = 0;
    virtual int GetMasterVolume() const = 0;
    // Names of the output devices the system offers.
    virtual std::vector<std::string> OutputDeviceNames() const = 0;
};
