#include "platform/RecordingGraphicsDevice.h"

#include <cstdio>

namespace {

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

const char* NameOf(TransformType type)
{
    switch (type) {
    case TransformType::World:
        return "World";
    case TransformType::View:
        return "View";
    case TransformType::Projection:
        return "Projection";
    }
    return "?";
}

const char* NameOf(PrimitiveType type)
{
    switch (type) {
    case PrimitiveType::PointList:
        return "PointList";
    case PrimitiveType::LineList:
        return "LineList";
    case PrimitiveType::LineStrip:
        return "LineStrip";
    case PrimitiveType::TriangleList:
        return "TriangleList";
    case PrimitiveType::TriangleStrip:
        return "TriangleStrip";
    }
    return "?";
}

}  // namespace

int RecordingGraphicsDevice::CountCalls(std::string_view prefix) const
{
    int count = 0;
    for (const std::string& call : calls)
        if (std::string_view(call).substr(0, prefix.size()) == prefix)
            ++count;
    return count;
}

void RecordingGraphicsDevice::ClearRecord()
{
    calls.clear();
    draws.clear();
}

void RecordingGraphicsDevice::Record(std::string text) { calls.push_back(std::move(text)); }

bool RecordingGraphicsDevice::GetDesktopMode(DisplayMode* mode)
{
    return desktopModeAvailable && NullGraphicsDevice::GetDesktopMode(mode);
}

bool RecordingGraphicsDevice::CreateDevice(const PresentParameters& parameters)
{
    Record("CreateDevice " + std::to_string(parameters.width) + "x" + std::to_string(parameters.height) +
           (parameters.windowed ? " windowed" : " fullscreen") + " " +
           std::to_string(parameters.fullScreenRefreshRate) + (parameters.presentIntervalOne ? " vsync" : ""));
    return opens && NullGraphicsDevice::CreateDevice(parameters);
}

void RecordingGraphicsDevice::ReleaseDevice()
{
    Record("ReleaseDevice");
    NullGraphicsDevice::ReleaseDevice();
}

void RecordingGraphicsDevice::SetLight(const DirectionalLight& light)
{
    Record("SetLight");
    state.light = light;
}

void RecordingGraphicsDevice::EnableLight(bool on)
{
    Record("EnableLight " + std::to_string(on));
    state.lightEnabled = on;
}

void RecordingGraphicsDevice::SetLighting(bool on)
{
    Record("SetLighting " + std::to_string(on));
    state.lighting = on;
}

void RecordingGraphicsDevice::SetAmbient(uint32_t argb)
{
    Record("SetAmbient " + Hex(argb));
    state.ambient = argb;
}

void RecordingGraphicsDevice::SetCullMode(CullMode mode)
{
    Record(mode == CullMode::None ? "SetCullMode None" : "SetCullMode CounterClockwise");
    state.cull = mode;
}

void RecordingGraphicsDevice::SetFillMode(FillMode mode)
{
    Record(mode == FillMode::Solid ? "SetFillMode Solid" : "SetFillMode Wireframe");
    state.fill = mode;
}

void RecordingGraphicsDevice::SetShadeMode(ShadeMode mode)
{
    Record(mode == ShadeMode::Gouraud ? "SetShadeMode Gouraud" : "SetShadeMode Flat");
    state.shade = mode;
}

void RecordingGraphicsDevice::SetSamplerMode(SamplerMode mode)
{
    Record(mode == SamplerMode::WrapNearest ? "SetSamplerMode WrapNearest" : "SetSamplerMode ClampLinear");
    state.sampler = mode;
}

void RecordingGraphicsDevice::SetDepthWrite(bool on)
{
    Record("SetDepthWrite " + std::to_string(on));
    state.depthWrite = on;
}

void RecordingGraphicsDevice::SetDepthTest(bool on)
{
    Record("SetDepthTest " + std::to_string(on));
    state.depthTest = on;
}

void RecordingGraphicsDevice::SetFogEnable(bool on)
{
    Record("SetFogEnable " + std::to_string(on));
    state.fog = on;
}

void RecordingGraphicsDevice::SetFogColor(uint32_t argb)
{
    Record("SetFogColor " + Hex(argb));
    state.fogColor = argb;
}

void RecordingGraphicsDevice::SetFogStart(float start)
{
    Record("SetFogStart");
    state.fogStart = start;
}

void RecordingGraphicsDevice::SetFogEnd(float end)
{
    Record("SetFogEnd");
    state.fogEnd = end;
}

void RecordingGraphicsDevice::SetAlphaBlendEnable(bool on)
{
    Record("SetAlphaBlendEnable " + std::to_string(on));
    state.alphaBlend = on;
}

void RecordingGraphicsDevice::SetBlendFactors(BlendFactor source, BlendFactor destination)
{
    Record("SetBlendFactors");
    state.source = source;
    state.destination = destination;
}

void RecordingGraphicsDevice::SetTextureAlphaOp(TextureAlphaOp op)
{
    Record(op == TextureAlphaOp::Modulate ? "SetTextureAlphaOp Modulate" : "SetTextureAlphaOp SelectTexture");
    state.alphaOp = op;
}

void RecordingGraphicsDevice::SetMaterial(const Material& material)
{
    Record("SetMaterial");
    state.material = material;
}

void RecordingGraphicsDevice::SetTransform(TransformType type, const Matrix& matrix)
{
    Record(std::string("SetTransform ") + NameOf(type));
    if (type == TransformType::World)
        state.world = matrix;
    else if (type == TransformType::View)
        state.view = matrix;
    else
        state.projection = matrix;
}

void RecordingGraphicsDevice::SetViewport(const Viewport& viewport)
{
    Record("SetViewport " + std::to_string(viewport.x) + " " + std::to_string(viewport.y) + " " +
           std::to_string(viewport.width) + " " + std::to_string(viewport.height));
    state.viewport = viewport;
}

void RecordingGraphicsDevice::Clear(unsigned flags, uint32_t argb, float)
{
    Record(std::string("Clear") + ((flags & kClearTarget) ? " target " + Hex(argb) : "") +
           ((flags & kClearZBuffer) ? " zbuffer" : ""));
}

void RecordingGraphicsDevice::BeginScene() { Record("BeginScene"); }

void RecordingGraphicsDevice::EndScene() { Record("EndScene"); }

void RecordingGraphicsDevice::Present(int offsetX, int offsetY)
{
    Record("Present " + std::to_string(offsetX) + " " + std::to_string(offsetY));
}

TextureId RecordingGraphicsDevice::CreateTexture(int width, int height, const uint32_t* pixels)
{
    Record("CreateTexture " + std::to_string(width) + "x" + std::to_string(height));
    if (pixels && width > 0 && height > 0)
        lastTexturePixels.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    return NullGraphicsDevice::CreateTexture(width, height, pixels);
}

void RecordingGraphicsDevice::ReleaseTexture(TextureId texture)
{
    Record("ReleaseTexture " + std::to_string(texture));
}

void RecordingGraphicsDevice::SetTexture(TextureId texture)
{
    Record("SetTexture " + std::to_string(texture));
    state.texture = texture;
}

RecordedDraw& RecordingGraphicsDevice::AddDraw(PrimitiveType type, int primitiveCount)
{
    Record(std::string("Draw ") + NameOf(type) + " " + std::to_string(primitiveCount));
    RecordedDraw& draw = draws.emplace_back();
    draw.type = type;
    draw.primitiveCount = primitiveCount;
    draw.state = state;
    return draw;
}

void RecordingGraphicsDevice::DrawPrimitive(PrimitiveType type, int primitiveCount, const ColorVertex* vertices)
{
    RecordedDraw& draw = AddDraw(type, primitiveCount);
    draw.colorVertices.assign(vertices, vertices + VertexCountOf(type, primitiveCount));
}

void RecordingGraphicsDevice::DrawPrimitive(PrimitiveType type, int primitiveCount, const ScreenVertex* vertices)
{
    RecordedDraw& draw = AddDraw(type, primitiveCount);
    draw.screenVertices.assign(vertices, vertices + VertexCountOf(type, primitiveCount));
}

MeshId RecordingGraphicsDevice::CreateMesh(const MeshGeometry& geometry)
{
    Record("CreateMesh " + std::to_string(geometry.vertices.size()) + " " + std::to_string(geometry.indices.size() / 3) + " " +
           std::to_string(geometry.subsets.size()));
    return NullGraphicsDevice::CreateMesh(geometry);
}

void RecordingGraphicsDevice::ReleaseMesh(MeshId mesh) { Record("ReleaseMesh " + std::to_string(mesh)); }

void RecordingGraphicsDevice::DrawMeshSubset(MeshId mesh, int subset)
{
    Record("DrawMeshSubset " + std::to_string(mesh) + " " + std::to_string(subset));
    RecordedDraw& draw = draws.emplace_back();
    draw.mesh = mesh;
    draw.subset = subset;
    draw.state = state;
}

MeshId RecordingGraphicsDevice::CreateMeshCopies(const MeshGeometry& geometry, std::span<const Vec3> offsets)
{
    Record("CreateMeshCopies " + std::to_string(offsets.size()));
    const MeshId copies = NullGraphicsDevice::CreateMeshCopies(geometry, offsets);
    copyOffsets[copies].assign(offsets.begin(), offsets.end());
    return copies;
}

void RecordingGraphicsDevice::DrawMeshCopies(MeshId copies, int subset, std::span<const int> shown)
{
    Record("DrawMeshCopies " + std::to_string(copies) + " " + std::to_string(subset) + " " +
           std::to_string(shown.size()));
    RecordedDraw& draw = draws.emplace_back();
    draw.mesh = copies;
    draw.subset = subset;
    draw.copies.assign(shown.begin(), shown.end());
    draw.state = state;
}

FontId RecordingGraphicsDevice::CreateFont(const FontDescription& description)
{
    Record("CreateFont " + std::to_string(description.height) + " " + description.faceName);
    return findsFonts ? NullGraphicsDevice::CreateFont(description) : kNoFont;
}

void RecordingGraphicsDevice::ReleaseFont(FontId font) { Record("ReleaseFont " + std::to_string(font)); }

void RecordingGraphicsDevice::DrawText(FontId font, const char* text, const ScreenRect& rect, uint32_t argb)
{
    Record("DrawText " + std::to_string(font) + " " + std::to_string(rect.left) + " " + std::to_string(rect.top) +
           " " + std::to_string(rect.right) + " " + std::to_string(rect.bottom) + " " + Hex(argb));
    RecordedDraw& draw = draws.emplace_back();
    draw.text = text;
    draw.state = state;
}
