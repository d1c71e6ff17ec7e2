// The embedded pictures meet what the game's drawing of them needs.
#include "tests/tools/Embedded.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const Image& Texture(int id)
{
    static std::map<int, Image> decoded;
    if (!decoded.count(id))
        decoded[id] = EmbeddedPicture("TEXTURE", id);
    return decoded.at(id);
}

uint32_t Pixel(const Image& p, int x, int y) { return p.pixels[static_cast<size_t>(y) * p.width + x]; }

// Whether any pixel of the rectangle is not see-through.
bool HasInk(int id, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Pixel(Texture(id), x, y) >> 24 != 0)
                return true;
    return false;
}

} // namespace

TEST(Pictures, DigitsFitTheirPitch)
{
    for (int d = 0; d < 10; ++d) {
        SCOPED_TRACE(d);
        // The HUD shows 12 x 12 of a small digit five pixels apart: only the
        // outline column may touch the neighbour's.
        EXPECT_TRUE(HasInk(171 + d, 0, 0, 6, 12));
        EXPECT_FALSE(HasInk(171 + d, 6, 0, 16, 16));
        EXPECT_FALSE(HasInk(171 + d, 0, 12, 16, 16));
        EXPECT_TRUE(HasInk(120 + d, 0, 0, 12, 32));
        EXPECT_FALSE(HasInk(120 + d, 12, 0, 32, 32));
    }
}

TEST(Pictures, MessageRowsShowOnlyTheirTopThirteenLines)
{
    for (auto [sheet, rows] : {std::pair{335, 25}, std::pair{337, 8}})
        for (int row = 0; row < rows; ++row) {
            if (sheet == 335 && row == 18)
                continue; // unused
            EXPECT_TRUE(HasInk(sheet, 40, 18 * row, 512, 18 * row + 13)) << sheet << " row " << row;
            EXPECT_FALSE(HasInk(sheet, 0, 18 * row + 13, 512, 18 * row + 18)) << sheet << " row " << row;
        }
}

TEST(Pictures, HudPanelsMatchTheStripBelowThem)
{
    for (int strip : {306, 309})
        for (auto [panel, top] : {std::pair{101, 4}, std::pair{237, 224}}) {
            const Image& p = Texture(panel);
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x)
                    ASSERT_EQ(Pixel(p, x, y), Pixel(Texture(strip), 4 + x, top + y))
                        << "#" << panel << " over #" << strip << " at " << x << "," << y;
        }
}

// Additive billboards must fade to black at their edges, or their squares show.
TEST(Pictures, AdditivePicturesHaveDarkEdges)
{
    std::vector<int> additive = {103, 115, 185, 187, 239, 339};
    for (int frame = 0; frame < 16; ++frame)
        additive.push_back(141 + frame);
    for (int id : additive) {
        const Image& p = Texture(id);
        ASSERT_GT(p.width, 0) << id;
        for (int i = 0; i < p.width; ++i)
            for (int y : {0, p.height - 1}) {
                const uint32_t c = Pixel(p, i, y);
                ASSERT_LE(((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF), 24u) << "#" << id;
            }
    }
}

TEST(Pictures, TheMenuLeavesTheCursorColumnsFree)
{
    // The cursors are drawn at x 186 and 246 (picture columns 10 and 70),
    // 12 pixels wide; the entries' text starts to their right.
    for (int row : {17, 33, 65, 81, 97, 113, 129, 145, 161, 177, 193}) {
        EXPECT_TRUE(HasInk(184, 84, row, 300, row + 13)) << "course row " << row;
        for (int y = row + 1; y < row + 12; ++y)
            for (int x = 71; x < 81; ++x)
                ASSERT_LT((Pixel(Texture(184), x, y) >> 16) & 0xFF, 0x60u) << "text under the cursor at row " << row;
    }
}
