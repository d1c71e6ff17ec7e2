// The ground grids "#101".."#104": text, one line per row (the first line is
// the row furthest ahead), one digit per cell, lines ended by CR LF. Stored
// as they are, not scrambled.
#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/Noise.h"

#include <functional>
#include <string>

namespace {

using CellRule = std::function<int(int x, int y)>;

// Row y = height - 1 is the first line of the text.
std::vector<unsigned char> GridText(int width, int height, const CellRule& cell)
{
    std::string text;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            text += static_cast<char>('0' + cell(x, y));
        text += "\r\n";
    }
    return {text.begin(), text.end()};
}

constexpr int kStageSize = 100;

// Land of the stage 0 ground: islands from noise that repeats every 100
// cells, so the endlessly repeated field has no seam.
bool Land(int x, int y)
{
    const float shape = FractalNoise(x / 12.5f, y / 12.5f, 3, 1789u, 8);
    return shape > 0.62f;
}

bool Coast(int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!Land((x + dx + kStageSize) % kStageSize, (y + dy + kStageSize) % kStageSize))
                return true;
    return false;
}

// Islands (coast 2, inland 1), a causeway crossing the field, and a scatter
// of lone towers over the open water.
int StageGround(int x, int y)
{
    if (Land(x, y))
        return Coast(x, y) ? 2 : 1;
    const bool causeway = (x == 30 || x == 31) && y % 4 != 3;
    if (causeway)
        return 1;
    const bool beacon = (x + 2 * y) % 25 == 0 && y % 10 == 5;
    if (beacon)
        return 2;
    return LatticeValue(x, y, 4711u) > 0.985f ? 1 : 0;
}

// "#101": two rails with blocks between them.
int RailGround(int x, int y)
{
    if (x == 8 || x == 31)
        return 1;
    return (x > 12 && x < 27 && (x + y) % 7 == 0 && y % 3 == 0) ? 2 : 0;
}

// "#104": a lattice of lines every ten cells.
int LatticeGround(int x, int y) { return (x % 10 == 0 || y % 10 == 0) ? 1 : 0; }

} // namespace

void GenerateGrids(AssetSink& sink)
{
    sink.Add("MAP", 101, GridText(40, 20, RailGround));
    sink.Add("MAP", 102, GridText(kStageSize, kStageSize, StageGround));
    sink.Add("MAP", 103, GridText(10, 10, [](int, int) { return 0; }));
    sink.Add("MAP", 104, GridText(kStageSize, kStageSize, LatticeGround));
}
