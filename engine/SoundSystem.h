// The sound manager: up to 64 whole decoded sounds held as static buffers of
// the audio device and addressed by slot index (-1 = not loaded), the current
// music and its fade-out.
//
// Sound ids are signed bytes: callers pass the low byte of an int handle, so
// -1 stays -1. An id outside 0..63 or a slot without a sound does nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/VectorMath.h"
#include "platform/AudioDevice.h"

class SoundSystem {
public:
    static constexpr int kSlotCount = AudioDevice::kBufferCount;
    static constexpr size_t kMaxListedDevices = 10;

    // Without a device every load fails and every play does nothing.
    explicit SoundSystem(std::unique_ptr<AudioDevice> device);
    ~SoundSystem();

    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Only while *slot is -1: a loose file <program folder>/<type>/<name
    // without its '#'>.ogg replaces the resource of that type and name.
    void Load(int* slot, const char* name, const char* type);
    // Only while *slot is -1 and the Ogg Vorbis file exists.
    void LoadFile(int* slot, const std::string& path);
    // Puts a PCM WAVE image into the next free slot; its index, or -1.
    int CreateFromWave(const void* image, size_t size);

    // Restarts the sound from its beginning; loopIndex 1 loops, any other plays once.
    void Play(int8_t id, int loopIndex);
    // Plays the sound once, panned by the integer part of position->x times 500.
    void PlayAt(int8_t id, int, const Vec3* position);
    void Stop(int8_t id);
    bool IsPlaying(int8_t id) const;
    // Marked to fade out by FadeOutMusic and not yet faded away.
    bool IsFading(int8_t id) const { return IsSlot(id) && fading_[id]; }
    bool IsLoaded(int id) const;

    // Stops the current music and starts id as the new one.
    void PlayMusic(int8_t id, int loopIndex);
    // Stops the current music, then sets every slot back to full volume.
    void StopMusic();
    // Marks the current music to fade out in Update.
    void FadeOutMusic();

    // Volume and pan in hundredths of a decibel (see AudioDevice).
    void SetVolume(int8_t id, int volume);
    int GetVolume(int8_t id) const;
    void SetPan(int8_t id, int pan);
    void SetMasterPan(int pan);

    // Once per frame: a slot that has stopped starts its queued follow-up as
    // the current music; a fading slot loses 10 per frame and stops at -5000.
    void Update();
    // Frees every sound and the device, with its lines in the device log.
    void Release();

    // Operations nothing in the game calls.
    // The first ten output devices, as they were when the manager was made.
    void GetDeviceList(std::vector<std::string>* out) const { *out = deviceList_; }
    // Once id has stopped, Update plays next (with that loop index) as the music.
    void QueueFollowUp(int8_t id, int8_t next, int loopIndex);
    // 0 (silent) .. 10000 (full).
    void SetMasterVolume(int volume);
    int GetMasterVolume() const;
    int GetMasterPan() const;
    // The rate the device mixes its output at, in Hz; 0 without a device.
    int GetMasterFrequency() const;
    int GetPan(int8_t id) const;
    // Hz; 0 returns to the sound's own rate.
    void SetFrequency(int8_t id, int frequency);
    int GetFrequency(int8_t id) const;
    // A silent mono 22050 Hz 16-bit sound of id's byte size in the next free slot; its index, or -1.
    int CreateEmptyBuffer(int8_t id);
    // Copies the slot's kept data back into its samples, as a lost buffer
    // would need. Our mixer never loses a buffer, and no slot keeps its data
    // once loaded, so this finds nothing to copy: false.
    bool RefillBuffer(int8_t id);

private:
    static bool IsSlot(int id) { return id >= 0 && id < kSlotCount; }
    int FindFreeSlot();
    int LoadOgg(const unsigned char* ogg, size_t size);

    std::unique_ptr<AudioDevice> device_;
    int currentMusic_ = -1;
    int searchIndex_ = 0;
    std::array<bool, kSlotCount> fading_{};
    std::array<std::vector<unsigned char>, kSlotCount> data_;  // kept PCM; released once loaded
    std::array<size_t, kSlotCount> sizes_{};
    std::array<int, kSlotCount> next_;
    std::array<int, kSlotCount> nextLoop_{};
    std::vector<std::string> deviceList_;
};

// The one sound manager, created by the program entry.
extern SoundSystem* g_sound;
