// A piece of music in our own note format, as parsed: tracks with their
// instruments, patterns (melodies, chord figures, drum grooves), sections
// that combine patterns over a chord progression, and the arrangement.
#pragma once

#include <map>
#include <string>
#include <vector>

enum class VoiceKind { Bass, Lead, Chip, Pluck, Pad, Bell, Drums };

enum class DrumKind { Kick, Snare, Clap, ClosedHat, OpenHat, Crash, Ride, LowTom, MidTom, HighTom, Rim, Swell };

struct TrackSetup {
    std::string name;
    VoiceKind voice = VoiceKind::Lead;
    double gain = 0.5;
    double pan = 0.0;    // -1 left .. 1 right
    double reverb = 0.0; // send levels
    double delay = 0.0;
    int low = 48;        // lowest pitch of chord figures (MIDI note)
    double bright = 1.0; // scales the instrument's filter cutoffs
    double gate = 0.9;   // part of each step a note sounds
};

enum class PatternKind { Melody, Figure, Groove };

// One note of a pattern, timed in beats from the pattern's start. In a
// melody `value` is a MIDI pitch; in a figure a chord-tone index (wholeChord
// plays every tone); in a groove a DrumKind.
struct PatternNote {
    double beat = 0.0;
    double beats = 0.0;
    int value = 0;
    bool wholeChord = false;
    float velocity = 0.8f;
};

struct Pattern {
    PatternKind kind = PatternKind::Melody;
    double beats = 0.0;
    std::vector<PatternNote> notes;
};

struct Chord {
    double beats = 0.0;
    int root = 0; // pitch class, 0 = C
    std::vector<int> intervals;
};

struct PatternUse {
    std::string pattern;
    int shift = 0; // semitones
};

struct SectionPart {
    std::string track;
    std::vector<PatternUse> patterns; // played in turn, cycling to fill the section
};

struct Section {
    int bars = 0;
    std::vector<Chord> chords; // cycling to fill the section
    std::vector<SectionPart> parts;
};

struct ArrangedSection {
    std::string section;
    int transpose = 0;
};

struct Score {
    double tempo = 120.0;
    int beatsPerBar = 4;
    bool loop = false;
    std::vector<TrackSetup> tracks;
    std::map<std::string, Pattern> patterns;
    std::map<std::string, Section> sections;
    std::vector<ArrangedSection> arrangement;

    double SecondsPerBeat() const { return 60.0 / tempo; }
};
