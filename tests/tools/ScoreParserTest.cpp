// A mistake in a score is reported with where it is; the music that plays
// shows everything else the parser does.
#include "tools/assetgen/sounds/ScoreParser.h"

#include <gtest/gtest.h>

TEST(ScoreParser, ReportsMistakesWithTheirLineOrWhatTheyName)
{
    const std::string header = "tempo 120\ntrack lead lead gate=1\ntrack arp pluck low=57 gate=0.5\ntrack drums drums\n";
    const std::string patterns = header + "melody m\n  c1 |\ngroove g 1\n  k x...\nfigure f 4\n  0 1 2 3\n";
    const struct {
        std::string text, error;
    } cases[] = {
        {header + "melody m\n  c4 d4 e4 |\n", "line 6: bar line off the bar"},
        {header + "tune m\n", "line 5: unknown statement 'tune'"},
        {header + "melody m\n  c4 x4\n", "line 6: unexpected 'x' in a melody"},
        {header + "groove g 1\n  k x.x\n  q x...\n", "line 7:"},
        {header + "section s 1\n  chords Am Hm\n", "line 6:"},
        {"track a lute\n", "line 1:"},
        {patterns + "section s 1\n  lead nothing\narrange s\n", "section 's' names no pattern 'nothing'"},
        {patterns + "section s 1\n  lead g\narrange s\n", "pattern 'g' does not suit track 'lead'"},
        {patterns + "section s 1\n  drums m\narrange s\n", "pattern 'm' does not suit track 'drums'"},
        {patterns + "section s 1\n  arp f\narrange s\n", "section 's' has a figure but no chords"},
        {patterns + "section s 1\n  bass m\narrange s\n", "section 's' names no track 'bass'"},
        {patterns + "section s 1\n  lead m\narrange s t\n", "arrangement names no section 't'"},
    };
    for (const auto& c : cases) {
        Score score;
        std::string error;
        EXPECT_FALSE(ParseScore(c.text, score, error)) << c.error;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error);
    }
}
