#include "tools/assetgen/sounds/ScoreParser.h"
#include "tools/assetgen/sounds/ScorePerformance.h"

#include <gtest/gtest.h>

namespace {

Score Parse(const std::string& text)
{
    Score score;
    std::string error;
    EXPECT_TRUE(ParseScore(text, score, error)) << error;
    return score;
}

std::string ErrorOf(const std::string& text)
{
    Score score;
    std::string error;
    EXPECT_FALSE(ParseScore(text, score, error));
    return error;
}

std::vector<int> Pitches(const std::vector<PlayedNote>& notes)
{
    std::vector<int> pitches;
    for (const PlayedNote& note : notes)
        pitches.push_back(note.pitch);
    return pitches;
}

const std::string kHeader = "tempo 120\ntrack lead lead gate=1\ntrack arp pluck low=57 gate=0.5\ntrack drums drums\n";
// Something to play, for scores that only test their patterns.
const std::string kRest = "section rest 1\narrange rest\n";

TEST(ScoreParser, ReadsMelodyPitchesLengthsTiesAndVelocities)
{
    const Score score = Parse(kHeader + "melody m\n  o4 l8 a4. > d e4 f+8 r8 |\n  v5 c-2^8 b-8 < c4 |\n" + kRest);
    const Pattern& melody = score.patterns.at("m");
    ASSERT_EQ(melody.notes.size(), 7u);
    const int pitches[] = {69, 74, 76, 78, 71, 82, 60};
    const double beats[] = {1.5, 0.5, 1.0, 0.5, 2.5, 0.5, 1.0};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(melody.notes[i].value, pitches[i]) << i;
        EXPECT_DOUBLE_EQ(melody.notes[i].beats, beats[i]) << i;
    }
    EXPECT_DOUBLE_EQ(melody.notes[3].beat, 3.0);
    EXPECT_DOUBLE_EQ(melody.beats, 8.0);
    EXPECT_FLOAT_EQ(melody.notes[0].velocity, 0.8f);
    EXPECT_FLOAT_EQ(melody.notes[4].velocity, 0.5f);
}

TEST(ScoreParser, ReadsFiguresAndGroovesOnTheirGrids)
{
    const Score score = Parse(kHeader + "figure f 8\n  0 - 2! . * -1 . . | 1 . . . . . . . |\n"
                                        "groove g 2\n  k X.x.|g...\n  w x-------|........\n" + kRest);
    const Pattern& figure = score.patterns.at("f");
    ASSERT_EQ(figure.notes.size(), 5u);
    EXPECT_DOUBLE_EQ(figure.notes[0].beats, 1.0); // held over the next step
    EXPECT_FLOAT_EQ(figure.notes[1].velocity, 1.0f);
    EXPECT_TRUE(figure.notes[2].wholeChord);
    EXPECT_EQ(figure.notes[3].value, -1);
    EXPECT_DOUBLE_EQ(figure.beats, 8.0);

    const Pattern& groove = score.patterns.at("g");
    ASSERT_EQ(groove.notes.size(), 4u);
    EXPECT_DOUBLE_EQ(groove.beats, 8.0);
    EXPECT_DOUBLE_EQ(groove.notes[1].beat, 2.0); // 4 steps per bar: a step is a beat
    EXPECT_FLOAT_EQ(groove.notes[2].velocity, 0.45f);
    EXPECT_EQ(groove.notes[3].value, static_cast<int>(DrumKind::Swell));
    EXPECT_DOUBLE_EQ(groove.notes[3].beats, 4.0);
}

TEST(ScoreParser, ReportsMistakesWithTheirLine)
{
    EXPECT_EQ(ErrorOf(kHeader + "melody m\n  c4 d4 e4 |\n"), "line 6: bar line off the bar");
    EXPECT_EQ(ErrorOf(kHeader + "tune m\n"), "line 5: unknown statement 'tune'");
    EXPECT_EQ(ErrorOf(kHeader + "melody m\n  c4 x4\n"), "line 6: unexpected 'x' in a melody");
    EXPECT_EQ(ErrorOf(kHeader + "groove g 1\n  k x.x\n  q x...\n").substr(0, 7), "line 7:");
    EXPECT_EQ(ErrorOf(kHeader + "section s 1\n  chords Am Hm\n").substr(0, 7), "line 6:");
    EXPECT_EQ(ErrorOf("track a lute\n").substr(0, 7), "line 1:");
}

TEST(ScoreParser, ChecksThatSectionsNameWhatExists)
{
    const std::string melody = "melody m\n  c1 |\ngroove g 1\n  k x...\nfigure f 4\n  0 1 2 3\n";
    EXPECT_EQ(ErrorOf(kHeader + melody + "section s 1\n  lead nothing\narrange s\n"),
              "section 's' names no pattern 'nothing'");
    EXPECT_EQ(ErrorOf(kHeader + melody + "section s 1\n  lead g\narrange s\n"),
              "pattern 'g' does not suit track 'lead'");
    EXPECT_EQ(ErrorOf(kHeader + melody + "section s 1\n  drums m\narrange s\n"),
              "pattern 'm' does not suit track 'drums'");
    EXPECT_EQ(ErrorOf(kHeader + melody + "section s 1\n  arp f\narrange s\n"),
              "section 's' has a figure but no chords");
    EXPECT_EQ(ErrorOf(kHeader + melody + "section s 1\n  bass m\narrange s\n"), "section 's' names no track 'bass'");
    EXPECT_EQ(ErrorOf(kHeader + melody + "section s 1\n  lead m\narrange s t\n"), "arrangement names no section 't'");
}

TEST(ScorePerformance, CyclesPatternsAndChordsThroughSections)
{
    const Score score = Parse(kHeader + "melody a\n  c2 d2 |\nmelody b\n  e1 |\n"
                                        "figure up 4\n  0 1 2 3 |\nfigure all 1\n  * |\n"
                                        "groove beat 1\n  k x.x.\n"
                                        "section s 3\n  chords Am C:2 G:2\n  lead a b\n  arp up\n  drums beat\n"
                                        "section t 1\n  chords Am\n  arp all\n"
                                        "arrange s t+2\n");
    const Performance performance = PerformScore(score);
    EXPECT_DOUBLE_EQ(performance.seconds, 8.0); // 4 bars at 120
    EXPECT_EQ(Pitches(performance.tracks[0]), (std::vector<int>{60, 62, 64, 60, 62}));
    // Am from A3 (57) up; then C and G each for two beats; the chords repeat in bar 3.
    EXPECT_EQ(Pitches(performance.tracks[1]),
              (std::vector<int>{57, 60, 64, 69, 60, 64, 74, 79, 57, 60, 64, 69,
                                // section t, transposed to Bm: every tone in the octave from A3
                                59, 62, 66}));
    EXPECT_EQ(performance.tracks[2].size(), 6u);
    EXPECT_DOUBLE_EQ(performance.tracks[2][1].start, 1.0);
    // Gates: the arp sounds half of each step; drums keep their step.
    EXPECT_DOUBLE_EQ(performance.tracks[1][0].length, 0.25);
    EXPECT_DOUBLE_EQ(performance.tracks[2][0].length, 0.5);
    EXPECT_DOUBLE_EQ(performance.tracks[1][12].start, 6.0);
}

TEST(ScorePerformance, CutsPatternsAtTheSectionEnd)
{
    // The kick's second-bar hit is cut; the snare, listed after it, still plays in bar 1.
    const Score score = Parse(kHeader + "groove two 2\n  k x...|x...\n  s ..x.|..x.\nsection s 1\n  drums two\n"
                                        "arrange s\n");
    EXPECT_EQ(Pitches(PerformScore(score).tracks[2]),
              (std::vector<int>{static_cast<int>(DrumKind::Kick), static_cast<int>(DrumKind::Snare)}));
}

TEST(ScorePerformance, ReachesBelowTheRootWithNegativeTones)
{
    const Score score = Parse(kHeader + "figure f 4\n  -1 -3 -4 4 |\nsection s 1\n  chords Am\n  arp f\narrange s\n");
    EXPECT_EQ(Pitches(PerformScore(score).tracks[1]), (std::vector<int>{52, 45, 40, 72}));
}

} // namespace
