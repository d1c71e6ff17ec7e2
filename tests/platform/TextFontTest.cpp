#include "platform/text/TextFont.h"
#include "platform/text/Utf8.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

TEST(Utf8, BadSequencesGiveReplacementsByteByByteAndStopAtTheEnd)
{
    const char32_t bad = 0xFFFD;
    const struct {
        const char* text;
        std::vector<char32_t> codes;
    } cases[] = {
        {"A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", {U'A', 0xE9, 0x20AC, 0x1F600}},
        {"\xEF\xBF\xBD", {bad}},
        {"\xC3", {bad}},
        {"\xE2\x82x", {bad, bad, U'x'}},
        {"\x80\xFF", {bad, bad}},
        {"\xC0\xAF", {bad, bad}},
        {"\xED\xA0\x80", {bad, bad, bad}},
        {"\xF4\x90\x80\x80", {bad, bad, bad, bad}},
    };
    for (const auto& c : cases) {
        const char* end = c.text + std::strlen(c.text);
        std::vector<char32_t> codes;
        for (const char* p = c.text; *p != '\0';) {
            codes.push_back(NextCodePoint(&p));
            ASSERT_LE(p, end) << c.text;
        }
        EXPECT_EQ(codes, c.codes) << c.text;
    }
}

// Desktops substitute the metric-compatible face for "Arial"; a height of 12
// is the cell height, so lines are 12 pixels apart.
TEST(TextFont, ArialIsTheMetricCompatibleFaceWhereItIsInstalled)
{
    const char* liberation = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
    if (!std::filesystem::exists(liberation))
        GTEST_SKIP() << "fonts-liberation2 is not installed";
    const std::unique_ptr<TextFont> font = TextFont::Open("Arial", 12);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(std::tuple(font->FilePath(), font->LineAdvance()), std::tuple(liberation, 12));
}

int CoverageAt(const TextInk& ink, int x, int y)
{
    const int column = x - ink.left, row = y - ink.top;
    if (column < 0 || row < 0 || column >= ink.width || row >= ink.height)
        return 0;
    return ink.coverage[static_cast<size_t>(row) * ink.width + column];
}

// A smaller box keeps exactly the part of the text that lies within it; the
// "j" that starts the last line reaches left of the box.
TEST(TextFont, ABoxCutsTheTextOffAtItsEdges)
{
    const std::unique_ptr<TextFont> font = TextFont::Open("Arial", 12);
    ASSERT_NE(font, nullptr);
    const char* text = "Wij\nMg\xC3\x85\nj";
    const TextInk whole = font->Render(text, 100, 50);
    ASSERT_GT(whole.height, 24);
    for (const auto& [width, height] : {std::pair{13, 50}, {100, 17}}) {
        const TextInk cut = font->Render(text, width, height);
        int differing = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x)
                differing += CoverageAt(cut, x, y) != (x < width && y < height ? CoverageAt(whole, x, y) : 0);
        EXPECT_EQ(differing, 0) << width << " x " << height;
    }
}

TEST(TextFont, NoInstalledFaceGivesNoFont)
{
    FcConfig* saved = FcConfigReference(nullptr);
    FcConfig* empty = FcConfigCreate();
    ASSERT_TRUE(FcConfigSetCurrent(empty));
    EXPECT_EQ(TextFont::Open("Arial", 12), nullptr);
    FcConfigSetCurrent(saved);
    FcConfigDestroy(saved);
    FcConfigDestroy(empty);
}

}  // namespace
