// A device that draws nothing, so that the engine, the actors and the game
// run headless. Textures and meshes get ids; the back buffer reads as black.
#pragma once

#include "platform/GraphicsDevice.h"

class NullGraphicsDevice : public GraphicsDevice {
public:
    std::vector<DisplayMode> GetDisplayModes() override { return {}; }
    bool GetDesktopMode(DisplayMode* mode) override;
    bool CreateDevice(const PresentParameters& parameters) override;
    void ReleaseDevice() override { width = height = 0; }

    void SetLight(const DirectionalLight&) override {}
    void EnableLight(bool) override {}
    void SetLighting(bool) override {}
    void SetAmbient(uint32_t) override {}
    void SetCullMode(CullMode) override {}
    void SetFillMode(FillMode) override {}
    void SetShadeMode(ShadeMode) override {}
    void SetSamplerMode(SamplerMode) override {}
    void SetDepthWrite(bool) override {}
    void SetDepthTest(bool) override {}
    void SetFogEnable(bool) override {}
    void SetFogColor(uint32_t) override {}
    void SetFogStart(float) override {}
    void SetFogEnd(float) override {}
    void SetAlphaBlendEnable(bool) override {}
    void SetBlendFactors(BlendFactor, BlendFactor) override {}
    void SetTextureAlphaOp(TextureAlphaOp) override {}
    void SetMaterial(const Material&) override {}
    void SetTransform(TransformType, const Matrix&) override {}
    void SetViewport(const Viewport&) override {}

    void Clear(unsigned, uint32_t, float) override {}
    void BeginScene() override {}
    void EndScene() override {}
    void Present(int, int) override {}

    TextureId CreateTexture(int width, int height, const uint32_t* pixels) override;
    void ReleaseTexture(TextureId) override {}
    void SetTexture(TextureId) override {}

    void DrawPrimitive(PrimitiveType, int, const ColorVertex*) override {}
    void DrawPrimitive(PrimitiveType, int, const ScreenVertex*) override {}

    MeshId CreateMesh(const MeshGeometry& geometry) override;
    void ReleaseMesh(MeshId) override {}
    void DrawMeshSubset(MeshId, int) override {}
    MeshId CreateMeshCopies(const MeshGeometry& geometry, std::span<const Vec3> offsets) override;
    void DrawMeshCopies(MeshId, int, std::span<const int>) override {}

    // Every font is found. Fonts are numbered apart, so that textures and
    // meshes keep the ids they would have without them.
    FontId CreateFont(const FontDescription&) override { return ++lastFont; }
    void ReleaseFont(FontId) override {}
    void DrawText(FontId, const char*, const ScreenRect&, uint32_t) override {}

    bool ReadBackBuffer(std::vector<unsigned char>* rgb, int* width, int* height) override;

private:
    int width = 0, height = 0;
    unsigned int lastId = 0;
    FontId lastFont = kNoFont;
};
