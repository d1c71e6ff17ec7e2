// The message-line sheets "#335" and "#337": one line of radio talk per row
// of 18 pixels, of which the top 13 are shown at the bottom of the screen.
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSheetWidth = 512;
constexpr int kRowPitch = 18;
constexpr int kRowShown = 13;
constexpr int kTextLeft = 36; // the first 32 columns lie on the HUD strip

// The radio sign in the columns over the HUD strip.
void RadioSign(Canvas& c, int top)
{
    DrawPlate(c, 2, top, 30, top + kRowShown, Hex(0x17303A), 2);
    c.FillCircle(9, top + 6.5f, 2.2f, palette::kGreen);
    for (int bar = 0; bar < 3; ++bar) {
        const int h = 3 + bar * 2;
        c.FillRect(14 + bar * 4, top + 10 - h, 16 + bar * 4, top + 10, palette::kCyan);
    }
}

void MessageRow(Canvas& c, int row, const std::string& speaker, const std::string& text)
{
    const int top = row * kRowPitch;
    const int baseline = top + 10;
    RadioSign(c, top);
    const TextStyle tagStyle{Face::CondensedBold, 10.0f, 0.5f};
    const int tag = DrawOutlined(c, speaker, tagStyle, Hex(0xC8FFD8), palette::kGreen, kTextLeft, baseline);
    const int x = kTextLeft + tag + 6;
    const TextStyle style = FitWidth(text, TextStyle{Face::CondensedBold, 10.5f, 0.2f}, kSheetWidth - x - 2);
    DrawOutlined(c, text, style, Hex(0xFFFFFF), Hex(0xD8E8F4), x, baseline);
}

Picture MessageSheet(const std::string& source, int height)
{
    Canvas c(kSheetWidth, height);
    for (const std::string& line : ReadAssetLines(source)) {
        if (line.empty() || line.rfind("//", 0) == 0)
            continue;
        const size_t space = line.find(' ');
        const size_t colon = line.find(':');
        if (space == std::string::npos || colon == std::string::npos || colon < space) {
            std::fprintf(stderr, "assetgen: bad line in %s: %s\n", source.c_str(), line.c_str());
            std::exit(1);
        }
        const int row = std::atoi(line.substr(0, space).c_str());
        MessageRow(c, row, line.substr(space + 1, colon - space - 1), line.substr(colon + 2));
    }
    return c.Keyed();
}

} // namespace

void AddMessagePictures(PictureList& list)
{
    list.push_back({"TEXTURE", 335, MessageSheet("pictures/messages-0.txt", 512)});
    list.push_back({"TEXTURE", 337, MessageSheet("pictures/messages-1.txt", 256)});
}
