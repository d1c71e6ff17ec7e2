// The drawing surface's conversions to the stored forms and text fitting.
#include "tools/assetgen/pictures/Canvas.h"
#include "tools/assetgen/pictures/Font.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Canvas, KeyedPicturesAreOpaqueOrExactlyTheKey)
{
    Canvas c(4, 1);
    c.Blend(0, 0, Rgba{1, 0, 1, 1});     // opaque magenta must not vanish
    c.Blend(1, 0, Rgba{0, 1, 0, 0.49f}); // mostly see-through
    c.Blend(2, 0, Rgba{0, 1, 0, 0.51f}); // mostly solid
    const Picture p = c.Keyed();
    EXPECT_NE(p.pixels[0], 0xFFFF00FFu);
    EXPECT_EQ(p.pixels[0] >> 24, 0xFFu);
    EXPECT_EQ(p.pixels[1], 0xFFFF00FFu);
    EXPECT_EQ(p.pixels[2], 0xFF00FF00u);
    EXPECT_EQ(p.pixels[3], 0xFFFF00FFu);
}

TEST(Canvas, LightAddsUpAndFlattensOntoBlack)
{
    Canvas c(2, 1, Rgba{0, 0, 0, 1});
    c.AddLight(0, 0, Rgba{0.6f, 0.2f, 0, 1});
    c.AddLight(0, 0, Rgba{0.6f, 0.2f, 0, 1}, 0.5f);
    const Picture p = c.OverBlack();
    EXPECT_EQ(p.pixels[0], 0xFFE64D00u); // 0.9, 0.3, 0
    EXPECT_EQ(p.pixels[1], 0xFF000000u);
}

TEST(Font, FittedTextStaysWithinItsWidth)
{
    const TextStyle style{Face::CondensedBold, 20.0f, 0.5f};
    const TextStyle fitted = FitWidth("PRESS BLADE TO BEGIN", style, 80);
    EXPECT_LT(fitted.size, style.size);
    EXPECT_LE(TextWidth("PRESS BLADE TO BEGIN", fitted), 80);
    EXPECT_EQ(FitWidth("Z", style, 80).size, style.size);
}

TEST(Font, RightAlignedTextEndsAtItsX)
{
    Canvas c(64, 16);
    const int width = DrawText(c, "HITS", TextStyle{Face::CondensedBold, 10.0f, 0.0f}, TextLook{}, 50, 12, Align::Right);
    ASSERT_GT(width, 10);
    int lastInk = -1;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x)
            if (c.At(x, y).a > 0.5f)
                lastInk = std::max(lastInk, x);
    EXPECT_GE(lastInk, 46);
    EXPECT_LE(lastInk, 50);
}
