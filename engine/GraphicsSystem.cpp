#include "engine/GraphicsSystem.h"

#include "engine/BmpWriter.h"
#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"
#include "engine/Random.h"

#include <algorithm>
#include <cstdio>

namespace {

void Log(const char* text) { AppendLog(kDeviceLog, text); }

// A positive height: the cell height, ascent plus descent, in pixels.
constexpr int kFontHeight = 12;

// The lowest refresh rate of at least 60 Hz (or 0, "unknown") among the
// modes of exactly the requested size; 65535 when there is none.
int BestRefreshRate(const std::vector<DisplayMode>& modes, int width, int height)
{
    int best = 65535;
    for (const DisplayMode& mode : modes) {
        const bool acceptable = mode.refreshRate >= 60 || mode.refreshRate == 0;
        if (mode.width == width && mode.height == height && acceptable && mode.refreshRate < best)
            best = mode.refreshRate;
        char line[96];
        std::snprintf(line, sizeof line, "  %dx%d %dhz %d\n", mode.width, mode.height, mode.refreshRate, mode.format);
        Log(line);
    }
    return best;
}

uint32_t ByteOf(float c) { return static_cast<uint32_t>(static_cast<int>(255.0f * c)) & 0xFF; }

uint32_t RoundedByteOf(float c)
{
    if (c >= 1.0f)
        return 255;
    if (c <= 0.0f)
        return 0;
    return static_cast<uint32_t>(static_cast<int>(255.0f * c + 0.5f));
}

}  // namespace

GraphicsSystem::~GraphicsSystem() { Release(); }

bool GraphicsSystem::Init(GraphicsDevice* graphicsDevice, int width, int height, bool fullScreen, bool vsync)
{
    LogDeviceStep("Create Direct3D9 Object.\n", graphicsDevice ? kStepFinished : kStepFailed);
    if (!graphicsDevice)
        return false;

    Log("Enumerate Display Modes.\n");
    const int bestRefreshRate = BestRefreshRate(graphicsDevice->GetDisplayModes(), width, height);
    Log(kStepFinished);

    Log("Initialize Direct3D9 Device (Primary).\n");
    DisplayMode desktop;
    if (!graphicsDevice->GetDesktopMode(&desktop))
        return false;
    PresentParameters parameters;
    parameters.width = width;
    parameters.height = height;
    parameters.windowed = !fullScreen;
    if (fullScreen && vsync) {
        parameters.fullScreenRefreshRate = bestRefreshRate;
        parameters.presentIntervalOne = true;
    }
    if (!graphicsDevice->CreateDevice(parameters)) {
        Log(kStepFailed);
        return false;
    }
    device = graphicsDevice;
    Log(kStepFinished);

    InitRenderStates();
    LogDeviceStep("Initialize Render States.\n", kStepFinished);
    return true;
}

void GraphicsSystem::InitRenderStates()
{
    font = device->CreateFont({kFontHeight, "Arial"});
    DirectionalLight light;
    light.diffuse = {0.5f, 0.5f, 0.5f, 0.0f};
    light.direction = Vec3Normalize({-5.2f, -2.0f, 5.0f});
    device->SetLight(light);
    device->EnableLight(true);
    device->SetLighting(true);
    SetFog(1);
    cameraMode = 0;
    SetCameraMode(45);
    device->SetCullMode(CullMode::CounterClockwise);
    cullState = 1;
    device->SetFillMode(FillMode::Solid);
    wireframeState = 0;
    device->SetShadeMode(ShadeMode::Gouraud);
    flatState = 0;
    device->SetDepthWrite(false);
    device->SetDepthTest(false);
    zBufferState = 0;
    device->SetAmbient(0x00AAAAAA);
}

void GraphicsSystem::Release()
{
    for (int i = 0; i < kSlotCount; ++i) {
        int handle = i;
        ReleaseMesh(&handle);
    }
    LogDeviceStep("Release Mesh.\n", kStepFinished);
    for (int i = 0; i < kSlotCount; ++i) {
        int handle = i;
        ReleaseTexture(&handle);
    }
    LogDeviceStep("Release Terxture.\n", kStepFinished);
    if (font != kNoFont) {
        device->ReleaseFont(font);
        font = kNoFont;
    }
    if (device != &nullDevice) {
        device->ReleaseDevice();
        device = &nullDevice;
    }
    LogDeviceStep("Release Direct3D9 Device.\n", kStepFinished);
}

void GraphicsSystem::SetFog(int on)
{
    if (on == fogState)
        return;
    fogState = on;
    if (on != 0) {
        device->SetFogColor(fogColor);
        device->SetFogStart(fogStart);
        device->SetFogEnd(fogEnd);
        device->SetFogEnable(true);
    } else {
        device->SetFogEnable(false);
    }
}

void GraphicsSystem::SetCameraMode(int mode)
{
    if (mode == cameraMode)
        return;
    cameraMode = mode;
    const bool wide = mode == 90;
    const Vec3 eye{0.0f, 0.0f, wide ? -5.0f : -10.0f};
    const float fieldOfView = wide ? kPi / 2.0f : 0.9299114f;
    viewTransform = MatrixLookAtLH(eye, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    projectionTransform = MatrixPerspectiveFovLH(fieldOfView, 1.0f, 1.0f, 1000.0f);
    device->SetTransform(TransformType::View, viewTransform);
    device->SetTransform(TransformType::Projection, projectionTransform);
}

void GraphicsSystem::SetBlendMode(int mode)
{
    struct BlendRow {
        BlendFactor source, destination;
        TextureAlphaOp alphaOp;
    };
    // 0 alpha blend, 1 additive, 2 inverts what is beneath, 3 multiplies it.
    static constexpr BlendRow kModes[4] = {
        {BlendFactor::SourceAlpha, BlendFactor::InverseSourceAlpha, TextureAlphaOp::Modulate},
        {BlendFactor::One, BlendFactor::One, TextureAlphaOp::SelectTexture},
        {BlendFactor::InverseDestinationColor, BlendFactor::Zero, TextureAlphaOp::SelectTexture},
        {BlendFactor::DestinationColor, BlendFactor::Zero, TextureAlphaOp::SelectTexture},
    };
    blendMode = mode;
    if (mode < 0 || mode > 3) {
        device->SetAlphaBlendEnable(false);
        return;
    }
    const BlendRow& row = kModes[mode];
    device->SetAlphaBlendEnable(true);
    device->SetBlendFactors(row.source, row.destination);
    device->SetTextureAlphaOp(row.alphaOp);
}

void GraphicsSystem::SetCulling(int on)
{
    if (on == cullState)
        return;
    cullState = on;
    device->SetCullMode(on == 1 ? CullMode::CounterClockwise : CullMode::None);
}

void GraphicsSystem::SetWireframe(int on)
{
    if (on == wireframeState)
        return;
    wireframeState = on;
    device->SetFillMode(on == 1 ? FillMode::Wireframe : FillMode::Solid);
}

void GraphicsSystem::SetZBuffer(int on)
{
    if (on == zBufferState)
        return;
    zBufferState = on;
    device->SetDepthWrite(on == 1);
    device->SetDepthTest(on == 1);
}

void GraphicsSystem::SetFlatShading(int on)
{
    if (on == flatState)
        return;
    flatState = on;
    device->SetShadeMode(on == 1 ? ShadeMode::Flat : ShadeMode::Gouraud);
}

void GraphicsSystem::SetTextureMode(int mode)
{
    if (mode == textureMode)
        return;
    textureMode = mode;
    device->SetSamplerMode(mode == 0 ? SamplerMode::ClampLinear : SamplerMode::WrapNearest);
}

void GraphicsSystem::SetFogColor(int r, int g, int b)
{
    fogColor = 0xFF000000u | static_cast<uint32_t>(r & 0xFF) << 16 | static_cast<uint32_t>(g & 0xFF) << 8 |
               static_cast<uint32_t>(b & 0xFF);
    device->SetFogColor(fogColor);
}

void GraphicsSystem::SetFogRange(float start, float end)
{
    fogStart = start;
    fogEnd = end;
    device->SetFogStart(start);
    device->SetFogEnd(end);
}

void GraphicsSystem::SetMaterialColor(float a, float r, float g, float b)
{
    Material material;
    material.diffuse = material.ambient = material.emissive = {r, g, b, a};
    device->SetMaterial(material);
}

void GraphicsSystem::SetViewport(int x, int y, int width, int height)
{
    device->SetViewport({x, y, width, height, 0.0f, 1.0f});
}

void GraphicsSystem::SetViewTransform(const Matrix& view)
{
    viewTransform = view;
    device->SetTransform(TransformType::View, view);
}

void GraphicsSystem::Clear() { device->Clear(kClearTarget | kClearZBuffer, fogColor, 1.0f); }

void GraphicsSystem::ClearZBuffer() { device->Clear(kClearZBuffer, 0, 1.0f); }

void GraphicsSystem::BeginScene() { device->BeginScene(); }

void GraphicsSystem::EndScene() { device->EndScene(); }

void GraphicsSystem::Present() { device->Present(shakeX, shakeY); }

void GraphicsSystem::SetShake(float amplitude) { shakeAmplitude = amplitude; }

void GraphicsSystem::UpdateShake()
{
    if (shakeAmplitude == 0.0f)
        return;
    shakeAmplitude = shakeAmplitude * 0.95f;
    const int range = static_cast<int>(shakeAmplitude);
    const int half = static_cast<int>(shakeAmplitude / 2.0f);
    const int drawX = RandomInt(static_cast<uint32_t>(range));
    shakeX = drawX - half;
    const int drawY = RandomInt(static_cast<uint32_t>(range));
    shakeY = drawY - half;
    if (shakeAmplitude <= 1.0f) {
        shakeX = 0;
        shakeY = 0;
        shakeAmplitude = 0.0f;
    }
}

void GraphicsSystem::AddTriangleVertices(const Vec3* positions, int n)
{
    // The batch keeps what fits; nothing in the game fills it.
    const int count = std::clamp(n, 0, kBatchVertices - batchCount);
    for (int i = 0; i < count; ++i) {
        ColorVertex& vertex = batch[batchCount + i];
        vertex.x = positions[i].x;
        vertex.y = positions[i].y;
        vertex.z = positions[i].z;
    }
    batchCount += count;
}

void GraphicsSystem::ClearTriangles() { batchCount = 0; }

void GraphicsSystem::FlushTriangles() { DrawVertexList(PrimitiveType::TriangleList, batchCount / 3, batch.data()); }

uint32_t GraphicsSystem::ColorToArgb(float a, float r, float g, float b)
{
    return ByteOf(a) << 24 | ByteOf(r) << 16 | ByteOf(g) << 8 | ByteOf(b);
}

Color GraphicsSystem::ColorToFloats(uint32_t argb)
{
    return {static_cast<float>((argb >> 16) & 0xFF) / 255.0f, static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(argb & 0xFF) / 255.0f, static_cast<float>(argb >> 24) / 255.0f};
}

uint32_t GraphicsSystem::ColorValueToArgb(const Color& color)
{
    return RoundedByteOf(color.a) << 24 | RoundedByteOf(color.r) << 16 | RoundedByteOf(color.g) << 8 |
           RoundedByteOf(color.b);
}

void GraphicsSystem::SetScreenVertex(ScreenVertex* out, float x, float y, float z, float rhw, const Color& color,
                                     float u, float v)
{
    *out = {x, y, z, rhw, ColorValueToArgb(color), u, v};
}

bool GraphicsSystem::SaveBackBufferBmp(const std::string& path)
{
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    if (!device->ReadBackBuffer(&rgb, &width, &height))
        return false;
    const std::vector<unsigned char> bmp = EncodeBmp24(rgb, width, height);
    return WriteFileBytes(path, bmp.data(), bmp.size());
}

GraphicsSystem* g_graphics = nullptr;
