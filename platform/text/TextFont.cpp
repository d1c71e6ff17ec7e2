#include "platform/text/TextFont.h"

#include "platform/text/FontLookup.h"
#include "platform/text/Utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace {

// Whole pixels of a 26.6 fixed-point value, rounded.
int Pixels(FT_Pos value) { return static_cast<int>((value + 32) >> 6); }

// The coverage of a text's box while the text is laid out.
class Canvas {
public:
    Canvas(int width, int height)
        : width(width), height(height), coverage(static_cast<size_t>(width) * static_cast<size_t>(height))
    {
    }

    // Puts a glyph's coverage in with its top-left corner at x, y, cut to the
    // box, keeping the larger coverage where glyphs overlap.
    void Stamp(const std::vector<unsigned char>& glyph, int glyphWidth, int glyphRows, int x, int y)
    {
        const int firstRow = std::max(0, -y), endRow = std::min(glyphRows, height - y);
        const int firstColumn = std::max(0, -x), endColumn = std::min(glyphWidth, width - x);
        for (int row = firstRow; row < endRow; ++row)
            for (int column = firstColumn; column < endColumn; ++column) {
                unsigned char& pixel = At(x + column, y + row);
                pixel = std::max(pixel, glyph[static_cast<size_t>(row) * glyphWidth + column]);
            }
    }

    TextInk Cropped()
    {
        int left = width, top = height, right = -1, bottom = -1;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (At(x, y) != 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        TextInk ink;
        if (right < 0)
            return ink;
        ink = {left, top, right - left + 1, bottom - top + 1, {}};
        for (int y = top; y <= bottom; ++y)
            ink.coverage.insert(ink.coverage.end(), &At(left, y), &At(right, y) + 1);
        return ink;
    }

private:
    unsigned char& At(int x, int y) { return coverage[static_cast<size_t>(y) * width + x]; }

    int width, height;
    std::vector<unsigned char> coverage;
};

}  // namespace

std::unique_ptr<TextFont> TextFont::Open(const std::string& faceName, int cellHeight)
{
    FontFile file;
    if (!FindFontFile(faceName, &file))
        return nullptr;
    std::unique_ptr<TextFont> font(new TextFont);
    font->filePath = file.path;
    if (FT_Init_FreeType(&font->library) != 0 ||
        FT_New_Face(font->library, file.path.c_str(), file.index, &font->face) != 0 || !FT_IS_SCALABLE(font->face))
        return nullptr;
    // The real dimensions: ascender plus descender of the face scale to the height.
    FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_REAL_DIM, 0, static_cast<FT_Long>(cellHeight) * 64, 0, 0};
    if (FT_Request_Size(font->face, &request) != 0)
        return nullptr;
    const FT_Fixed scale = font->face->size->metrics.y_scale;
    font->ascent = Pixels(FT_MulFix(font->face->ascender, scale));
    font->lineAdvance = Pixels(FT_MulFix(font->face->ascender - font->face->descender, scale));
    return font;
}

TextFont::~TextFont()
{
    if (library)
        FT_Done_FreeType(library);
}

const TextFont::Glyph& TextFont::GlyphOf(char32_t code)
{
    if (const auto found = glyphs.find(code); found != glyphs.end())
        return found->second;
    Glyph& glyph = glyphs[code];
    // From the outlines only, so that every glyph comes out as 8-bit coverage.
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_NO_BITMAP) != 0)
        return glyph;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = Pixels(slot->advance.x);
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < 0)
        return glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char* line = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        glyph.coverage.insert(glyph.coverage.end(), line, line + glyph.width);
    }
    return glyph;
}

TextInk TextFont::Render(const char* text, int boxWidth, int boxHeight)
{
    if (boxWidth <= 0 || boxHeight <= 0)
        return {};
    Canvas canvas(boxWidth, boxHeight);
    int penX = 0, baseline = ascent;
    while (*text != '\0') {
        const char32_t code = NextCodePoint(&text);
        if (code == U'\n') {
            penX = 0;
            baseline += lineAdvance;
            continue;
        }
        const Glyph& glyph = GlyphOf(code);
        canvas.Stamp(glyph.coverage, glyph.width, glyph.rows, penX + glyph.left, baseline - glyph.top);
        penX += glyph.advance;
    }
    return canvas.Cropped();
}
