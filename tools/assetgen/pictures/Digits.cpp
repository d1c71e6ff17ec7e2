// The HUD digits ("#171".."#180", five pixels apart) and the floating score
// digits ("#120".."#129", twelve pixels apart).
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSmallWidth = 4;
constexpr int kSmallHeight = 8;

// The ten glyphs of the text source as masks, placed one pixel in from the
// top left so that the outline fits.
std::vector<Mask> ReadSmallGlyphs()
{
    std::vector<Mask> glyphs(10, Mask(16, 16));
    const std::vector<std::string> lines = ReadAssetLines("pictures/small-digits.txt");
    int digit = -1, row = 0;
    for (const std::string& line : lines) {
        if (line.empty() || line.rfind("//", 0) == 0)
            continue;
        if (line.size() == 1) {
            digit = line[0] - '0';
            row = 0;
            continue;
        }
        if (digit < 0 || digit > 9 || row >= kSmallHeight || static_cast<int>(line.size()) != kSmallWidth) {
            std::fprintf(stderr, "assetgen: bad line in small-digits.txt: %s\n", line.c_str());
            std::exit(1);
        }
        for (int x = 0; x < kSmallWidth; ++x)
            if (line[x] == '#')
                glyphs[digit].Ref(1 + x, 1 + row) = 1.0f;
        ++row;
    }
    return glyphs;
}

Picture SmallDigit(const Mask& glyph)
{
    Canvas canvas(16, 16);
    Mask outline(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (glyph.At(x + dx, y + dy) > 0)
                        outline.Ref(x, y) = 1.0f;
    canvas.Stamp(outline, 0, 0, palette::kOutline);
    canvas.StampShaded(glyph, 0, 0, [](float, float y) {
        return Mix(Hex(0xFFFFFF), Hex(0x7CDCFF), Clamp01((y - 1) / (kSmallHeight - 1)));
    });
    return canvas.Keyed();
}

// Columns of the mask that hold ink: first and one past the last.
std::pair<int, int> InkColumns(const Mask& mask)
{
    int left = mask.Width(), right = 0;
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if (mask.At(x, y) > 0.1f) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
    return {left, right};
}

Picture LargeDigit(char digit)
{
    Canvas canvas(32, 32);
    // Ten columns of ink, so that with its outline a digit takes its
    // 12-pixel pitch and no more.
    TextStyle style{Face::CondensedBold, 19.0f, 0.0f};
    TextMask text = RenderText(std::string(1, digit), style, 2);
    while (InkColumns(text.mask).second - InkColumns(text.mask).first > 10) {
        style.size -= 0.25f;
        text = RenderText(std::string(1, digit), style, 2);
    }
    const int ox = 1 - InkColumns(text.mask).first, oy = 1 - text.inkTop;
    canvas.Stamp(text.mask.Dilated(1), ox, oy, Hex(0x1C0A02));
    const float top = static_cast<float>(text.inkTop), height = static_cast<float>(text.baseline - text.inkTop);
    canvas.StampShaded(text.mask, ox, oy, [=](float, float y) {
        const float t = Clamp01((y - top) / height);
        return t < 0.45f ? Mix(Hex(0xFFFBD0), Hex(0xFFD23A), t / 0.45f) : Mix(Hex(0xFFD23A), Hex(0xFF6A12), (t - 0.45f) / 0.55f);
    });
    return canvas.Keyed();
}

} // namespace

void AddDigitPictures(PictureList& list)
{
    const std::vector<Mask> glyphs = ReadSmallGlyphs();
    for (int d = 0; d < 10; ++d)
        list.push_back({"TEXTURE", 171 + d, SmallDigit(glyphs[d])});
    for (int d = 0; d < 10; ++d)
        list.push_back({"TEXTURE", 120 + d, LargeDigit(static_cast<char>('0' + d))});
}
