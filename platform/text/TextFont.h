// A face found by name (FindFontFile), drawn by FreeType at a cell height in
// pixels: the face's ascent and descent together make that height, as a
// positive font height means on the original platform. Glyphs are rendered
// anti-aliased once and kept.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

// The coverage a text leaves in its box, cropped to the pixels it touches.
struct TextInk {
    int left = 0, top = 0;                // of the cropped part, within the box
    int width = 0, height = 0;            // 0 when the text leaves no ink
    std::vector<unsigned char> coverage;  // width × height, row 0 at the top, 0..255
};

class TextFont {
public:
    // Null when no face is found or it has no outlines to draw.
    static std::unique_ptr<TextFont> Open(const std::string& faceName, int cellHeight);
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;
    ~TextFont();

    const std::string& FilePath() const { return filePath; }
    int LineAdvance() const { return lineAdvance; }
    // Lays the text (UTF-8) out from the top-left corner of a box, left-aligned;
    // a line feed starts a new line. What falls outside the box is cut off.
    TextInk Render(const char* text, int boxWidth, int boxHeight);

private:
    struct Glyph {
        int left = 0, top = 0;  // of the bitmap from the pen on the baseline, y up
        int width = 0, rows = 0;
        int advance = 0;
        std::vector<unsigned char> coverage;
    };

    TextFont() = default;
    const Glyph& GlyphOf(char32_t code);

    FT_LibraryRec_* library = nullptr;
    FT_FaceRec_* face = nullptr;
    std::string filePath;
    int ascent = 0, lineAdvance = 0;
    std::unordered_map<char32_t, Glyph> glyphs;
};
