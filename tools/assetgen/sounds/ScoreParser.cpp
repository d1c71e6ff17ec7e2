#include "tools/assetgen/sounds/ScoreParser.h"

#include "tools/assetgen/sounds/ChordSymbol.h"
#include "tools/assetgen/sounds/MelodyReader.h"
#include "tools/assetgen/sounds/ScoreText.h"

#include <map>
#include <sstream>

namespace {

struct Block {
    ScoreLine head;
    std::vector<ScoreLine> body;
};

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
    for (const ScoreLine& line : block.body) {
        for (const std::string& word : SplitWords(line.text)) {
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

bool ReadDrumLine(const ScoreLine& line, int bars, int beatsPerBar, Pattern& pattern, ParseError& error)
{
    const std::vector<std::string> words = SplitWords(line.text);
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
    for (const ScoreLine& line : block.body) {
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
    for (const ScoreLine& line : block.body) {
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

bool SetTrackOption(const std::string& key, double value, TrackSetup& track)
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
    TrackSetup track;
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
    for (const TrackSetup& other : score.tracks) {
        if (other.name == track.name) {
            return error.Fail(block.head.number, "track '" + track.name + "' defined twice");
        }
    }
    score.tracks.push_back(track);
    return true;
}

// ---- sections --------------------------------------------------------------

bool ParsePatternUse(const std::string& word, PatternUse& use)
{
    const size_t colon = word.find(':');
    use.pattern = word.substr(0, colon);
    return colon == std::string::npos || ParseInteger(word.substr(colon + 1), use.shift);
}

bool ParseSectionLine(const ScoreLine& line, int beatsPerBar, Section& section, ParseError& error)
{
    const std::vector<std::string> words = SplitWords(line.text);
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
    for (const ScoreLine& line : block.body) {
        if (!ParseSectionLine(line, score.beatsPerBar, section, error)) {
            return false;
        }
    }
    score.sections[head[1]] = section;
    return true;
}

bool ParseArrangement(const Block& block, Score& score, ParseError& error)
{
    std::vector<std::string> words = SplitWords(block.head.text);
    for (const ScoreLine& line : block.body) {
        const std::vector<std::string> more = SplitWords(line.text);
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
    const std::vector<std::string> head = SplitWords(block.head.text);
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

const TrackSetup* FindTrack(const Score& score, const std::string& name)
{
    for (const TrackSetup& track : score.tracks) {
        if (track.name == name) {
            return &track;
        }
    }
    return nullptr;
}

bool CheckPart(const std::string& sectionName, const Section& section, const SectionPart& part, const Score& score,
               std::string& problem)
{
    const TrackSetup* track = FindTrack(score, part.track);
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
