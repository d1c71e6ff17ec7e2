#include "tools/assetgen/pictures/Style.h"

#include <algorithm>
#include <cmath>
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

TextLook OutlinedLook(Rgba top, Rgba bottom, int outlineWidth)
{
    TextLook look;
    look.top = top;
    look.bottom = bottom;
    look.outline = palette::kOutline;
    look.outlineWidth = outlineWidth;
    return look;
}

void DrawOrbEmblem(Canvas& canvas, float cx, float cy, float radius, float letterSize)
{
    canvas.Shade([=](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        const float r = std::hypot(dx, dy);
        if (r > radius + 0.5f)
            return Rgba{0, 0, 0, 0};
        const float nz = std::sqrt(std::max(0.0f, 1.0f - (r / radius) * (r / radius)));
        const float lambert = Clamp01((-dx * 0.45f - dy * 0.6f) / radius + nz * 0.7f);
        const float highlight = std::pow(lambert, 15.0f);
        return Rgba{Clamp01(0.05f + 0.3f * lambert + highlight), Clamp01(0.15f + 0.5f * lambert + highlight),
                    Clamp01(0.38f + 0.62f * lambert + highlight), Clamp01(radius - r + 0.5f)};
    });
    canvas.Ring(cx, cy, radius + 2.5f, radius / 12.0f, Hex(0x9FE4FF));
    TextLook z = OutlinedLook(Hex(0xFFFFFF), Hex(0xFFB0A0), std::max(2, static_cast<int>(letterSize / 28)));
    z.outline = Hex(0x3A0008);
    DrawText(canvas, "Z", TextStyle{Face::SansBold, letterSize, 0.0f}, z, static_cast<int>(cx),
             static_cast<int>(cy + letterSize * 0.36f), Align::Centre);
}

int DrawOutlined(Canvas& canvas, const std::string& text, const TextStyle& style, Rgba top, Rgba bottom, int x, int y,
                 Align align)
{
    return DrawText(canvas, text, style, OutlinedLook(top, bottom, 1), x, y, align);
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
