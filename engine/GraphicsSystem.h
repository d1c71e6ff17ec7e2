// The one object through which the game draws: the device set-up, a cache of
// render-state switches, the camera, fog, screen shake, the primitives every
// actor draws with, and the 256 texture and 256 mesh slots behind the int
// handles the game keeps (-1 = none).
#pragma once

#include "engine/Model.h"
#include "engine/TextureHolder.h"
#include "engine/VectorMath.h"
#include "platform/GraphicsDevice.h"
#include "platform/NullGraphicsDevice.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct Image;

class GraphicsSystem {
public:
    static constexpr int kSlotCount = 256;
    static constexpr int kBatchVertices = 8192;

    GraphicsSystem() = default;
    GraphicsSystem(const GraphicsSystem&) = delete;
    GraphicsSystem& operator=(const GraphicsSystem&) = delete;
    ~GraphicsSystem();

    // Opens the device (which the caller owns and keeps alive until this
    // object is gone) and sets the start-up states. Logs to "log\d3d9.txt".
    bool Init(GraphicsDevice* graphicsDevice, int width, int height, bool fullScreen, bool vsync);
    // Releases every slot, then the font and the device; logs to "log\d3d9.txt".
    void Release();

    // Render-state switches: a repeated value reaches the device once; the
    // blend mode is applied on every call.
    void SetFog(int on);
    void SetCameraMode(int mode);
    void SetBlendMode(int mode);
    void SetCulling(int on);
    void SetWireframe(int on);
    void SetZBuffer(int on);
    void SetFlatShading(int on);
    // 0 samples linearly with clamped coordinates, any other mode nearest and
    // wrapped; nothing in the game changes the sampling through it.
    void SetTextureMode(int mode);
    // The sampling as given, past the texture-mode cache: the sky boxes set
    // it around their draw.
    void SetSamplerMode(SamplerMode mode) { device->SetSamplerMode(mode); }

    void SetFogColor(int r, int g, int b);
    void SetFogRange(float start, float end);
    void SetMaterialColor(float a, float r, float g, float b);

    void SetViewport(int x, int y, int width, int height);
    void SetViewTransform(const Matrix& view);
    // The VIEW and PROJECTION last set (identity before Init).
    const Matrix& GetViewTransform() const { return viewTransform; }
    const Matrix& GetProjectionTransform() const { return projectionTransform; }

    void Clear();
    void ClearZBuffer();
    void BeginScene();
    void EndScene();
    void Present();
    // The frame as drawn (without the shake) as a 24-bit BMP file.
    bool SaveBackBufferBmp(const std::string& path);

    void SetShake(float amplitude);
    void UpdateShake();

    void AddTriangleVertices(const Vec3* positions, int n);
    void ClearTriangles();
    void FlushTriangles();

    static uint32_t ColorToArgb(float a, float r, float g, float b);
    static Color ColorToFloats(uint32_t argb);
    static uint32_t ColorValueToArgb(const Color& color);
    static void SetScreenVertex(ScreenVertex* out, float x, float y, float z, float rhw, const Color& color, float u,
                                float v);

    // 3D primitives, drawn through the world matrix.
    void DrawQuad3D(const Vec3 corners[4], float alpha, float r, float g, float b, const Matrix& world);
    void DrawRect3D(float w, float h, float alpha, float r, float g, float b, const Matrix& world);
    void DrawTriangle3D(const Vec3 corners[3], float alpha, float r, float g, float b, const Matrix& world);
    void DrawLine3D(const Vec3& from, const Vec3& to, float alpha, float r, float g, float b, const Matrix& world);
    void DrawThickLineStrip3D(const ColorVertex* vertices, int segments, float alpha, float r, float g, float b,
                              const Matrix& world);
    void DrawRectOutlineSized3D(float w, float h, float alpha, float r, float g, float b, const Matrix& world);
    // alpha 0.0 adds, -1.0 subtracts the texture; other values are opacity.
    void DrawTexturedQuad3D(int texture, const Vec3 corners[4], float alpha, const Matrix& world);
    // As DrawTexturedQuad3D, and alpha -2.0 multiplies what is beneath.
    void DrawBillboard(int texture, float w, float h, float alpha, const Matrix& world);
    // Identity world, one draw of the vertices as they are.
    void DrawVertexList(PrimitiveType type, int primitiveCount, const ColorVertex* vertices);

    // 2D primitives in pixels of the 640 × 480 screen.
    void DrawRect2D(int x, int y, int w, int h, float a, float r, float g, float b);
    void DrawRectOutline2D(float x, float y, float w, float h, float a, float r, float g, float b);
    void DrawHorizontalLines2D(int x1, int y1, int x2, int y2, float a, float r, float g, float b);
    void DrawPoint2D(int x, int y, float alpha);
    // alpha 0.0 adds, -1.0 multiplies; other values are opacity.
    void DrawTexturedQuad2D(int texture, int x, int y, float alpha);
    // Texels left..right, top..bottom of the texture at x, y.
    void DrawTexture2D(int texture, int x, int y, int left, int top, int right, int bottom, float alpha);
    void DrawTexture2DFull(int texture, int x, int y, int unused);

    // The text (UTF-8) in the font, from x, y in a 512 × 32 box that cuts it
    // off; colour ARGB. Nothing in the game draws text.
    void DrawText(int x, int y, const char* text, uint32_t color);

    void DrawMesh(int mesh, const Matrix& world);
    // As DrawMesh, every material without its texture; nothing in the game draws so.
    void DrawMeshUntextured(int mesh, const Matrix& world);
    // Untextured, the materials' alpha scaled; alpha 0.0 draws additively with black materials.
    void DrawMeshAlpha(int mesh, const Matrix& world, float alpha);
    // The listed copies of a set made by AddMeshCopies, as DrawMesh draws
    // the mesh, all through one world matrix.
    void DrawMeshCopies(int mesh, int set, std::span<const int> shown, const Matrix& world);

    // Texture and mesh slots. A load takes the next free slot from where the
    // last search ended; a full table gives -1.
    void LoadTextureResource(int* handle, const char* name);
    void LoadMesh(int* handle, const char* name, const char* type);
    void ReleaseTexture(int* handle);
    void ReleaseMesh(int* handle);
    // Copies of the mesh, each moved by its offset, that draw together: the
    // set's index, or -1. The mesh keeps them until it or they are released.
    int AddMeshCopies(int mesh, std::span<const Vec3> offsets);
    void ReleaseMeshCopies(int mesh);
    void SetTexture(int handle);
    int GetMeshMaterialCount(int handle) const;
    int GetMeshVertexCount(int handle) const;
    int GetMeshFaceCount(int handle) const;
    // 0 for -1 or an empty slot; nothing in the game asks.
    int GetTextureWidth(int handle) const;
    int GetTextureHeight(int handle) const;
    // Picture files, which nothing in the game loads. A relative path is
    // below the program folder. A PNG or BMP file without colour key; a
    // missing file loads nothing.
    void LoadTextureFile(int* handle, const std::string& path);
    // A PNG file, loaded as the texture resources are, colour key included.
    void LoadTextureFileDecoded(int* handle, const std::string& path);

private:
    // A new slot holding the picture's texture, or no texture without a picture.
    void PutTexture(int* handle, const Image* image);
    void SetWorldTransform(const Matrix& world);
    void DrawColorStrip(const ColorVertex* vertices, int primitiveCount, const Matrix& world);
    void DrawWithAlphaMode(int texture, ColorVertex* strip, float alpha, bool multiplyMode, const Matrix& world);
    void InvertDestination(ColorVertex* strip);
    // Alpha-blended, no depth, no fog: the 2D overlay's states.
    void SetOverlayStates();
    // As the overlay, untextured.
    void SetFlatScreenStates();
    const TextureHolder* PrepareBlit(int texture);
    void BlitTexture(const TextureHolder& holder, int x, int y, int left, int top, int right, int bottom,
                     uint32_t color);
    const TextureHolder* FindTexture(int handle) const;
    CModel* FindMesh(int handle) const;
    // The mesh, with opaque blending, depth on and its world set; null for no mesh.
    CModel* PrepareOpaqueMesh(int handle, const Matrix& world);
    void InitRenderStates();

    std::array<ColorVertex, 4> scratchVertices{};
    std::array<ColorVertex, kBatchVertices> batch{};
    int batchCount = 0;
    uint32_t fogColor = 0xFF000000;
    float fogStart = 20.0f, fogEnd = 40.0f;
    int meshSearch = 0, textureSearch = 0;
    std::array<std::unique_ptr<CModel>, kSlotCount> meshes;
    std::array<std::unique_ptr<TextureHolder>, kSlotCount> textures;
    int fogState = -1;
    int cameraMode = 0;
    int blendMode = 0;
    int cullState = 0;
    int wireframeState = 0;
    int zBufferState = 0;
    int flatState = 0;
    int textureMode = 0;
    // Until Init succeeds (and after Release) everything goes to a device that draws nothing.
    NullGraphicsDevice nullDevice;
    GraphicsDevice* device = &nullDevice;
    // None when no face was found: text then draws nothing.
    FontId font = kNoFont;
    int shakeX = 0, shakeY = 0;
    float shakeAmplitude = 0.0f;
    Matrix viewTransform = MatrixIdentity(), projectionTransform = MatrixIdentity();
};

// The one graphics manager, created by the program entry.
extern GraphicsSystem* g_graphics;
