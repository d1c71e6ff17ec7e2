#include "tools/assetgen/sounds/MelodyReader.h"

#include <cctype>
#include <string>

bool MelodyReader::Read(const ScoreLine& line)
{
    text_ = &line.text;
    line_ = line.number;
    pos_ = 0;
    while (pos_ < text_->size()) {
        if (!Step()) {
            return false;
        }
    }
    return true;
}

bool MelodyReader::Step()
{
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>((*text_)[pos_++])));
    if (c == ' ' || c == '\t' || c == '\r') {
        return true;
    }
    if (c == '>' || c == '<') {
        octave_ += c == '>' ? 1 : -1;
        return true;
    }
    if (c == '|') {
        return IsBarBoundary(pattern_.beats, beatsPerBar_) || error_.Fail(line_, "bar line off the bar");
    }
    if (c == 'o' || c == 'l' || c == 'v') {
        return ReadSetting(c);
    }
    if (c == 'r') {
        double beats = 0.0;
        if (!ReadDuration(beats)) {
            return false;
        }
        pattern_.beats += beats;
        return true;
    }
    if (c >= 'a' && c <= 'g') {
        return ReadNote(c);
    }
    return error_.Fail(line_, std::string("unexpected '") + c + "' in a melody");
}

bool MelodyReader::ReadSetting(char which)
{
    int value = 0;
    if (!ReadDigits(value)) {
        return error_.Fail(line_, std::string("'") + which + "' needs a number");
    }
    if (which == 'o') {
        octave_ = value;
    } else if (which == 'l') {
        if (value <= 0) {
            return error_.Fail(line_, "length must be positive");
        }
        length_ = 4.0 / value;
    } else {
        velocity_ = static_cast<float>(value) / 10.0f;
    }
    return true;
}

bool MelodyReader::ReadNote(char letter)
{
    static const int kPitchClass[7] = {9, 11, 0, 2, 4, 5, 7};
    int pitch = 12 * (octave_ + 1) + kPitchClass[letter - 'a'];
    while (Peek() == '+' || Peek() == '#' || Peek() == '-') {
        pitch += (*text_)[pos_++] == '-' ? -1 : 1;
    }
    double beats = 0.0;
    if (!ReadDuration(beats)) {
        return false;
    }
    if (pitch < 0 || pitch > 127) {
        return error_.Fail(line_, "note out of range");
    }
    pattern_.notes.push_back({pattern_.beats, beats, pitch, false, velocity_});
    pattern_.beats += beats;
    return true;
}

bool MelodyReader::ReadDuration(double& beats)
{
    if (!ReadLength(beats)) {
        return false;
    }
    while (Peek() == '^') {
        ++pos_;
        double tied = 0.0;
        if (!ReadLength(tied)) {
            return false;
        }
        beats += tied;
    }
    return true;
}

bool MelodyReader::ReadLength(double& beats)
{
    int value = 0;
    beats = length_;
    if (ReadDigits(value)) {
        if (value <= 0) {
            return error_.Fail(line_, "length must be positive");
        }
        beats = 4.0 / value;
    }
    double extra = beats;
    while (Peek() == '.') {
        ++pos_;
        extra *= 0.5;
        beats += extra;
    }
    return true;
}

bool MelodyReader::ReadDigits(int& value)
{
    const size_t start = pos_;
    value = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek())) && pos_ - start < 4) {
        value = value * 10 + ((*text_)[pos_++] - '0');
    }
    return pos_ > start;
}
