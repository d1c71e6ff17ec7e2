// A null device that remembers what it was asked: every call as a short
// text ("SetTransform View", "SetDepthTest 1") and every draw with its
// vertices and the states it was drawn with. Tests count and inspect them.
#pragma once

#include "platform/NullGraphicsDevice.h"

#include <map>
#include <string>
#include <string_view>

struct RecordedState {
    bool lighting = false, lightEnabled = false;
    bool depthTest = false, depthWrite = false;
    bool fog = false, alphaBlend = false;
    uint32_t fogColor = 0, ambient = 0;
    float fogStart = 0.0f, fogEnd = 1.0f;
    BlendFactor source = BlendFactor::One, destination = BlendFactor::Zero;
    TextureAlphaOp alphaOp = TextureAlphaOp::SelectTexture;
    CullMode cull = CullMode::CounterClockwise;
    FillMode fill = FillMode::Solid;
    ShadeMode shade = ShadeMode::Gouraud;
    SamplerMode sampler = SamplerMode::WrapNearest;
    TextureId texture = kNoTexture;
    DirectionalLight light;
    Material material;
    Matrix world = kIdentityMatrix, view = kIdentityMatrix, projection = kIdentityMatrix;
    Viewport viewport;
};

struct RecordedDraw {
    PrimitiveType type = PrimitiveType::TriangleList;
    int primitiveCount = 0;
    std::vector<ColorVertex> colorVertices;    // a ColorVertex draw
    std::vector<ScreenVertex> screenVertices;  // a ScreenVertex draw
    MeshId mesh = kNoMesh;                     // a mesh subset
    int subset = -1;
    std::vector<int> copies;                   // of mesh copies, those drawn
    std::string text;                          // a text
    RecordedState state;
};

class RecordingGraphicsDevice : public NullGraphicsDevice {
public:
    std::vector<std::string> calls;
    std::vector<RecordedDraw> draws;
    RecordedState state;
    // What the device reports and whether it opens.
    std::vector<DisplayMode> displayModes;
    bool desktopModeAvailable = true;
    bool opens = true;
    bool findsFonts = true;
    // The pixels of the last texture created.
    std::vector<uint32_t> lastTexturePixels;
    // The offsets each set of mesh copies was created with.
    std::map<MeshId, std::vector<Vec3>> copyOffsets;

    // Calls whose text starts with prefix.
    int CountCalls(std::string_view prefix) const;
    // Forgets the calls and draws; the state stays.
    void ClearRecord();

    std::vector<DisplayMode> GetDisplayModes() override { return displayModes; }
    bool GetDesktopMode(DisplayMode* mode) override;
    bool CreateDevice(const PresentParameters& parameters) override;
    void ReleaseDevice() override;

    void SetLight(const DirectionalLight& light) override;
    void EnableLight(bool on) override;
    void SetLighting(bool on) override;
    void SetAmbient(uint32_t argb) override;
    void SetCullMode(CullMode mode) override;
    void SetFillMode(FillMode mode) override;
    void SetShadeMode(ShadeMode mode) override;
    void SetSamplerMode(SamplerMode mode) override;
    void SetDepthWrite(bool on) override;
    void SetDepthTest(bool on) override;
    void SetFogEnable(bool on) override;
    void SetFogColor(uint32_t argb) override;
    void SetFogStart(float start) override;
    void SetFogEnd(float end) override;
    void SetAlphaBlendEnable(bool on) override;
    void SetBlendFactors(BlendFactor source, BlendFactor destination) override;
    void SetTextureAlphaOp(TextureAlphaOp op) override;
    void SetMaterial(const Material& material) override;
    void SetTransform(TransformType type, const Matrix& matrix) override;
    void SetViewport(const Viewport& viewport) override;

    void Clear(unsigned flags, uint32_t argb, float depth) override;
    void BeginScene() override;
    void EndScene() override;
    void Present(int offsetX, int offsetY) override;

    TextureId CreateTexture(int width, int height, const uint32_t* pixels) override;
    void ReleaseTexture(TextureId texture) override;
    void SetTexture(TextureId texture) override;

    void DrawPrimitive(PrimitiveType type, int primitiveCount, const ColorVertex* vertices) override;
    void DrawPrimitive(PrimitiveType type, int primitiveCount, const ScreenVertex* vertices) override;

    MeshId CreateMesh(const MeshGeometry& geometry) override;
    void ReleaseMesh(MeshId mesh) override;
    void DrawMeshSubset(MeshId mesh, int subset) override;
    MeshId CreateMeshCopies(const MeshGeometry& geometry, std::span<const Vec3> offsets) override;
    void DrawMeshCopies(MeshId copies, int subset, std::span<const int> shown) override;

    FontId CreateFont(const FontDescription& description) override;
    void ReleaseFont(FontId font) override;
    void DrawText(FontId font, const char* text, const ScreenRect& rect, uint32_t argb) override;

private:
    void Record(std::string text);
    RecordedDraw& AddDraw(PrimitiveType type, int primitiveCount);
};
