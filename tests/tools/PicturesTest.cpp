// The pictures as drawn: the constraints the game's drawing puts on them,
// and generation that gives the bytes the build embedded.
#include "tests/tools/EmbeddedAs.h"
#include "tools/assetgen/MemorySink.h"
#include "tools/assetgen/pictures/Pictures.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr uint32_t kKey = 0xFFFF00FF;

const std::map<int, Picture>& Textures()
{
    static const std::map<int, Picture> textures = [] {
        std::map<int, Picture> byId;
        for (AuthoredPicture& p : DrawAllPictures())
            if (p.type == "TEXTURE")
                byId.emplace(p.id, std::move(p.picture));
        return byId;
    }();
    return textures;
}

uint32_t Pixel(const Picture& p, int x, int y) { return p.pixels[static_cast<size_t>(y) * p.width + x]; }

// Whether any pixel of the rectangle is not the see-through key.
bool HasInk(const Picture& p, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Pixel(p, x, y) != kKey)
                return true;
    return false;
}

} // namespace

TEST(Pictures, DigitsFitTheirPitch)
{
    for (int d = 0; d < 10; ++d) {
        const Picture& small = Textures().at(171 + d);
        EXPECT_TRUE(HasInk(small, 0, 0, 6, 12)) << "small digit " << d;
        // The HUD shows 12 x 12 of it five pixels apart: only the outline
        // column may touch the neighbour's.
        EXPECT_FALSE(HasInk(small, 6, 0, 16, 16)) << "small digit " << d;
        EXPECT_FALSE(HasInk(small, 0, 12, 16, 16)) << "small digit " << d;
        const Picture& large = Textures().at(120 + d);
        EXPECT_TRUE(HasInk(large, 0, 0, 12, 32)) << "large digit " << d;
        EXPECT_FALSE(HasInk(large, 12, 0, 32, 32)) << "large digit " << d;
    }
}

TEST(Pictures, MessageRowsShowOnlyTheirTopThirteenLines)
{
    const int usedRows0[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24};
    const Picture& sheet0 = Textures().at(335);
    for (int row : usedRows0) {
        EXPECT_TRUE(HasInk(sheet0, 40, 18 * row, 512, 18 * row + 13)) << "sheet 0 row " << row;
        EXPECT_FALSE(HasInk(sheet0, 0, 18 * row + 13, 512, 18 * row + 18)) << "sheet 0 row " << row;
    }
    const Picture& sheet1 = Textures().at(337);
    for (int row = 0; row < 8; ++row) {
        EXPECT_TRUE(HasInk(sheet1, 40, 18 * row, 512, 18 * row + 13)) << "sheet 1 row " << row;
        EXPECT_FALSE(HasInk(sheet1, 0, 18 * row + 13, 512, 18 * row + 18)) << "sheet 1 row " << row;
    }
}

TEST(Pictures, HudPanelsMatchTheStripBelowThem)
{
    for (int strip : {306, 309}) {
        const Picture& column = Textures().at(strip);
        for (auto [panel, top] : {std::pair{101, 4}, std::pair{237, 224}}) {
            const Picture& p = Textures().at(panel);
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x)
                    ASSERT_EQ(Pixel(p, x, y), Pixel(column, 4 + x, top + y))
                        << "#" << panel << " over #" << strip << " at " << x << "," << y;
        }
    }
}

// Additive billboards must fade to black at their edges, or their squares show.
TEST(Pictures, AdditivePicturesHaveDarkEdges)
{
    std::vector<int> additive = {103, 115, 185, 187, 239, 339};
    for (int frame = 0; frame < 16; ++frame)
        additive.push_back(141 + frame);
    for (int id : additive) {
        const Picture& p = Textures().at(id);
        for (int i = 0; i < p.width; ++i)
            for (int y : {0, p.height - 1}) {
                const uint32_t c = Pixel(p, i, y);
                ASSERT_LE(((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF), 24u) << "#" << id;
            }
    }
}

TEST(Pictures, TheMenuLeavesTheCursorColumnsFree)
{
    const Picture& menu = Textures().at(184);
    // The cursors are drawn at x 186 and 246 (picture columns 10 and 70),
    // 12 pixels wide; the entries' text starts to their right.
    for (int row : {17, 33, 65, 81, 97, 113, 129, 145, 161, 177, 193}) {
        EXPECT_TRUE(HasInk(menu, 84, row, 300, row + 13)) << "course row " << row;
        for (int y = row + 1; y < row + 12; ++y)
            for (int x = 71; x < 81; ++x)
                ASSERT_LT((Pixel(menu, x, y) & 0xFF0000) >> 16, 0x60u) << "text under the cursor at row " << row;
    }
}

TEST(Pictures, AFreshGenerationGivesWhatTheBuildEmbedded)
{
    MemorySink fresh;
    GeneratePictures(fresh);
    GenerateGrids(fresh);
    EXPECT_EQ(fresh.resources.size(), 113u + 4u);  // 112 pictures, the icon, 4 grids
    for (const auto& [key, bytes] : fresh.resources) {
        const size_t hash = key.find(" #");
        EXPECT_TRUE(IsEmbeddedAs(key.substr(0, hash), std::stoi(key.substr(hash + 2)), bytes)) << key;
    }
}
