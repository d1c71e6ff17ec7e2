#include "tools/assetgen/pictures/Style.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

std::vector<Point> Chamfered(float x0, float y0, float x1, float y1, float cut)
{
    return {{x0 + cut, y0}, {x1 - cut, y0}, {x1, y0 + cut}, {x1, y1 - cut},
            {x1 - cut, y1}, {x0 + cut, y1}, {x0, y1 - cut}, {x0, y0 + cut}};
}

void DrawPlate(Canvas& canvas, int x0, int y0, int x1, int y1, Rgba fill, int chamfer)
{
    const float c = static_cast<float>(chamfer);
    canvas.FillPolygon(Chamfered(x0, y0, x1, y1, c), palette::kEdgeDark);
    canvas.FillPolygon(Chamfered(x0 + 1, y0 + 1, x1 - 1, y1 - 1, c > 1 ? c - 0.5f : 0), palette::kEdgeLight);
    canvas.FillPolygon(Chamfered(x0 + 2, y0 + 2, x1 - 1, y1 - 1, c > 1 ? c - 1 : 0), Scaled(fill, 0.55f));
    Canvas body(x1 - x0, y1 - y0);
    body.FillPolygon(Chamfered(2, 2, x1 - x0 - 2, y1 - y0 - 2, c > 2 ? c - 1.5f : 0), fill);
    const float height = static_cast<float>(y1 - y0);
    for (int y = 0; y < body.Height(); ++y)
        for (int x = 0; x < body.Width(); ++x) {
            Rgba p = body.At(x, y);
            if (p.a <= 0)
                continue;
            const float shade = 1.12f - 0.3f * (y / height);
            body.Blend(x, y, Rgba{Clamp01(p.r * shade), Clamp01(p.g * shade), Clamp01(p.b * shade), 1.0f}, p.a);
        }
    canvas.Draw(body, x0, y0);
}

void DrawWell(Canvas& canvas, int x0, int y0, int x1, int y1)
{
    canvas.FillRect(x0, y0, x1, y1, Hex(0x3A4E60));
    canvas.FillRect(x0, y0, x1 - 1, y1 - 1, palette::kEdgeDark);
    canvas.FillGradient(x0 + 1, y0 + 1, x1 - 1, y1 - 1, Hex(0x020406), Hex(0x0A1219));
}

void DrawRivet(Canvas& canvas, int x, int y)
{
    canvas.FillCircle(x + 0.5f, y + 0.5f, 1.6f, palette::kEdgeDark);
    canvas.FillCircle(x + 0.2f, y + 0.2f, 1.0f, palette::kEdgeLight);
}

int DrawLabel(Canvas& canvas, const std::string& text, float size, Rgba colour, int x, int y, Align align, Face face)
{
    TextLook look;
    look.top = colour;
    look.bottom = Scaled(colour, 0.8f);
    return DrawText(canvas, text, TextStyle{face, size, 0.0f}, look, x, y, align);
}

int DrawOutlined(Canvas& canvas, const std::string& text, const TextStyle& style, Rgba top, Rgba bottom, int x, int y,
                 Align align)
{
    TextLook look;
    look.top = top;
    look.bottom = bottom;
    look.outline = palette::kOutline;
    look.outlineWidth = 1;
    return DrawText(canvas, text, style, look, x, y, align);
}

std::vector<std::string> ReadAssetLines(const std::string& relativePath)
{
    const std::string path = std::string(VOSTRELLE_ASSET_DIR) + "/" + relativePath;
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "assetgen: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
