#include "tools/assetgen/sounds/ScoreParser.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

struct Line {
    int number = 0;
    std::string text;
};

struct Block {
    Line head;
    std::vector<Line> body;
};

class ParseError {
public:
    bool failed = false;
    std::string message;

    bool Fail(int line, const std::string& text)
    {
        if (!failed) {
            failed = true;
            message = "line " + std::to_string(line) + ": " + text;
        }
        return false;
    }
};

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream stream(text);
    std::string word;
    while (stream >> word) {
        words.push_back(word);
    }
    return words;
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t\r") == std::string::npos;
}

std::vector<Block> SplitBlocks(const std::string& text)
{
    std::vector<Block> blocks;
    std::istringstream stream(text);
    std::string raw;
    int number = 0;
    while (std::getline(stream, raw)) {
        ++number;
        const std::string line = raw.substr(0, raw.find(';'));
        if (IsBlank(line)) {
            continue;
        }
        if ((line[0] == ' ' || line[0] == '\t') && !blocks.empty()) {
            blocks.back().body.push_back({number, line});
        } else {
            blocks.push_back({{number, line}, {}});
        }
    }
    return blocks;
}

bool ParseNumber(const std::string& word, double& value)
{
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return !word.empty() && end == word.c_str() + word.size() && std::isfinite(value);
}

bool ParseInteger(const std::string& word, int& value)
{
    double number = 0.0;
    if (!ParseNumber(word, number) || number != std::floor(number) || std::fabs(number) > 1e6) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool IsBarBoundary(double beat, int beatsPerBar)
{
    const double bars = beat / beatsPerBar;
    return std::fabs(bars - std::round(bars)) < 1e-6;
}

// ---- melodies ----------------------------------------------------------

class MelodyReader {
public:
    MelodyReader(int beatsPerBar, Pattern& pattern, ParseError& error)
        : beatsPerBar_(beatsPerBar), pattern_(pattern), error_(error) {}

    bool Read(const Line& line)
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

private:
    bool Step()
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

    bool ReadSetting(char which)
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

    bool ReadNote(char letter)
    {
        static const int kPitchClass[7] = {9, 11, 0, 2, 4, 5, 7};
        int pitch = 12 * (octave_ + 1) + kPitchClass[letter - 'a'];
        while (pos_ < text_->size() && ((*text_)[pos_] == '+' || (*text_)[pos_] == '#' || (*text_)[pos_] == '-')) {
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

    // A length (or the default), dots, then any ties.
    bool ReadDuration(double& beats)
    {
        if (!ReadLength(beats)) {
            return false;
        }
        while (pos_ < text_->size() && (*text_)[pos_] == '^') {
            ++pos_;
            double tied = 0.0;
            if (!ReadLength(tied)) {
                return false;
            }
            beats += tied;
        }
        return true;
    }

    bool ReadLength(double& beats)
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
        while (pos_ < text_->size() && (*text_)[pos_] == '.') {
            ++pos_;
            extra *= 0.5;
            beats += extra;
        }
        return true;
    }

    bool ReadDigits(int& value)
    {
        const size_t start = pos_;
        value = 0;
        while (pos_ < text_->size() && std::isdigit(static_cast<unsigned char>((*text_)[pos_])) && pos_ - start < 4) {
            value = value * 10 + ((*text_)[pos_++] - '0');
        }
        return pos_ > start;
    }

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

// ---- figures and grooves -------------------------------------------------

constexpr float kAccentVelocity = 1.0f;
constexpr float kNormalVelocity = 0.8f;
constexpr float kGhostVelocity = 0.45f;

// A hold lengthens the last note only when nothing (no rest) came between.
void ExtendLast(Pattern& pattern, double beats)
{
    if (!pattern.notes.empty() && pattern.notes.back().beat + pattern.notes.back().beats >= pattern.beats - 1e-9) {
        pattern.notes.back().beats += beats;
    }
}

bool ReadFigureWord(std::string word, double step, int beatsPerBar, Pattern& pattern, ParseError& error, int line)
{
    if (word == "|") {
        return IsBarBoundary(pattern.beats, beatsPerBar) || error.Fail(line, "bar line off the bar");
    }
    if (word == "-") {
        ExtendLast(pattern, step);
    } else if (word != ".") {
        PatternNote note{pattern.beats, step, 0, false, kNormalVelocity};
        if (word.back() == '!') {
            note.velocity = kAccentVelocity;
            word.pop_back();
        }
        if (word == "*") {
            note.wholeChord = true;
        } else if (!ParseInteger(word, note.value)) {
            return error.Fail(line, "'" + word + "' is not a chord tone");
        }
        pattern.notes.push_back(note);
    }
    pattern.beats += step;
    return true;
}

bool ParseFigure(const Block& block, const std::vector<std::string>& head, int beatsPerBar, Pattern& pattern,
                 ParseError& error)
{
    int division = 0;
    if (head.size() != 3 || !ParseInteger(head[2], division) || division <= 0) {
        return error.Fail(block.head.number, "expected: figure NAME STEP");
    }
    pattern.kind = PatternKind::Figure;
    for (const Line& line : block.body) {
        for (const std::string& word : Split(line.text)) {
            if (!ReadFigureWord(word, 4.0 / division, beatsPerBar, pattern, error, line.number)) {
                return false;
            }
        }
    }
    return true;
}

bool DrumFromLetter(char letter, DrumKind& kind)
{
    static const char kLetters[] = "kschoyrtmupw";
    for (int i = 0; kLetters[i] != '\0'; ++i) {
        if (kLetters[i] == letter) {
            kind = static_cast<DrumKind>(i);
            return true;
        }
    }
    return false;
}

bool ReadDrumLine(const Line& line, int bars, int beatsPerBar, Pattern& pattern, ParseError& error)
{
    const std::vector<std::string> words = Split(line.text);
    DrumKind kind = DrumKind::Kick;
    if (words.size() < 2 || words[0].size() != 1 || !DrumFromLetter(words[0][0], kind)) {
        return error.Fail(line.number, "expected: a drum letter (k s c h o y r t m u p w) and steps");
    }
    std::string steps;
    for (size_t i = 1; i < words.size(); ++i) {
        for (char c : words[i]) {
            if (c != '|') {
                steps += c;
            }
        }
    }
    if (steps.size() % static_cast<size_t>(bars) != 0) {
        return error.Fail(line.number, "the steps do not divide into the bars");
    }
    const double step = static_cast<double>(bars * beatsPerBar) / static_cast<double>(steps.size());
    Pattern hits;
    for (char c : steps) {
        if (c == '-') {
            ExtendLast(hits, step);
        } else if (c == 'x' || c == 'X' || c == 'g') {
            const float velocity = c == 'X' ? kAccentVelocity : (c == 'x' ? kNormalVelocity : kGhostVelocity);
            hits.notes.push_back({hits.beats, step, static_cast<int>(kind), false, velocity});
        } else if (c != '.') {
            return error.Fail(line.number, std::string("unexpected '") + c + "' in a drum line");
        }
        hits.beats += step;
    }
    pattern.notes.insert(pattern.notes.end(), hits.notes.begin(), hits.notes.end());
    return true;
}

bool ParseGroove(const Block& block, const std::vector<std::string>& head, int beatsPerBar, Pattern& pattern,
                 ParseError& error)
{
    int bars = 0;
    if (head.size() != 3 || !ParseInteger(head[2], bars) || bars <= 0) {
        return error.Fail(block.head.number, "expected: groove NAME BARS");
    }
    pattern.kind = PatternKind::Groove;
    pattern.beats = bars * beatsPerBar;
    for (const Line& line : block.body) {
        if (!ReadDrumLine(line, bars, beatsPerBar, pattern, error)) {
            return false;
        }
    }
    return true;
}

bool ParseMelody(const Block& block, int beatsPerBar, Pattern& pattern, ParseError& error)
{
    pattern.kind = PatternKind::Melody;
    MelodyReader reader(beatsPerBar, pattern, error);
    for (const Line& line : block.body) {
        if (!reader.Read(line)) {
            return false;
        }
    }
    return true;
}

bool ParsePattern(const Block& block, const std::vector<std::string>& head, Score& score, ParseError& error)
{
    if (head.size() < 2) {
        return error.Fail(block.head.number, "a pattern needs a name");
    }
    if (score.patterns.count(head[1]) != 0) {
        return error.Fail(block.head.number, "pattern '" + head[1] + "' defined twice");
    }
    Pattern pattern;
    bool read = false;
    if (head[0] == "melody") {
        read = ParseMelody(block, score.beatsPerBar, pattern, error);
    } else if (head[0] == "figure") {
        read = ParseFigure(block, head, score.beatsPerBar, pattern, error);
    } else {
        read = ParseGroove(block, head, score.beatsPerBar, pattern, error);
    }
    if (!read) {
        return false;
    }
    if (pattern.beats <= 0.0) {
        return error.Fail(block.head.number, "pattern '" + head[1] + "' is empty");
    }
    score.patterns[head[1]] = pattern;
    return true;
}

// ---- tracks --------------------------------------------------------------

bool VoiceFromName(const std::string& name, VoiceKind& voice)
{
    static const char* const kNames[] = {"bass", "lead", "chip", "pluck", "pad", "bell", "drums"};
    for (int i = 0; i < 7; ++i) {
        if (name == kNames[i]) {
            voice = static_cast<VoiceKind>(i);
            return true;
        }
    }
    return false;
}

bool SetTrackOption(const std::string& key, double value, TrackSpec& track)
{
    if (key == "gain") {
        track.gain = value;
    } else if (key == "pan") {
        track.pan = value;
    } else if (key == "reverb") {
        track.reverb = value;
    } else if (key == "delay") {
        track.delay = value;
    } else if (key == "low") {
        track.low = static_cast<int>(value);
    } else if (key == "bright") {
        track.bright = value;
    } else if (key == "gate") {
        track.gate = value;
    } else {
        return false;
    }
    return true;
}

bool ParseTrack(const Block& block, const std::vector<std::string>& head, Score& score, ParseError& error)
{
    TrackSpec track;
    if (head.size() < 3 || !VoiceFromName(head[2], track.voice)) {
        return error.Fail(block.head.number, "expected: track NAME VOICE (bass lead chip pluck pad bell drums)");
    }
    track.name = head[1];
    for (size_t i = 3; i < head.size(); ++i) {
        const size_t equals = head[i].find('=');
        double value = 0.0;
        if (equals == std::string::npos || !ParseNumber(head[i].substr(equals + 1), value) ||
            !SetTrackOption(head[i].substr(0, equals), value, track)) {
            return error.Fail(block.head.number, "bad track option '" + head[i] + "'");
        }
    }
    for (const TrackSpec& other : score.tracks) {
        if (other.name == track.name) {
            return error.Fail(block.head.number, "track '" + track.name + "' defined twice");
        }
    }
    score.tracks.push_back(track);
    return true;
}

// ---- sections --------------------------------------------------------------

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

bool ParsePatternUse(const std::string& word, PatternUse& use)
{
    const size_t colon = word.find(':');
    use.pattern = word.substr(0, colon);
    return colon == std::string::npos || ParseInteger(word.substr(colon + 1), use.shift);
}

bool ParseSectionLine(const Line& line, int beatsPerBar, Section& section, ParseError& error)
{
    const std::vector<std::string> words = Split(line.text);
    if (words[0] == "chords") {
        for (size_t i = 1; i < words.size(); ++i) {
            Chord chord;
            if (!ParseChord(words[i], beatsPerBar, chord)) {
                return error.Fail(line.number, "bad chord '" + words[i] + "'");
            }
            section.chords.push_back(chord);
        }
        return true;
    }
    SectionPart part{words[0], {}};
    for (size_t i = 1; i < words.size(); ++i) {
        PatternUse use;
        if (!ParsePatternUse(words[i], use)) {
            return error.Fail(line.number, "bad pattern shift in '" + words[i] + "'");
        }
        part.patterns.push_back(use);
    }
    if (part.patterns.empty()) {
        return error.Fail(line.number, "track '" + words[0] + "' plays no pattern");
    }
    section.parts.push_back(part);
    return true;
}

bool ParseSection(const Block& block, const std::vector<std::string>& head, Score& score, ParseError& error)
{
    Section section;
    if (head.size() != 3 || !ParseInteger(head[2], section.bars) || section.bars <= 0) {
        return error.Fail(block.head.number, "expected: section NAME BARS");
    }
    if (score.sections.count(head[1]) != 0) {
        return error.Fail(block.head.number, "section '" + head[1] + "' defined twice");
    }
    for (const Line& line : block.body) {
        if (!ParseSectionLine(line, score.beatsPerBar, section, error)) {
            return false;
        }
    }
    score.sections[head[1]] = section;
    return true;
}

bool ParseArrangement(const Block& block, Score& score, ParseError& error)
{
    std::vector<std::string> words = Split(block.head.text);
    for (const Line& line : block.body) {
        const std::vector<std::string> more = Split(line.text);
        words.insert(words.end(), more.begin(), more.end());
    }
    for (size_t i = 1; i < words.size(); ++i) {
        const size_t sign = words[i].find_first_of("+-");
        ArrangedSection entry{words[i].substr(0, sign), 0};
        if (sign != std::string::npos && !ParseInteger(words[i].substr(sign), entry.transpose)) {
            return error.Fail(block.head.number, "bad transposition in '" + words[i] + "'");
        }
        score.arrangement.push_back(entry);
    }
    return true;
}

// ---- the whole score ---------------------------------------------------------

bool ParseSetting(const Block& block, const std::vector<std::string>& head, Score& score, ParseError& error)
{
    if (head[0] == "loop") {
        score.loop = true;
        return true;
    }
    double value = 0.0;
    if (head.size() != 2 || !ParseNumber(head[1], value) || value <= 0.0) {
        return error.Fail(block.head.number, "'" + head[0] + "' needs a positive number");
    }
    if (head[0] == "tempo") {
        score.tempo = value;
    } else {
        score.beatsPerBar = static_cast<int>(value);
    }
    return true;
}

bool ParseBlock(const Block& block, Score& score, ParseError& error)
{
    const std::vector<std::string> head = Split(block.head.text);
    const std::string& keyword = head[0];
    if (keyword == "tempo" || keyword == "meter" || keyword == "loop") {
        return ParseSetting(block, head, score, error);
    }
    if (keyword == "track") {
        return ParseTrack(block, head, score, error);
    }
    if (keyword == "melody" || keyword == "figure" || keyword == "groove") {
        return ParsePattern(block, head, score, error);
    }
    if (keyword == "section") {
        return ParseSection(block, head, score, error);
    }
    if (keyword == "arrange") {
        return ParseArrangement(block, score, error);
    }
    return error.Fail(block.head.number, "unknown statement '" + keyword + "'");
}

const TrackSpec* FindTrack(const Score& score, const std::string& name)
{
    for (const TrackSpec& track : score.tracks) {
        if (track.name == name) {
            return &track;
        }
    }
    return nullptr;
}

bool CheckPart(const std::string& sectionName, const Section& section, const SectionPart& part, const Score& score,
               std::string& problem)
{
    const TrackSpec* track = FindTrack(score, part.track);
    if (track == nullptr) {
        problem = "section '" + sectionName + "' names no track '" + part.track + "'";
        return false;
    }
    for (const PatternUse& use : part.patterns) {
        const auto found = score.patterns.find(use.pattern);
        if (found == score.patterns.end()) {
            problem = "section '" + sectionName + "' names no pattern '" + use.pattern + "'";
            return false;
        }
        const bool drums = track->voice == VoiceKind::Drums;
        if (drums != (found->second.kind == PatternKind::Groove)) {
            problem = "pattern '" + use.pattern + "' does not suit track '" + part.track + "'";
            return false;
        }
        if (found->second.kind == PatternKind::Figure && section.chords.empty()) {
            problem = "section '" + sectionName + "' has a figure but no chords";
            return false;
        }
    }
    return true;
}

bool CheckReferences(const Score& score, std::string& problem)
{
    if (score.arrangement.empty()) {
        problem = "nothing arranged";
        return false;
    }
    for (const ArrangedSection& entry : score.arrangement) {
        if (score.sections.count(entry.section) == 0) {
            problem = "arrangement names no section '" + entry.section + "'";
            return false;
        }
    }
    for (const auto& [name, section] : score.sections) {
        for (const SectionPart& part : section.parts) {
            if (!CheckPart(name, section, part, score, problem)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool ParseScore(const std::string& text, Score& score, std::string& error)
{
    score = Score{};
    ParseError parseError;
    for (const Block& block : SplitBlocks(text)) {
        if (!ParseBlock(block, score, parseError)) {
            error = parseError.message;
            return false;
        }
    }
    return CheckReferences(score, error);
}
