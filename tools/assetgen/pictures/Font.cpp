#include "tools/assetgen/pictures/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

const char* FaceFile(Face face)
{
    switch (face) {
    case Face::Sans: return "DejaVuSans.ttf";
    case Face::SansBold: return "DejaVuSans-Bold.ttf";
    case Face::Condensed: return "DejaVuSansCondensed.ttf";
    case Face::CondensedBold: return "DejaVuSansCondensed-Bold.ttf";
    case Face::CondensedBoldOblique: return "DejaVuSansCondensed-BoldOblique.ttf";
    case Face::MonoBold: return "DejaVuSansMono-Bold.ttf";
    case Face::SerifBold: return "DejaVuSerif-Bold.ttf";
    }
    return "DejaVuSans.ttf";
}

FT_Library Library()
{
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0) {
            std::fprintf(stderr, "assetgen: FreeType could not start\n");
            std::exit(1);
        }
        return created;
    }();
    return library;
}

FT_Face LoadFace(Face face, float size)
{
    static std::map<Face, FT_Face> faces;
    auto found = faces.find(face);
    if (found == faces.end()) {
        const std::string path = std::string("/usr/share/fonts/truetype/dejavu/") + FaceFile(face);
        FT_Face loaded = nullptr;
        if (FT_New_Face(Library(), path.c_str(), 0, &loaded) != 0) {
            std::fprintf(stderr, "assetgen: cannot read the font %s\n", path.c_str());
            std::exit(1);
        }
        found = faces.emplace(face, loaded).first;
    }
    FT_Set_Char_Size(found->second, 0, static_cast<FT_F26Dot6>(std::lround(size * 64)), 72, 72);
    return found->second;
}

// Calls glyph(bitmap, penX) for each character, pen in whole pixels.
template <class Visit> int Layout(const std::string& text, const TextStyle& style, Visit visit)
{
    FT_Face face = LoadFace(style.face, style.size);
    long pen = 0; // 26.6
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        const FT_UInt index = FT_Get_Char_Index(face, c);
        if (previous && index) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0)
            visit(face->glyph, static_cast<int>((pen + 32) >> 6));
        pen += face->glyph->advance.x + static_cast<long>(style.tracking * 64);
        previous = index;
    }
    return static_cast<int>((pen - static_cast<long>(style.tracking * 64) + 32) >> 6);
}

} // namespace

int TextWidth(const std::string& text, const TextStyle& style)
{
    return Layout(text, style, [](FT_GlyphSlot, int) {});
}

TextStyle FitWidth(const std::string& text, TextStyle style, int width)
{
    while (style.size > 4 && TextWidth(text, style) > width)
        style.size -= 0.25f;
    return style;
}

TextMask RenderText(const std::string& text, const TextStyle& style, int pad)
{
    FT_Face face = LoadFace(style.face, style.size);
    const int ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    const int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
    TextMask out;
    out.pad = pad;
    out.baseline = pad + ascent;
    out.inkWidth = TextWidth(text, style);
    out.mask = Mask(out.inkWidth + 2 * pad + 4, ascent + descent + 2 * pad);
    Layout(text, style, [&](FT_GlyphSlot glyph, int penX) {
        const FT_Bitmap& bitmap = glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const int x = pad + penX + glyph->bitmap_left + static_cast<int>(col);
                const int y = out.baseline - glyph->bitmap_top + static_cast<int>(row);
                if (x < 0 || y < 0 || x >= out.mask.Width() || y >= out.mask.Height())
                    continue;
                const float v = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                out.mask.Ref(x, y) = std::min(1.0f, out.mask.At(x, y) + v);
            }
    });
    out.inkTop = out.mask.Height();
    out.inkBottom = 0;
    for (int y = 0; y < out.mask.Height(); ++y)
        for (int x = 0; x < out.mask.Width(); ++x)
            if (out.mask.At(x, y) > 0) {
                out.inkTop = std::min(out.inkTop, y);
                out.inkBottom = y + 1;
            }
    return out;
}

int DrawText(Canvas& canvas, const std::string& text, const TextStyle& style, const TextLook& look, int x, int y,
             Align align)
{
    const int pad = look.outlineWidth + look.glowRadius * 2 + 1;
    const TextMask text_ = RenderText(text, style, pad);
    int left = x;
    if (align == Align::Centre)
        left = x - text_.inkWidth / 2;
    else if (align == Align::Right)
        left = x - text_.inkWidth;
    const int ox = left - text_.pad;
    const int oy = y - text_.baseline;
    if (look.glowRadius > 0)
        canvas.Stamp(text_.mask.Blurred(look.glowRadius), ox, oy, look.glow);
    if (look.outlineWidth > 0)
        canvas.Stamp(text_.mask.Dilated(look.outlineWidth), ox, oy, look.outline);
    const float top = static_cast<float>(text_.inkTop);
    const float span = std::max(1.0f, static_cast<float>(text_.baseline - text_.inkTop));
    canvas.StampShaded(text_.mask, ox, oy,
                       [&](float, float my) { return Mix(look.top, look.bottom, Clamp01((my - top) / span)); });
    return text_.inkWidth;
}
