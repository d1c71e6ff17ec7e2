#include "tools/assetgen/sounds/ChordSymbol.h"

#include "tools/assetgen/sounds/ScoreText.h"

#include <map>

namespace {

bool ChordQuality(const std::string& name, std::vector<int>& intervals)
{
    static const std::map<std::string, std::vector<int>> kQualities = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},      {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"sus2", {0, 2, 7}},      {"sus4", {0, 5, 7}},       {"dim", {0, 3, 6}},
        {"aug", {0, 4, 8}},      {"5", {0, 7}},            {"add9", {0, 4, 7, 14}},   {"madd9", {0, 3, 7, 14}},
        {"m9", {0, 3, 7, 10, 14}}, {"6", {0, 4, 7, 9}},    {"m6", {0, 3, 7, 9}},      {"7sus4", {0, 5, 7, 10}},
    };
    const auto found = kQualities.find(name);
    if (found == kQualities.end()) {
        return false;
    }
    intervals = found->second;
    return true;
}

} // namespace

bool ParseChord(const std::string& word, int beatsPerBar, Chord& chord)
{
    static const int kPitchClass[7] = {9, 11, 0, 2, 4, 5, 7};
    if (word.empty() || word[0] < 'A' || word[0] > 'G') {
        return false;
    }
    chord.root = kPitchClass[word[0] - 'A'];
    size_t pos = 1;
    if (pos < word.size() && (word[pos] == '#' || word[pos] == 'b')) {
        chord.root += word[pos] == '#' ? 1 : -1;
        ++pos;
    }
    chord.root = (chord.root + 12) % 12;
    const size_t colon = word.find(':');
    chord.beats = beatsPerBar;
    if (colon != std::string::npos && (!ParseNumber(word.substr(colon + 1), chord.beats) || chord.beats <= 0.0)) {
        return false;
    }
    return ChordQuality(word.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos),
                        chord.intervals);
}
