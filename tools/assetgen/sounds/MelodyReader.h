// Reads the notes of a melody: octaves, default lengths, notes with
// accidentals, dotted lengths and ties, rests, velocities and bar checks.
#pragma once

#include "tools/assetgen/sounds/Score.h"
#include "tools/assetgen/sounds/ScoreText.h"

#include <cstddef>

class MelodyReader {
public:
    MelodyReader(int beatsPerBar, Pattern& pattern, ParseError& error)
        : beatsPerBar_(beatsPerBar), pattern_(pattern), error_(error)
    {
    }

    // Adds one line's notes to the pattern; the octave, length and velocity carry on.
    bool Read(const ScoreLine& line);

private:
    bool Step();
    bool ReadSetting(char which);
    bool ReadNote(char letter);
    // A length (or the default), dots, then any ties.
    bool ReadDuration(double& beats);
    bool ReadLength(double& beats);
    bool ReadDigits(int& value);
    char Peek() const { return pos_ < text_->size() ? (*text_)[pos_] : '\0'; }

    int beatsPerBar_;
    Pattern& pattern_;
    ParseError& error_;
    const std::string* text_ = nullptr;
    int line_ = 0;
    size_t pos_ = 0;
    int octave_ = 4;
    double length_ = 0.5;
    float velocity_ = 0.8f;
};
