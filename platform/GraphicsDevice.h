// What the graphics manager needs of a drawing device: fixed-function render
// states, one directional light, a material, transforms, viewports, textures,
// mesh buffers, fonts and immediate drawing from small vertex arrays. The
// states and their defaults are those of the original fixed-function device,
// so the manager drives every backend the same way; the OpenGL backend lives
// in platform/sdl, the null and recording backends next to this file.
#pragma once

#include "engine/VectorMath.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Untransformed vertex: world position through the world, view and projection
// transforms, lit, fogged. 24 bytes.
struct ColorVertex {
    float x, y, z;
    uint32_t color;  // ARGB, alpha in the top byte
    float u, v;
};
static_assert(sizeof(ColorVertex) == 24);

// Screen-space vertex: x and y in pixels of the render target (origin top
// left, pixel centres on integer coordinates), z depth 0..1, rhw = 1 / w.
// Neither transformed, lit nor fogged. 28 bytes.
struct ScreenVertex {
    float x, y, z, rhw;
    uint32_t color;  // ARGB
    float u, v;
};
static_assert(sizeof(ScreenVertex) == 28);

enum class PrimitiveType { PointList, LineList, LineStrip, TriangleList, TriangleStrip };
enum class TransformType { World, View, Projection };
enum class CullMode { None, CounterClockwise };
enum class FillMode { Solid, Wireframe };
enum class ShadeMode { Gouraud, Flat };
// Sampling of stage 0: nearest texel with wrapped coordinates (the default), or
// linear filtering with coordinates clamped to the edge.
enum class SamplerMode { WrapNearest, ClampLinear };
enum class BlendFactor { Zero, One, SourceAlpha, InverseSourceAlpha, DestinationColor, InverseDestinationColor };
// Alpha of texture stage 0: texture times vertex (or material) alpha, or the texture's alpha alone.
enum class TextureAlphaOp { Modulate, SelectTexture };

enum ClearFlags : unsigned {
    kClearTarget = 1,
    kClearZBuffer = 2,
};

struct DisplayMode {
    int width = 0, height = 0;
    int refreshRate = 0;  // Hz; 0 when the display does not say
    int format = 0;       // the backend's pixel format number
};

struct PresentParameters {
    int width = 0, height = 0;
    bool windowed = true;
    int fullScreenRefreshRate = 0;     // 0: the display's own rate
    bool presentIntervalOne = false;  // wait for the vertical retrace
};

// Directional light 0: the direction the light travels, in world space.
struct DirectionalLight {
    Color diffuse;
    Vec3 direction;
};

struct Material {
    Color diffuse, ambient, specular, emissive;
    float power = 0.0f;
};

// Pixels of the render target, origin top left.
struct Viewport {
    int x = 0, y = 0, width = 0, height = 0;
    float minZ = 0.0f, maxZ = 1.0f;
};

struct MeshBufferVertex {
    Vec3 position;
    Vec3 normal;
    Vec2 uv;
};

// Triangles firstTriangle .. firstTriangle + triangleCount - 1 of the mesh.
struct MeshBufferSubset {
    int firstTriangle = 0;
    int triangleCount = 0;
};

// A triangle mesh: three vertex indices per triangle, grouped in subsets (one per material).
struct MeshGeometry {
    std::vector<MeshBufferVertex> vertices;
    std::vector<uint32_t> indices;
    std::vector<MeshBufferSubset> subsets;
};

// A font asked for by face name ("Arial") and cell height in pixels (ascent
// plus descent); the glyphs keep the face's own proportions.
struct FontDescription {
    int height = 0;
    std::string faceName;
};

// Pixels of the render target from left, top up to (not including) right, bottom.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

inline constexpr Matrix kIdentityMatrix = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

using TextureId = unsigned int;
using MeshId = unsigned int;
using FontId = unsigned int;
inline constexpr TextureId kNoTexture = 0;
inline constexpr MeshId kNoMesh = 0;
inline constexpr FontId kNoFont = 0;

class GraphicsDevice {
public:
    virtual ~GraphicsDevice() = default;

    virtual std::vector<DisplayMode> GetDisplayModes() = 0;
    virtual bool GetDesktopMode(DisplayMode* mode) = 0;
    // Opens the device for drawing; false when it cannot be opened.
    virtual bool CreateDevice(const PresentParameters& parameters) = 0;
    virtual void ReleaseDevice() = 0;

    virtual void SetLight(const DirectionalLight& light) = 0;
    virtual void EnableLight(bool on) = 0;
    virtual void SetLighting(bool on) = 0;
    virtual void SetAmbient(uint32_t argb) = 0;
    virtual void SetCullMode(CullMode mode) = 0;
    virtual void SetFillMode(FillMode mode) = 0;
    virtual void SetShadeMode(ShadeMode mode) = 0;
    virtual void SetSamplerMode(SamplerMode mode) = 0;
    virtual void SetDepthWrite(bool on) = 0;
    virtual void SetDepthTest(bool on) = 0;
    // Fog is linear in eye-space depth.
    virtual void SetFogEnable(bool on) = 0;
    virtual void SetFogColor(uint32_t argb) = 0;
    virtual void SetFogStart(float start) = 0;
    virtual void SetFogEnd(float end) = 0;
    virtual void SetAlphaBlendEnable(bool on) = 0;
    virtual void SetBlendFactors(BlendFactor source, BlendFactor destination) = 0;
    virtual void SetTextureAlphaOp(TextureAlphaOp op) = 0;
    virtual void SetMaterial(const Material& material) = 0;
    virtual void SetTransform(TransformType type, const Matrix& matrix) = 0;
    virtual void SetViewport(const Viewport& viewport) = 0;

    // Clears the current viewport; flags from ClearFlags.
    virtual void Clear(unsigned flags, uint32_t argb, float depth) = 0;
    virtual void BeginScene() = 0;
    virtual void EndScene() = 0;
    // Shows the frame moved by the offset in pixels.
    virtual void Present(int offsetX, int offsetY) = 0;

    // pixels: width × height ARGB values, row 0 at the top. kNoTexture on failure.
    virtual TextureId CreateTexture(int width, int height, const uint32_t* pixels) = 0;
    virtual void ReleaseTexture(TextureId texture) = 0;
    // Texture of stage 0; kNoTexture leaves the stage without one.
    virtual void SetTexture(TextureId texture) = 0;

    virtual void DrawPrimitive(PrimitiveType type, int primitiveCount, const ColorVertex* vertices) = 0;
    virtual void DrawPrimitive(PrimitiveType type, int primitiveCount, const ScreenVertex* vertices) = 0;

    // kNoMesh on failure.
    virtual MeshId CreateMesh(const MeshGeometry& geometry) = 0;
    virtual void ReleaseMesh(MeshId mesh) = 0;
    // Draws one subset with the current material and texture.
    virtual void DrawMeshSubset(MeshId mesh, int subset) = 0;
    // Copies of a mesh, each moved by its offset, in one buffer: any of them
    // are then drawn together, with one world matrix. Released as a mesh;
    // kNoMesh on failure.
    virtual MeshId CreateMeshCopies(const MeshGeometry& geometry, std::span<const Vec3> offsets) = 0;
    // Draws one subset of the listed copies (ascending indices into the
    // offsets) with the current material and texture.
    virtual void DrawMeshCopies(MeshId copies, int subset, std::span<const int> shown) = 0;

    // kNoFont when no face can be found.
    virtual FontId CreateFont(const FontDescription& description) = 0;
    virtual void ReleaseFont(FontId font) = 0;
    // Draws the text (UTF-8) from the top-left corner of the rectangle,
    // left-aligned and cut off at its edges; a line feed starts a new line.
    // Each pixel takes the colour with its alpha times the glyphs' coverage,
    // blended as set, without depth or fog.
    virtual void DrawText(FontId font, const char* text, const ScreenRect& rect, uint32_t argb) = 0;

    // The whole render target (not moved by the present offset) as RGB bytes,
    // row 0 at the top; false when there is nothing to read.
    virtual bool ReadBackBuffer(std::vector<unsigned char>* rgb, int* width, int* height) = 0;
};

// Number of vertices a primitive count of the given type uses.
int VertexCountOf(PrimitiveType type, int primitiveCount);
