// Level measurements and corrections shared by the effects, the music and
// their tests.
#pragma once

#include <cstddef>
#include <vector>

float PeakLevel(const std::vector<float>& samples);
float RmsLevel(const std::vector<float>& samples);
// The mean of each channel's samples (interleaved).
float DcOffset(const std::vector<float>& samples, int channels, int channel);
float ToDecibels(float level);
// How loud a sound is heard: the loudest 50 ms of it, in dB of RMS, measured
// after a high-pass that discounts the weak low bass (interleaved channels are
// measured together).
float ShortTermLoudness(const std::vector<float>& samples, int sampleRate, int channels = 1);
// Scales to the given short-term loudness, but never above the peak ceiling.
void ScaleToLoudness(std::vector<float>& samples, int sampleRate, int channels, float loudnessDb, float ceiling);
// Scales to the given RMS level over the whole sound, but never above the peak ceiling.
void ScaleToRms(std::vector<float>& samples, float rmsDb, float ceiling);
// Scales so that the largest magnitude is `peak`; silence stays silence.
void ScaleToPeak(std::vector<float>& samples, float peak);
// A linear fade to silence over the last `frames` samples (mono).
void FadeOutEnd(std::vector<float>& samples, size_t frames);
// Cuts the end after the last sample louder than `threshold`, with a short fade (mono).
void TrimSilentEnd(std::vector<float>& samples, float threshold, size_t fadeFrames);
// A gentle high-pass well below hearing, per channel (interleaved).
void RemoveDcOffset(std::vector<float>& samples, int channels = 1);
