// Text set at build time with FreeType from the system's DejaVu fonts.
#pragma once

#include "tools/assetgen/pictures/Canvas.h"

#include <string>

enum class Face { Sans, SansBold, Condensed, CondensedBold, CondensedBoldOblique, MonoBold, SerifBold };

struct TextStyle {
    Face face = Face::SansBold;
    float size = 10.0f;    // pixel size (em)
    float tracking = 0.0f; // extra pixels between letters
};

// The text's coverage, with pad pixels of room on every side; baseline is
// the mask row of the text's baseline.
struct TextMask {
    Mask mask;
    int pad = 0;
    int baseline = 0;
    int inkTop = 0;    // first mask row with ink
    int inkBottom = 0; // last mask row with ink, plus one
    int inkWidth = 0;  // advance width of the text
};

TextMask RenderText(const std::string& text, const TextStyle& style, int pad = 2);
int TextWidth(const std::string& text, const TextStyle& style);
// The largest size (not above style.size) at which text fits in width.
TextStyle FitWidth(const std::string& text, TextStyle style, int width);

enum class Align { Left, Centre, Right };

struct TextLook {
    Rgba top{1, 1, 1, 1};    // fill colour at the top of the letters
    Rgba bottom{1, 1, 1, 1}; // and at the baseline
    Rgba outline{0, 0, 0, 0};
    int outlineWidth = 0;
    Rgba glow{0, 0, 0, 0}; // soft halo painted under the outline
    int glowRadius = 0;
};

// Draws text so that its baseline is at y; x is its left edge, centre or
// right edge by align. Returns the drawn text's advance width.
int DrawText(Canvas& canvas, const std::string& text, const TextStyle& style, const TextLook& look, int x, int y,
             Align align = Align::Left);
