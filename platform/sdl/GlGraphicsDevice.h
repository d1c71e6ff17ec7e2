// The drawing device on OpenGL 2.1 fixed function. Set* calls only store the
// states; every draw applies the whole set through a cache that sends GL only
// what changed since the draw before. Meshes live in GL buffers. The picture
// is drawn into a framebuffer of the requested size and shown scaled to the
// window (aspect kept, black around it), moved by the present offset.
// Work that cannot change a pixel is left out: draws that blend nothing in,
// blending where the source is opaque, and depth clears that no
// depth-tested draw reads.
#pragma once

#include "platform/GraphicsDevice.h"
#include "platform/sdl/GlStateCache.h"
#include "platform/sdl/SdlWindow.h"
#include "platform/text/TextFont.h"

#include <SDL_opengl.h>

#include <array>
#include <memory>
#include <unordered_map>
#include <unordered_set>

class GlGraphicsDevice : public GraphicsDevice {
public:
    explicit GlGraphicsDevice(SdlWindow& window);
    GlGraphicsDevice(const GlGraphicsDevice&) = delete;
    GlGraphicsDevice& operator=(const GlGraphicsDevice&) = delete;
    ~GlGraphicsDevice() override;

    // True when presenting waits for the display's retrace, which is only
    // asked for on a display that runs at about 60 Hz.
    bool VsyncActive() const { return vsyncActive; }

    std::vector<DisplayMode> GetDisplayModes() override;
    bool GetDesktopMode(DisplayMode* mode) override;
    bool CreateDevice(const PresentParameters& parameters) override;
    void ReleaseDevice() override;

    void SetLight(const DirectionalLight& value) override { light = value; }
    void EnableLight(bool on) override { lightEnabled = on; }
    void SetLighting(bool on) override { lighting = on; }
    void SetAmbient(uint32_t argb) override { ambient = argb; }
    void SetCullMode(CullMode mode) override { cull = mode; }
    void SetFillMode(FillMode mode) override { fill = mode; }
    void SetShadeMode(ShadeMode mode) override { shade = mode; }
    void SetSamplerMode(SamplerMode mode) override { sampler = mode; }
    void SetDepthWrite(bool on) override { depthWrite = on; }
    void SetDepthTest(bool on) override { depthTest = on; }
    void SetFogEnable(bool on) override { fog = on; }
    void SetFogColor(uint32_t argb) override { fogColor = argb; }
    void SetFogStart(float start) override { fogStart = start; }
    void SetFogEnd(float end) override { fogEnd = end; }
    void SetAlphaBlendEnable(bool on) override { alphaBlend = on; }
    void SetBlendFactors(BlendFactor sourceFactor, BlendFactor destinationFactor) override;
    void SetTextureAlphaOp(TextureAlphaOp op) override { alphaOp = op; }
    void SetMaterial(const Material& value) override { material = value; }
    void SetTransform(TransformType type, const Matrix& matrix) override;
    void SetViewport(const Viewport& value) override { viewport = value; }

    void Clear(unsigned flags, uint32_t argb, float depth) override;
    void BeginScene() override {}
    void EndScene() override {}
    void Present(int offsetX, int offsetY) override;

    TextureId CreateTexture(int width, int height, const uint32_t* pixels) override;
    void ReleaseTexture(TextureId id) override;
    void SetTexture(TextureId id) override { texture = id; }

    void DrawPrimitive(PrimitiveType type, int primitiveCount, const ColorVertex* vertices) override;
    void DrawPrimitive(PrimitiveType type, int primitiveCount, const ScreenVertex* vertices) override;

    MeshId CreateMesh(const MeshGeometry& geometry) override;
    void ReleaseMesh(MeshId mesh) override;
    void DrawMeshSubset(MeshId mesh, int subset) override;
    MeshId CreateMeshCopies(const MeshGeometry& geometry, std::span<const Vec3> offsets) override;
    void DrawMeshCopies(MeshId copies, int subset, std::span<const int> shown) override;

    // Says on stderr when no face is found.
    FontId CreateFont(const FontDescription& description) override;
    void ReleaseFont(FontId font) override { fonts.erase(font); }
    // The text's coverage becomes the alpha of a texture drawn as one quad.
    void DrawText(FontId font, const char* text, const ScreenRect& rect, uint32_t argb) override;

    bool ReadBackBuffer(std::vector<unsigned char>* rgb, int* width, int* height) override;

private:
    // Entry points beyond OpenGL 1.1, looked up at run time.
    struct GlFunctions {
        PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
        PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
        PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
        PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
        PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
        PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
        PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
        PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
        PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
        PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
        PFNGLGENBUFFERSPROC genBuffers = nullptr;
        PFNGLDELETEBUFFERSPROC deleteBuffers = nullptr;
        PFNGLBINDBUFFERPROC bindBuffer = nullptr;
        PFNGLBUFFERDATAPROC bufferData = nullptr;
        PFNGLDRAWRANGEELEMENTSPROC drawRangeElements = nullptr;
        PFNGLMULTIDRAWELEMENTSPROC multiDrawElements = nullptr;
        // Null where the driver has no framebuffer blit.
        PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
        bool Load();
    };

    // Triangles of one material: their indices, the vertices they use and the box round them.
    struct GlSubset {
        size_t firstIndex = 0;
        GLsizei indexCount = 0;
        GLuint lowestVertex = 0, highestVertex = 0;
        Vec3 low, high;
    };

    struct GlMesh {
        GLuint vertexBuffer = 0, indexBuffer = 0;
        std::vector<GlSubset> subsets;
        // Of mesh copies: each subset of one copy (the subsets above hold
        // theirs copy after copy), and where each copy was moved.
        std::vector<GlSubset> copySubsets;
        std::vector<Vec3> offsets;
    };

    // One vertex as GL reads it: homogeneous position, RGBA bytes, texture coordinates.
    struct DrawVertex {
        float x, y, z, w;
        unsigned char rgba[4];
        float u, v;
    };

    bool CreateFramebuffer();
    void DestroyFramebuffer();
    bool CreateWhiteTexture();
    void SetConstantStates();
    void DeleteMeshBuffers(GlMesh& mesh);
    void ApplyRasterStates(bool sourceOpaque);
    void ApplyTexture();
    void ApplySampler();
    void ApplyWorldSpace();
    void ApplyScreenSpace();
    void ApplyLighting(bool vertexColors);
    std::array<int, 4> ScissorBox() const;
    void ApplyScissor(const std::array<int, 4>& box);
    static std::vector<GlSubset> SubsetsOf(const MeshGeometry& geometry);
    void ApplyMeshStates(const GlMesh& mesh);
    // The corners of the subset's box in GL's clip space.
    std::array<Vec4, 8> ClipCorners(const GlSubset& subset) const;
    // The points through the world, the view and GL's projection.
    template <size_t N>
    std::array<Vec4, N> ToClip(std::array<Vec4, N> points) const;
    // True when the box of the corners lies wholly beyond one side of the
    // clip volume, by more than rounding could explain: GL would clip every
    // triangle away, after transforming and lighting every vertex on the
    // calling thread.
    static bool IsOutOfView(const std::array<Vec4, 8>& corners);
    // The copies in view as runs of consecutive copies: index counts and starts.
    void GatherCopiesInView(const GlMesh& mesh, int subset, std::span<const int> shown);
    bool BlendsBySourceAlpha() const;
    bool AlphaFromVertices() const;
    bool BlendsNothingIn(bool verticesTransparent) const;
    // True when the draw's alpha is 1 throughout.
    bool SourceOpaque(bool verticesOpaque) const;
    void ClearPendingDepth();
    void DrawConverted(PrimitiveType type, int primitiveCount);
    void DrawPicture(float x0, float y0, float x1, float y1, bool smooth);
    // The texture one texel a pixel from x, y, without depth, its alpha times the colour's.
    void DrawInk(TextureId ink, int x, int y, int inkWidth, int inkHeight, uint32_t argb);

    SdlWindow& window;
    SDL_GLContext context = nullptr;
    GlFunctions gl;
    GlStateCache cache;
    GLuint framebuffer = 0, colorTexture = 0, depthBuffer = 0;
    TextureId whiteTexture = kNoTexture;
    int width = 0, height = 0;
    bool vsyncActive = false;

    // The states as the manager set them, starting at the original device's defaults.
    bool lighting = true, lightEnabled = false;
    DirectionalLight light;
    uint32_t ambient = 0;
    CullMode cull = CullMode::CounterClockwise;
    FillMode fill = FillMode::Solid;
    ShadeMode shade = ShadeMode::Gouraud;
    SamplerMode sampler = SamplerMode::WrapNearest;
    // GL keeps sampling with each texture: the textures sampled otherwise than by default.
    std::unordered_map<TextureId, SamplerMode> textureSamplers;
    bool depthTest = true, depthWrite = true;
    bool fog = false;
    uint32_t fogColor = 0;
    float fogStart = 0.0f, fogEnd = 1.0f;
    bool alphaBlend = false;
    BlendFactor source = BlendFactor::One, destination = BlendFactor::Zero;
    TextureAlphaOp alphaOp = TextureAlphaOp::SelectTexture;
    Material material;
    Matrix world = kIdentityMatrix, view = kIdentityMatrix, projection = kIdentityMatrix;
    Viewport viewport;
    TextureId texture = kNoTexture;

    // A depth clear waits for the first depth-tested draw, and is dropped when
    // another clear covers it first: the scissor box it clears and its depth.
    bool depthClearPending = false;
    std::array<int, 4> pendingDepthBox{};
    float pendingDepth = 1.0f;

    std::vector<DrawVertex> converted;
    std::vector<GLsizei> runCounts;
    std::vector<const void*> runStarts;
    std::unordered_map<MeshId, GlMesh> meshes;
    // Textures whose every texel is opaque.
    std::unordered_set<TextureId> opaqueTextures;
    MeshId lastMesh = kNoMesh;
    std::unordered_map<FontId, std::unique_ptr<TextFont>> fonts;
    FontId lastFont = kNoFont;
};
