// The drawing operations of GraphicsSystem. Each sets the few states it owns,
// builds its vertices on the spot and draws them in one call.
#include "engine/GraphicsSystem.h"

namespace {

// How far DrawThickLineStrip3D moves its copies of the strip.
constexpr float kThickLineOffset = 0.02f;
// The box text is drawn in, from its top-left corner.
constexpr int kTextBoxWidth = 512, kTextBoxHeight = 32;
// Colour of the inverting passes of the subtractive mode.
constexpr uint32_t kInvertColor = 0x01010101;

// 3D vertices carry only an alpha; the material gives the colour.
uint32_t AlphaColor(float alpha) { return GraphicsSystem::ColorToArgb(alpha, 0.0f, 0.0f, 0.0f); }

ColorVertex At(const Vec3& p, uint32_t color, float u, float v) { return {p.x, p.y, p.z, color, u, v}; }

ScreenVertex Pixel(float x, float y, uint32_t color, float u = 0.0f, float v = 0.0f)
{
    return {x, y, 0.0f, 1.0f, color, u, v};
}

// Strip corners of a w × h rectangle centred on the origin of the plane z = 0.
void CentredRect(ColorVertex* strip, float w, float h, uint32_t color)
{
    const float x = w / 2.0f, y = h / 2.0f;
    strip[0] = At({-x, y, 0.0f}, color, 0.0f, 0.0f);
    strip[1] = At({x, y, 0.0f}, color, 1.0f, 0.0f);
    strip[2] = At({-x, -y, 0.0f}, color, 0.0f, 1.0f);
    strip[3] = At({x, -y, 0.0f}, color, 1.0f, 1.0f);
}

void SetColors(ColorVertex* vertices, int count, uint32_t color)
{
    for (int i = 0; i < count; ++i)
        vertices[i].color = color;
}

}  // namespace

void GraphicsSystem::SetWorldTransform(const Matrix& world) { device->SetTransform(TransformType::World, world); }

void GraphicsSystem::DrawColorStrip(const ColorVertex* vertices, int primitiveCount, const Matrix& world)
{
    SetWorldTransform(world);
    device->DrawPrimitive(PrimitiveType::TriangleStrip, primitiveCount, vertices);
}

void GraphicsSystem::DrawVertexList(PrimitiveType type, int primitiveCount, const ColorVertex* vertices)
{
    SetWorldTransform(MatrixIdentity());
    if (primitiveCount > 0)
        device->DrawPrimitive(type, primitiveCount, vertices);
}

void GraphicsSystem::DrawQuad3D(const Vec3 corners[4], float alpha, float r, float g, float b, const Matrix& world)
{
    SetMaterialColor(1.0f, r, g, b);
    SetBlendMode(0);
    const uint32_t color = AlphaColor(alpha);
    const ColorVertex strip[4] = {At(corners[0], color, 0.0f, 0.0f), At(corners[1], color, 1.0f, 0.0f),
                                  At(corners[2], color, 0.0f, 1.0f), At(corners[3], color, 1.0f, 1.0f)};
    DrawColorStrip(strip, 2, world);
}

void GraphicsSystem::DrawRect3D(float w, float h, float alpha, float r, float g, float b, const Matrix& world)
{
    SetMaterialColor(1.0f, r, g, b);
    ColorVertex strip[4];
    CentredRect(strip, w, h, AlphaColor(alpha));
    DrawColorStrip(strip, 2, world);
}

void GraphicsSystem::DrawTriangle3D(const Vec3 corners[3], float alpha, float r, float g, float b,
                                    const Matrix& world)
{
    SetMaterialColor(1.0f, r, g, b);
    SetBlendMode(0);
    const uint32_t color = AlphaColor(alpha);
    const ColorVertex strip[3] = {At(corners[0], color, 0.0f, 0.0f), At(corners[1], color, 1.0f, 0.0f),
                                  At(corners[2], color, 0.0f, 1.0f)};
    DrawColorStrip(strip, 1, world);
}

void GraphicsSystem::DrawLine3D(const Vec3& from, const Vec3& to, float alpha, float r, float g, float b,
                                const Matrix& world)
{
    SetMaterialColor(1.0f, r, g, b);
    SetBlendMode(0);
    device->SetTexture(kNoTexture);
    const uint32_t color = AlphaColor(alpha);
    const ColorVertex line[2] = {At(from, color, 0.0f, 0.0f), At(to, color, 0.0f, 0.0f)};
    SetWorldTransform(world);
    device->DrawPrimitive(PrimitiveType::LineList, 1, line);
}

void GraphicsSystem::DrawThickLineStrip3D(const ColorVertex* vertices, int segments, float, float r, float g,
                                          float b, const Matrix& world)
{
    SetMaterialColor(1.0f, r, g, b);
    SetBlendMode(0);
    SetTexture(-1);
    // The strip drawn as it is, then moved left, right, down and up.
    const float d = kThickLineOffset;
    const float moves[5][2] = {{0.0f, 0.0f}, {-d, 0.0f}, {d, 0.0f}, {0.0f, -d}, {0.0f, d}};
    for (const auto& move : moves) {
        Matrix moved = world;
        moved.m[3][0] = world.m[3][0] + move[0];
        moved.m[3][1] = world.m[3][1] + move[1];
        SetWorldTransform(moved);
        device->DrawPrimitive(PrimitiveType::LineStrip, segments, vertices);
    }
}

void GraphicsSystem::DrawRectOutlineSized3D(float w, float h, float alpha, float r, float g, float b,
                                            const Matrix& world)
{
    SetMaterialColor(1.0f, r, g, b);
    SetZBuffer(0);
    SetBlendMode(0);
    SetTexture(-1);
    ColorVertex corners[4];
    CentredRect(corners, w, h, AlphaColor(alpha));
    const ColorVertex outline[5] = {corners[0], corners[1], corners[3], corners[2], corners[0]};
    SetWorldTransform(world);
    device->DrawPrimitive(PrimitiveType::LineStrip, 4, outline);
}

void GraphicsSystem::DrawTexturedQuad3D(int texture, const Vec3 corners[4], float alpha, const Matrix& world)
{
    ColorVertex strip[4];
    const float u[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    const float v[4] = {0.0f, 0.0f, 1.0f, 1.0f};
    for (int i = 0; i < 4; ++i)
        strip[i] = At({corners[i].x, corners[i].y, 0.0f}, 0, u[i], v[i]);
    DrawWithAlphaMode(texture, strip, alpha, false, world);
}

void GraphicsSystem::DrawBillboard(int texture, float w, float h, float alpha, const Matrix& world)
{
    CentredRect(scratchVertices.data(), w, h, 0);
    DrawWithAlphaMode(texture, scratchVertices.data(), alpha, true, world);
}

// alpha 0.0 adds; -1.0 subtracts by inverting what is beneath, adding and
// inverting back (d - t, clamped at 0); -2.0 (when allowed) multiplies; any
// other alpha blends with the vertex alpha (int)(255 × alpha).
void GraphicsSystem::DrawWithAlphaMode(int texture, ColorVertex* strip, float alpha, bool multiplyMode,
                                       const Matrix& world)
{
    SetMaterialColor(1.0f, 1.0f, 1.0f, 1.0f);
    SetWorldTransform(world);
    const bool subtract = alpha == -1.0f;
    if (subtract)
        InvertDestination(strip);
    if (alpha == 0.0f || subtract)
        SetBlendMode(1);
    else if (multiplyMode && alpha == -2.0f)
        SetBlendMode(3);
    else
        SetBlendMode(0);
    SetColors(strip, 4, AlphaColor(alpha));
    SetTexture(texture);
    device->DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
    if (subtract)
        InvertDestination(strip);
}

void GraphicsSystem::InvertDestination(ColorVertex* strip)
{
    SetColors(strip, 4, kInvertColor);
    SetBlendMode(2);
    SetTexture(-1);
    device->DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
}

void GraphicsSystem::SetOverlayStates()
{
    SetZBuffer(0);
    SetFog(0);
    SetBlendMode(0);
}

void GraphicsSystem::SetFlatScreenStates()
{
    SetOverlayStates();
    SetTexture(-1);
}

void GraphicsSystem::DrawRect2D(int x, int y, int w, int h, float a, float r, float g, float b)
{
    SetFlatScreenStates();
    const uint32_t color = ColorToArgb(a, r, g, b);
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    const float right = static_cast<float>(x + w), bottom = static_cast<float>(y + h);
    const ScreenVertex strip[4] = {Pixel(left, top, color), Pixel(right, top, color), Pixel(left, bottom, color),
                                   Pixel(right, bottom, color)};
    device->DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
}

void GraphicsSystem::DrawRectOutline2D(float x, float y, float w, float h, float a, float r, float g, float b)
{
    SetZBuffer(0);
    SetFog(0);
    SetTexture(-1);
    const uint32_t color = ColorToArgb(a, r, g, b);
    const ScreenVertex outline[5] = {Pixel(x, y, color), Pixel(x + w, y, color), Pixel(x + w, y + h, color),
                                     Pixel(x, y + h, color), Pixel(x, y, color)};
    device->DrawPrimitive(PrimitiveType::LineStrip, 4, outline);
}

void GraphicsSystem::DrawHorizontalLines2D(int x1, int y1, int x2, int y2, float a, float r, float g, float b)
{
    SetFlatScreenStates();
    const uint32_t color = ColorToArgb(a, r, g, b);
    const float left = static_cast<float>(x1), right = static_cast<float>(x2);
    const ScreenVertex lines[4] = {Pixel(left, static_cast<float>(y1), color),
                                   Pixel(right, static_cast<float>(y1), color),
                                   Pixel(left, static_cast<float>(y2), color),
                                   Pixel(right, static_cast<float>(y2), color)};
    device->DrawPrimitive(PrimitiveType::LineList, 2, lines);
}

void GraphicsSystem::DrawPoint2D(int x, int y, float alpha)
{
    SetZBuffer(0);
    SetBlendMode(0);
    SetTexture(-1);
    const ScreenVertex point = Pixel(static_cast<float>(x), static_cast<float>(y), ColorToArgb(alpha, 1, 1, 1));
    device->DrawPrimitive(PrimitiveType::PointList, 1, &point);
}

void GraphicsSystem::DrawTexturedQuad2D(int texture, int x, int y, float alpha)
{
    const TextureHolder* holder = FindTexture(texture);
    if (!holder)
        return;
    SetZBuffer(0);
    if (alpha == -1.0f)
        SetBlendMode(3);
    else if (alpha == 0.0f)
        SetBlendMode(1);
    else
        SetBlendMode(0);
    SetTexture(texture);
    const uint32_t color = ColorToArgb(alpha, 1.0f, 1.0f, 1.0f);
    const float w = static_cast<float>(holder->width), h = static_cast<float>(holder->height);
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    const float du = -0.5f / w, dv = -0.5f / h;
    const ScreenVertex strip[4] = {
        Pixel(left, top, color, du, dv), Pixel(left + w, top, color, 1.0f + du, dv),
        Pixel(left, top + h, color, du, 1.0f + dv), Pixel(left + w, top + h, color, 1.0f + du, 1.0f + dv)};
    device->DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
}

void GraphicsSystem::DrawTexture2D(int texture, int x, int y, int left, int top, int right, int bottom, float alpha)
{
    if (const TextureHolder* holder = PrepareBlit(texture))
        BlitTexture(*holder, x, y, left, top, right, bottom, AlphaColor(alpha) | 0x00FFFFFF);
}

void GraphicsSystem::DrawTexture2DFull(int texture, int x, int y, int)
{
    if (const TextureHolder* holder = PrepareBlit(texture))
        BlitTexture(*holder, x, y, 0, 0, holder->width, holder->height, 0xFFFFFFFF);
}

// The states of a blit; null (and nothing set) when the slot has no texture.
const TextureHolder* GraphicsSystem::PrepareBlit(int texture)
{
    const TextureHolder* holder = FindTexture(texture);
    if (holder)
        SetOverlayStates();
    return holder;
}

// Texel (left, top) lands exactly on pixel (x, y), one texel per pixel.
void GraphicsSystem::BlitTexture(const TextureHolder& holder, int x, int y, int left, int top, int right, int bottom,
                                 uint32_t color)
{
    device->SetTexture(holder.texture);
    const float w = static_cast<float>(holder.width), h = static_cast<float>(holder.height);
    const float x0 = static_cast<float>(x) - 0.5f, y0 = static_cast<float>(y) - 0.5f;
    const float x1 = x0 + static_cast<float>(right - left), y1 = y0 + static_cast<float>(bottom - top);
    const float u0 = static_cast<float>(left) / w, v0 = static_cast<float>(top) / h;
    const float u1 = static_cast<float>(right) / w, v1 = static_cast<float>(bottom) / h;
    const ScreenVertex strip[4] = {Pixel(x0, y0, color, u0, v0), Pixel(x1, y0, color, u1, v0),
                                   Pixel(x0, y1, color, u0, v1), Pixel(x1, y1, color, u1, v1)};
    device->DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
}

void GraphicsSystem::DrawText(int x, int y, const char* text, uint32_t color)
{
    SetOverlayStates();
    if (font != kNoFont)
        device->DrawText(font, text, {x, y, x + kTextBoxWidth, y + kTextBoxHeight}, color);
}

CModel* GraphicsSystem::PrepareOpaqueMesh(int handle, const Matrix& world)
{
    CModel* model = FindMesh(handle);
    if (!model)
        return nullptr;
    SetBlendMode(0);
    SetZBuffer(1);
    SetWorldTransform(world);
    return model;
}

void GraphicsSystem::DrawMesh(int mesh, const Matrix& world)
{
    if (CModel* model = PrepareOpaqueMesh(mesh, world))
        model->Draw();
}

void GraphicsSystem::DrawMeshUntextured(int mesh, const Matrix& world)
{
    if (CModel* model = PrepareOpaqueMesh(mesh, world))
        model->DrawUntextured();
}

void GraphicsSystem::DrawMeshCopies(int mesh, int set, std::span<const int> shown, const Matrix& world)
{
    if (CModel* model = PrepareOpaqueMesh(mesh, world))
        model->DrawCopies(set, shown);
}

void GraphicsSystem::DrawMeshAlpha(int mesh, const Matrix& world, float alpha)
{
    CModel* model = FindMesh(mesh);
    if (!model)
        return;
    SetBlendMode(alpha == 0.0f ? 1 : 0);
    SetWorldTransform(world);
    model->DrawAlpha(alpha);
    SetZBuffer(1);
}
