// A script's timeline as rows held against the frame counters: each row
// names the counter it watches, the frames on which it fires (one frame or a
// range) and its action. Rows run in the order they are listed, each reading
// its counter afresh, so that a step change made by one row silences the
// step-frame rows after it in the same pass.
#pragma once

#include <climits>
#include <span>

enum class Clock { Step, Scene };

struct Cue {
    Clock clock;
    int first;
    int last;
    void (*action)();
};

constexpr Cue At(int frame, void (*action)()) { return {Clock::Step, frame, frame, action}; }
constexpr Cue During(int first, int last, void (*action)()) { return {Clock::Step, first, last, action}; }
constexpr Cue From(int first, void (*action)()) { return {Clock::Step, first, INT_MAX, action}; }
constexpr Cue Always(void (*action)()) { return {Clock::Step, INT_MIN, INT_MAX, action}; }
constexpr Cue AtScene(int frame, void (*action)()) { return {Clock::Scene, frame, frame, action}; }
constexpr Cue FromScene(int first, void (*action)()) { return {Clock::Scene, first, INT_MAX, action}; }

void RunCues(std::span<const Cue> cues);
