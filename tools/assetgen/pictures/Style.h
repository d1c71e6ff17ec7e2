// The shared look of the game's 2D pictures: palette, plates, wells, labels.
#pragma once

#include "tools/assetgen/pictures/Canvas.h"
#include "tools/assetgen/pictures/Font.h"

#include <string>
#include <vector>

namespace palette {
inline const Rgba kOutline = Hex(0x04070B);
inline const Rgba kPanelDark = Hex(0x0B1117);
inline const Rgba kPanel = Hex(0x16212B);
inline const Rgba kPanelLight = Hex(0x263644);
inline const Rgba kEdgeLight = Hex(0x55738A);
inline const Rgba kEdgeDark = Hex(0x05090D);
inline const Rgba kGreen = Hex(0x3CFF86);
inline const Rgba kGreenDim = Hex(0x1E8A4C);
inline const Rgba kCyan = Hex(0x46D2FF);
inline const Rgba kCyanDim = Hex(0x1C6A8C);
inline const Rgba kAmber = Hex(0xFFB424);
inline const Rgba kRed = Hex(0xFF3C2E);
inline const Rgba kText = Hex(0xEAF5FF);
inline const Rgba kTextDim = Hex(0x8CA3B8);
} // namespace palette

// A bevelled metal plate; chamfer cuts the corners at 45 degrees.
void DrawPlate(Canvas& canvas, int x0, int y0, int x1, int y1, Rgba fill, int chamfer = 0);
// A recessed dark box for numbers and bars.
void DrawWell(Canvas& canvas, int x0, int y0, int x1, int y1);
void DrawRivet(Canvas& canvas, int x, int y);
// Small label text in a solid colour (no outline), baseline at y.
int DrawLabel(Canvas& canvas, const std::string& text, float size, Rgba colour, int x, int y,
              Align align = Align::Left, Face face = Face::CondensedBold);
// Text with a one-pixel dark outline and a vertical gradient, for pictures
// drawn over the play field.
int DrawOutlined(Canvas& canvas, const std::string& text, const TextStyle& style, Rgba top, Rgba bottom, int x,
                 int y, Align align = Align::Left);
// A text look with a gradient fill and a hard dark outline.
TextLook OutlinedLook(Rgba top, Rgba bottom, int outlineWidth);
// The game's emblem: a lit blue orb in a ring with a "Z" on it.
void DrawOrbEmblem(Canvas& canvas, float cx, float cy, float radius, float letterSize);
// A chamfered polygon outline of the rectangle, as corner points.
std::vector<Point> Chamfered(float x0, float y0, float x1, float y1, float cut);

// The text of a source file below assets/, line by line.
std::vector<std::string> ReadAssetLines(const std::string& relativePath);
