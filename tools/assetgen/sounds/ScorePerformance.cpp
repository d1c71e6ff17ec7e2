#include "tools/assetgen/sounds/ScorePerformance.h"

#include <algorithm>
#include <cmath>

namespace {

// Everything a part needs to place its notes.
struct PartContext {
    const Score& score;
    const Section& section;
    const TrackSetup& track;
    double sectionStart = 0.0; // beats
    double sectionBeats = 0.0;
    int transpose = 0;
    std::vector<PlayedNote>& out;
};

const Chord& ChordAt(const Section& section, double beat)
{
    double total = 0.0;
    for (const Chord& chord : section.chords) {
        total += chord.beats;
    }
    double local = std::fmod(beat, total);
    for (const Chord& chord : section.chords) {
        if (local < chord.beats - 1e-9) {
            return chord;
        }
        local -= chord.beats;
    }
    return section.chords.back();
}

int FloorDivide(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The lowest pitch of this pitch class at or above `low`.
int PlaceAbove(int pitchClass, int low)
{
    return low + ((pitchClass - low) % 12 + 12) % 12;
}

void AddNote(const PartContext& context, double beat, double beats, int pitch, float velocity)
{
    const double secondsPerBeat = context.score.SecondsPerBeat();
    const double gate = context.track.voice == VoiceKind::Drums ? 1.0 : context.track.gate;
    context.out.push_back({(context.sectionStart + beat) * secondsPerBeat, beats * gate * secondsPerBeat,
                           std::clamp(pitch, 0, 127), velocity});
}

void PlaceFigureNote(const PartContext& context, const PatternNote& note, double beat, double beats, int shift)
{
    const Chord& chord = ChordAt(context.section, beat);
    const int rootClass = chord.root + context.transpose;
    const int count = static_cast<int>(chord.intervals.size());
    if (note.wholeChord) {
        for (int interval : chord.intervals) {
            AddNote(context, beat, beats, PlaceAbove(rootClass + interval, context.track.low) + shift, note.velocity);
        }
        return;
    }
    const int root = PlaceAbove(rootClass, context.track.low);
    const int octave = FloorDivide(note.value, count);
    const int tone = chord.intervals[static_cast<size_t>(note.value - octave * count)];
    AddNote(context, beat, beats, root + tone + 12 * octave + shift, note.velocity);
}

void PlacePattern(const PartContext& context, const Pattern& pattern, double offset, int shift)
{
    for (const PatternNote& note : pattern.notes) {
        const double beat = offset + note.beat;
        // A groove lists its drums line by line, so its notes are not in time order.
        if (beat >= context.sectionBeats - 1e-9) {
            continue;
        }
        const double beats = std::min(note.beats, context.sectionBeats - beat);
        if (pattern.kind == PatternKind::Figure) {
            PlaceFigureNote(context, note, beat, beats, shift);
        } else if (pattern.kind == PatternKind::Melody) {
            AddNote(context, beat, beats, note.value + shift + context.transpose, note.velocity);
        } else {
            AddNote(context, beat, beats, note.value, note.velocity);
        }
    }
}

void PlacePart(const PartContext& context, const SectionPart& part)
{
    double offset = 0.0;
    for (size_t turn = 0; offset < context.sectionBeats - 1e-9; ++turn) {
        const PatternUse& use = part.patterns[turn % part.patterns.size()];
        const Pattern& pattern = context.score.patterns.at(use.pattern);
        PlacePattern(context, pattern, offset, use.shift);
        offset += pattern.beats;
    }
}

size_t TrackIndex(const Score& score, const std::string& name)
{
    for (size_t i = 0; i < score.tracks.size(); ++i) {
        if (score.tracks[i].name == name) {
            return i;
        }
    }
    return score.tracks.size();
}

} // namespace

Performance PerformScore(const Score& score)
{
    Performance performance;
    performance.tracks.resize(score.tracks.size());
    double start = 0.0;
    for (const ArrangedSection& entry : score.arrangement) {
        const Section& section = score.sections.at(entry.section);
        const double beats = static_cast<double>(section.bars) * score.beatsPerBar;
        for (const SectionPart& part : section.parts) {
            const size_t index = TrackIndex(score, part.track);
            const PartContext context{score, section, score.tracks[index], start, beats, entry.transpose,
                                      performance.tracks[index]};
            PlacePart(context, part);
        }
        start += beats;
    }
    performance.seconds = start * score.SecondsPerBeat();
    return performance;
}
