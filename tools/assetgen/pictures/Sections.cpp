// Pictures of the practice sections: panel "#344", clear and failed cards
// "#345" and "#346", the eight briefing cards "#347".."#354" and the heading
// "#355".
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

#include <cmath>

namespace {

constexpr int kCardWidth = 320;
constexpr int kCardHeight = 128;

struct Briefing {
    int id;
    const char* number;
    const char* title;
    const char* lines[3];
};

// Card "#350" serves two drills with different weapons, so it names none.
const Briefing kBriefings[] = {
    {347, "DRILL 01", "SHOT", {"DESTROY 30 TARGETS", "TIME LIMIT  30 SEC", "ONE HIT BRINGS EACH DOWN"}},
    {348, "DRILL 02", "RAY", {"DESTROY 30 TARGETS", "TIME LIMIT  30 SEC", "LOCK ON, LET GO, WATCH THEM FALL"}},
    {349, "DRILL 03", "BLADE", {"DESTROY 30 TARGETS", "TIME LIMIT  30 SEC", "GET CLOSE AND CUT"}},
    {350, "DRILL 04", "ARMOUR BREAK", {"DESTROY 15 ARMOURED TARGETS", "TIME LIMIT  30 SEC", "HITS PUSH THEM BACK"}},
    {351, "DRILL 05", "SHOT DUEL", {"DESTROY THE RING GUNNER", "THE GAUGE CHARGES BY ITSELF", "SPEND IT ON SPECIALS"}},
    {352, "DRILL 06", "RAY RUSH", {"DESTROY 120 TARGETS", "TIME LIMIT  30 SEC", "THE GAUGE CHARGES BY ITSELF"}},
    {353, "DRILL 07", "BLADE DUEL", {"DESTROY THE RING GUNNER", "THE GAUGE CHARGES BY ITSELF", "SPEND IT ON SPECIALS"}},
    {354, "DRILL 08", "SHOT DUEL", {"DESTROY THE CHARGER", "TIME LIMIT  20 SEC", "IT NEVER FIRES - BE QUICK"}},
};

// The card frame: a plate with a coloured header bar and its caption.
Canvas CardFrame(const std::string& number, const std::string& title, Rgba header)
{
    Canvas c(kCardWidth, kCardHeight);
    DrawPlate(c, 0, 0, kCardWidth, kCardHeight, Hex(0x121C26), 6);
    c.FillPolygon({{3, 4}, {kCardWidth - 8, 4}, {kCardWidth - 3, 9}, {kCardWidth - 3, 28}, {3, 28}}, header);
    c.FillGradient(3, 4, kCardWidth - 3, 16, Rgba{1, 1, 1, 0.18f}, Rgba{1, 1, 1, 0.0f});
    DrawOutlined(c, number, TextStyle{Face::CondensedBold, 10.0f, 1.0f}, Hex(0xFFFFFF), Hex(0xD0E0F0), 10, 21);
    DrawOutlined(c, title, TextStyle{Face::CondensedBoldOblique, 16.0f, 1.0f}, Hex(0xFFFFFF), Hex(0xFFE2A0),
                 kCardWidth - 10, 22, Align::Right);
    return c;
}

Picture BriefingCard(const Briefing& b)
{
    Canvas c = CardFrame(b.number, b.title, Hex(0x14507A));
    for (int i = 0; i < 3; ++i) {
        const int y = 48 + i * 19;
        c.FillPolygon({{12, y - 8.0f}, {18, y - 4.5f}, {12, y - 1.0f}}, palette::kCyan);
        DrawLabel(c, b.lines[i], 11.5f, i == 0 ? palette::kText : Hex(0xB8CCDC), 24, y, Align::Left);
    }
    c.FillRect(10, 102, kCardWidth - 10, 103, palette::kEdgeLight);
    DrawLabel(c, "NO SPARE SHIPS", 9.0f, palette::kTextDim, 12, 118, Align::Left);
    DrawOutlined(c, "PRESS BLADE TO BEGIN", TextStyle{Face::CondensedBold, 11.0f, 1.0f}, Hex(0xFFE2A0),
                 palette::kAmber, kCardWidth - 12, 119, Align::Right);
    return c.Keyed();
}

Picture ResultCard(bool cleared)
{
    Canvas c = CardFrame("RESULT", cleared ? "DRILL CLEAR" : "DRILL FAILED", cleared ? Hex(0x17603E) : Hex(0x6A1C1A));
    const TextLook big = OutlinedLook(Hex(0xFFFFFF), cleared ? palette::kGreen : Hex(0xFF7A60), 2);
    DrawText(c, cleared ? "WELL DONE" : "TRY AGAIN", TextStyle{Face::CondensedBoldOblique, 30.0f, 1.5f}, big,
             kCardWidth / 2, 76, Align::Centre);
    DrawLabel(c, cleared ? "QUOTA MET - RETURNING TO BASE" : "QUOTA NOT MET - RETURNING TO BASE", 10.0f,
              palette::kTextDim, kCardWidth / 2, 108, Align::Centre);
    return c.Keyed();
}

// The panel beside the card: a training target on a dark field.
Picture SectionPanel()
{
    Canvas c(128, 128, Rgba{0, 0, 0, 1});
    c.Shade([](float x, float y) {
        const float haze = FractalNoise(x / 30.0f, y / 30.0f, 3, 5150u);
        const float grid = (std::fmod(x, 16.0f) < 1 || std::fmod(y, 16.0f) < 1) ? 0.5f : 0.0f;
        return Mix(Hex(0x08121A), Hex(0x10303A), 0.4f * haze + 0.3f * grid);
    });
    for (int r = 14; r <= 46; r += 16)
        c.Ring(64, 60, static_cast<float>(r), 3.0f, r == 14 ? palette::kAmber : Hex(0x2FA86A));
    c.FillCircle(64, 60, 5, palette::kRed);
    c.Line(64, 8, 64, 112, 1.0f, Hex(0x2FA86A, 0.8f));
    c.Line(12, 60, 116, 60, 1.0f, Hex(0x2FA86A, 0.8f));
    DrawOutlined(c, "TRAINING", TextStyle{Face::CondensedBold, 12.0f, 2.0f}, Hex(0xFFFFFF), palette::kGreen, 64,
                 122, Align::Centre);
    return c.Keyed();
}

Picture SectionHeading()
{
    Canvas c(300, 26);
    const int width = DrawText(c, "PRACTICE SECTION", TextStyle{Face::CondensedBoldOblique, 19.0f, 1.5f},
                               OutlinedLook(Hex(0xFFFFFF), palette::kCyan, 2), 4, 19);
    c.FillRect(width + 12, 12, 296, 15, palette::kOutline);
    c.FillRect(width + 13, 13, 295, 14, palette::kCyan);
    return c.Keyed();
}

} // namespace

void AddSectionPictures(PictureList& list)
{
    list.push_back({"TEXTURE", 344, SectionPanel()});
    list.push_back({"TEXTURE", 345, ResultCard(true)});
    list.push_back({"TEXTURE", 346, ResultCard(false)});
    for (const Briefing& b : kBriefings)
        list.push_back({"TEXTURE", b.id, BriefingCard(b)});
    list.push_back({"TEXTURE", 355, SectionHeading()});
}
