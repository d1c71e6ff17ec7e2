#include "platform/sdl/GlGraphicsDevice.h"

#include "platform/sdl/GlxDrawableSize.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include <malloc.h>

namespace {

template <typename Function>
bool LoadEntry(Function* out, const char* name, const char* extensionName)
{
    void* address = SDL_GL_GetProcAddress(name);
    if (!address)
        address = SDL_GL_GetProcAddress(extensionName);
    *out = reinterpret_cast<Function>(address);
    return address != nullptr;
}

// The original device puts pixel centres on integer coordinates and fills a
// pixel whose centre lies on a top or left edge, never on a bottom or right
// one. Moving the picture right and down by a little less than half a pixel
// gives the same pixels here, for edges through pixel centres too.
constexpr float kPixelShift = 0.5f - 1.0f / 64.0f;

// Freed heap memory kept for reuse rather than returned to the kernel.
constexpr int kKeptHeapBytes = 64 * 1024 * 1024;

// The projection's depth 0..1 becomes GL's -1..1, and the picture moves by the
// pixel shift within a viewport of the given size.
Matrix GlProjection(const Matrix& projection, int viewportWidth, int viewportHeight)
{
    const float right = 2.0f * kPixelShift / static_cast<float>(viewportWidth);
    const float down = 2.0f * kPixelShift / static_cast<float>(viewportHeight);
    Matrix r = projection;
    for (int i = 0; i < 4; ++i) {
        const float w = projection.m[i][3];
        r.m[i][0] = projection.m[i][0] + w * right;
        r.m[i][1] = projection.m[i][1] - w * down;
        r.m[i][2] = 2.0f * projection.m[i][2] - w;
    }
    return r;
}

// The row vector v × m.
Vec4 Transform(const Vec4& v, const Matrix& m)
{
    Vec4 r;
    r.x = v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0] + v.w * m.m[3][0];
    r.y = v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1] + v.w * m.m[3][1];
    r.z = v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2] + v.w * m.m[3][2];
    r.w = v.x * m.m[0][3] + v.y * m.m[1][3] + v.z * m.m[2][3] + v.w * m.m[3][3];
    return r;
}

// Screen pixels (origin top left) to GL's clip space, with the pixel shift.
Matrix ScreenProjection(int width, int height)
{
    Matrix m = kIdentityMatrix;
    m.m[0][0] = 2.0f / static_cast<float>(width);
    m.m[1][1] = -2.0f / static_cast<float>(height);
    m.m[2][2] = 2.0f;
    m.m[3][0] = 2.0f * kPixelShift / static_cast<float>(width) - 1.0f;
    m.m[3][1] = 1.0f - 2.0f * kPixelShift / static_cast<float>(height);
    m.m[3][2] = -1.0f;
    return m;
}

std::array<GLfloat, 4> ToFloats(uint32_t argb)
{
    return {static_cast<GLfloat>((argb >> 16) & 0xFF) / 255.0f, static_cast<GLfloat>((argb >> 8) & 0xFF) / 255.0f,
            static_cast<GLfloat>(argb & 0xFF) / 255.0f, static_cast<GLfloat>(argb >> 24) / 255.0f};
}

void ToRgba(uint32_t argb, unsigned char out[4])
{
    out[0] = static_cast<unsigned char>(argb >> 16);
    out[1] = static_cast<unsigned char>(argb >> 8);
    out[2] = static_cast<unsigned char>(argb);
    out[3] = static_cast<unsigned char>(argb >> 24);
}

GLenum GlFactor(BlendFactor factor)
{
    switch (factor) {
    case BlendFactor::Zero:
        return GL_ZERO;
    case BlendFactor::One:
        return GL_ONE;
    case BlendFactor::SourceAlpha:
        return GL_SRC_ALPHA;
    case BlendFactor::InverseSourceAlpha:
        return GL_ONE_MINUS_SRC_ALPHA;
    case BlendFactor::DestinationColor:
        return GL_DST_COLOR;
    case BlendFactor::InverseDestinationColor:
        return GL_ONE_MINUS_DST_COLOR;
    }
    return GL_ONE;
}

GLenum GlPrimitive(PrimitiveType type)
{
    switch (type) {
    case PrimitiveType::PointList:
        return GL_POINTS;
    case PrimitiveType::LineList:
        return GL_LINES;
    case PrimitiveType::LineStrip:
        return GL_LINE_STRIP;
    case PrimitiveType::TriangleList:
        return GL_TRIANGLES;
    case PrimitiveType::TriangleStrip:
        return GL_TRIANGLE_STRIP;
    }
    return GL_POINTS;
}

// Every index names a vertex and every subset lies within the triangles.
bool IsValidMesh(const MeshGeometry& geometry)
{
    if (geometry.vertices.empty() || geometry.indices.size() % 3 != 0)
        return false;
    for (uint32_t index : geometry.indices)
        if (index >= geometry.vertices.size())
            return false;
    const size_t triangles = geometry.indices.size() / 3;
    for (const MeshBufferSubset& subset : geometry.subsets)
        if (subset.firstTriangle < 0 || subset.triangleCount < 0 ||
            static_cast<size_t>(subset.firstTriangle) + static_cast<size_t>(subset.triangleCount) > triangles)
            return false;
    return true;
}

// The geometry once per offset, moved by it; each subset holds its triangles
// of every copy, copy after copy.
MeshGeometry CopiesOf(const MeshGeometry& geometry, std::span<const Vec3> offsets)
{
    MeshGeometry copies;
    for (const Vec3& offset : offsets)
        for (MeshBufferVertex vertex : geometry.vertices) {
            vertex.position = {vertex.position.x + offset.x, vertex.position.y + offset.y, vertex.position.z + offset.z};
            copies.vertices.push_back(vertex);
        }
    const auto copyCount = static_cast<int>(offsets.size());
    const auto vertexCount = static_cast<uint32_t>(geometry.vertices.size());
    for (const MeshBufferSubset& subset : geometry.subsets) {
        copies.subsets.push_back({static_cast<int>(copies.indices.size() / 3), subset.triangleCount * copyCount});
        const auto first = geometry.indices.begin() + static_cast<std::ptrdiff_t>(subset.firstTriangle) * 3;
        for (uint32_t copy = 0; copy < static_cast<uint32_t>(copyCount); ++copy)
            for (auto index = first; index != first + static_cast<std::ptrdiff_t>(subset.triangleCount) * 3; ++index)
                copies.indices.push_back(*index + copy * vertexCount);
    }
    return copies;
}

// Displays are called 60 Hz at 59.94 and at 60.
bool RunsAtAbout60Hz(int refreshRate) { return refreshRate >= 59 && refreshRate <= 61; }

// True when every vertex's colour has the alpha.
template <typename Vertex>
bool AllHaveAlpha(const Vertex* vertices, int count, uint32_t alpha)
{
    return std::all_of(vertices, vertices + count, [alpha](const Vertex& v) { return v.color >> 24 == alpha; });
}

// True when box a (x, y, width, height) holds all of box b.
bool Contains(const std::array<int, 4>& a, const std::array<int, 4>& b)
{
    return a[0] <= b[0] && a[1] <= b[1] && a[0] + a[2] >= b[0] + b[2] && a[1] + a[3] >= b[1] + b[3];
}

}  // namespace

bool GlGraphicsDevice::GlFunctions::Load()
{
    // The one entry the device can do without: the picture is then shown as a textured quad.
    blitFramebuffer = nullptr;
    if (SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object") || SDL_GL_ExtensionSupported("GL_EXT_framebuffer_blit"))
        LoadEntry(&blitFramebuffer, "glBlitFramebuffer", "glBlitFramebufferEXT");
    return LoadEntry(&genFramebuffers, "glGenFramebuffers", "glGenFramebuffersEXT") &&
           LoadEntry(&deleteFramebuffers, "glDeleteFramebuffers", "glDeleteFramebuffersEXT") &&
           LoadEntry(&bindFramebuffer, "glBindFramebuffer", "glBindFramebufferEXT") &&
           LoadEntry(&framebufferTexture2D, "glFramebufferTexture2D", "glFramebufferTexture2DEXT") &&
           LoadEntry(&genRenderbuffers, "glGenRenderbuffers", "glGenRenderbuffersEXT") &&
           LoadEntry(&deleteRenderbuffers, "glDeleteRenderbuffers", "glDeleteRenderbuffersEXT") &&
           LoadEntry(&bindRenderbuffer, "glBindRenderbuffer", "glBindRenderbufferEXT") &&
           LoadEntry(&renderbufferStorage, "glRenderbufferStorage", "glRenderbufferStorageEXT") &&
           LoadEntry(&framebufferRenderbuffer, "glFramebufferRenderbuffer", "glFramebufferRenderbufferEXT") &&
           LoadEntry(&checkFramebufferStatus, "glCheckFramebufferStatus", "glCheckFramebufferStatusEXT") &&
           LoadEntry(&genBuffers, "glGenBuffers", "glGenBuffersARB") &&
           LoadEntry(&deleteBuffers, "glDeleteBuffers", "glDeleteBuffersARB") &&
           LoadEntry(&bindBuffer, "glBindBuffer", "glBindBufferARB") &&
           LoadEntry(&bufferData, "glBufferData", "glBufferDataARB") &&
           LoadEntry(&drawRangeElements, "glDrawRangeElements", "glDrawRangeElementsEXT") &&
           LoadEntry(&multiDrawElements, "glMultiDrawElements", "glMultiDrawElementsEXT");
}

GlGraphicsDevice::GlGraphicsDevice(SdlWindow& window) : window(window) {}

GlGraphicsDevice::~GlGraphicsDevice() { ReleaseDevice(); }

std::vector<DisplayMode> GlGraphicsDevice::GetDisplayModes()
{
    std::vector<DisplayMode> modes;
    for (const SDL_DisplayMode& mode : window.DisplayModes())
        modes.push_back({mode.w, mode.h, mode.refresh_rate, static_cast<int>(mode.format)});
    return modes;
}

bool GlGraphicsDevice::GetDesktopMode(DisplayMode* mode)
{
    SDL_DisplayMode desktop;
    if (!window.DesktopMode(&desktop))
        return false;
    *mode = {desktop.w, desktop.h, desktop.refresh_rate, static_cast<int>(desktop.format)};
    return true;
}

bool GlGraphicsDevice::CreateDevice(const PresentParameters& parameters)
{
    ReleaseDevice();
    if (!window.Handle())
        return false;
    // A display that cannot go full screen keeps the window: the game still runs.
    if (!parameters.windowed)
        window.EnterFullScreen(parameters.width, parameters.height, parameters.fullScreenRefreshRate);
    context = SDL_GL_CreateContext(window.Handle());
    if (!context)
        return false;
    SetConstantStates();
    width = parameters.width;
    height = parameters.height;
    if (!gl.Load() || !CreateFramebuffer() || !CreateWhiteTexture()) {
        ReleaseDevice();
        return false;
    }
    vsyncActive = parameters.presentIntervalOne && RunsAtAbout60Hz(window.DisplayRefreshRate()) &&
                  SDL_GL_SetSwapInterval(1) == 0;
    if (!vsyncActive)
        SDL_GL_SetSwapInterval(0);
    viewport = {0, 0, width, height, 0.0f, 1.0f};
    cache.SetBindBuffer(gl.bindBuffer);
    // Mesa's software renderer takes and frees vertex storage for every draw;
    // by default glibc gives the top of the heap back to the kernel each time
    // and page-faults it in again for the next draw.
    mallopt(M_TRIM_THRESHOLD, kKeptHeapBytes);
    glPointSize(1.0f);
    glLineWidth(1.0f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    return true;
}

// The states no draw changes, and a cache that knows nothing: for a new
// context, and after presenting, which sets states of its own.
void GlGraphicsDevice::SetConstantStates()
{
    cache.Forget();
    glFogi(GL_FOG_MODE, GL_LINEAR);
    // Triangles that appear counter-clockwise are removed: front faces are clockwise.
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    glDepthFunc(GL_LEQUAL);
    const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    // Specular lighting stays off, as on the original device.
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
    glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_ALPHA, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_ALPHA, GL_SRC_ALPHA);
}

bool GlGraphicsDevice::CreateFramebuffer()
{
    glGenTextures(1, &colorTexture);
    glBindTexture(GL_TEXTURE_2D, colorTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    gl.genRenderbuffers(1, &depthBuffer);
    gl.bindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    // The original device drew with a 16-bit depth buffer.
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    gl.genFramebuffers(1, &framebuffer);
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colorTexture, 0);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    return gl.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

bool GlGraphicsDevice::CreateWhiteTexture()
{
    const uint32_t white = 0xFFFFFFFF;
    whiteTexture = CreateTexture(1, 1, &white);
    return whiteTexture != kNoTexture;
}

void GlGraphicsDevice::DestroyFramebuffer()
{
    if (framebuffer)
        gl.deleteFramebuffers(1, &framebuffer);
    if (depthBuffer)
        gl.deleteRenderbuffers(1, &depthBuffer);
    if (colorTexture)
        glDeleteTextures(1, &colorTexture);
    framebuffer = depthBuffer = colorTexture = 0;
}

void GlGraphicsDevice::ReleaseDevice()
{
    if (!context)
        return;
    depthClearPending = false;
    opaqueTextures.clear();
    DestroyFramebuffer();
    ReleaseTexture(whiteTexture);
    whiteTexture = kNoTexture;
    for (auto& [id, mesh] : meshes)
        DeleteMeshBuffers(mesh);
    meshes.clear();
    textureSamplers.clear();
    SDL_GL_DeleteContext(context);
    context = nullptr;
    vsyncActive = false;
}

void GlGraphicsDevice::SetBlendFactors(BlendFactor sourceFactor, BlendFactor destinationFactor)
{
    source = sourceFactor;
    destination = destinationFactor;
}

void GlGraphicsDevice::SetTransform(TransformType type, const Matrix& matrix)
{
    if (type == TransformType::World)
        world = matrix;
    else if (type == TransformType::View)
        view = matrix;
    else
        projection = matrix;
}

std::array<int, 4> GlGraphicsDevice::ScissorBox() const
{
    return {viewport.x, height - viewport.y - viewport.height, viewport.width, viewport.height};
}

void GlGraphicsDevice::ApplyScissor(const std::array<int, 4>& box)
{
    cache.Enable(GL_SCISSOR_TEST, true);
    cache.Scissor(box[0], box[1], box[2], box[3]);
}

void GlGraphicsDevice::Clear(unsigned flags, uint32_t argb, float depth)
{
    if (!context)
        return;
    if (flags & kClearZBuffer) {
        // A waiting clear that this one covers is never read: it is dropped.
        if (depthClearPending && !Contains(ScissorBox(), pendingDepthBox))
            ClearPendingDepth();
        depthClearPending = true;
        pendingDepthBox = ScissorBox();
        pendingDepth = depth;
    }
    if (flags & kClearTarget) {
        ApplyScissor(ScissorBox());
        const std::array<GLfloat, 4> color = ToFloats(argb);
        glClearColor(color[0], color[1], color[2], color[3]);
        glClear(GL_COLOR_BUFFER_BIT);
    }
}

void GlGraphicsDevice::ClearPendingDepth()
{
    if (!depthClearPending)
        return;
    depthClearPending = false;
    ApplyScissor(pendingDepthBox);
    // Clearing depth ignores the depth-write switch, as the original device did.
    cache.DepthMask(true);
    glClearDepth(pendingDepth);
    glClear(GL_DEPTH_BUFFER_BIT);
}

void GlGraphicsDevice::Present(int offsetX, int offsetY)
{
    if (!context)
        return;
    int drawableWidth = 0, drawableHeight = 0;
    if (!GlxDrawableSize(&drawableWidth, &drawableHeight))
        SDL_GL_GetDrawableSize(window.Handle(), &drawableWidth, &drawableHeight);
    const float scale = std::min(static_cast<float>(drawableWidth) / static_cast<float>(width),
                                 static_cast<float>(drawableHeight) / static_cast<float>(height));
    const int pictureWidth = static_cast<int>(std::lround(scale * static_cast<float>(width)));
    const int pictureHeight = static_cast<int>(std::lround(scale * static_cast<float>(height)));
    const int left = (drawableWidth - pictureWidth) / 2 + static_cast<int>(std::lround(scale * offsetX));
    const int bottom = (drawableHeight - pictureHeight) / 2 - static_cast<int>(std::lround(scale * offsetY));
    const bool smooth = scale != std::floor(scale);

    gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    cache.Enable(GL_SCISSOR_TEST, false);
    if (left > 0 || bottom > 0 || left + pictureWidth < drawableWidth || bottom + pictureHeight < drawableHeight) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (gl.blitFramebuffer) {
        gl.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        gl.blitFramebuffer(0, 0, width, height, left, bottom, left + pictureWidth, bottom + pictureHeight,
                           GL_COLOR_BUFFER_BIT, smooth ? GL_LINEAR : GL_NEAREST);
    } else {
        glViewport(0, 0, drawableWidth, drawableHeight);
        DrawPicture(static_cast<float>(left) / static_cast<float>(drawableWidth) * 2.0f - 1.0f,
                    static_cast<float>(bottom) / static_cast<float>(drawableHeight) * 2.0f - 1.0f,
                    static_cast<float>(left + pictureWidth) / static_cast<float>(drawableWidth) * 2.0f - 1.0f,
                    static_cast<float>(bottom + pictureHeight) / static_cast<float>(drawableHeight) * 2.0f - 1.0f,
                    smooth);
    }
    SDL_GL_SwapWindow(window.Handle());
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    // The blit sets no state of the cache's; the textured quad sets many.
    if (!gl.blitFramebuffer)
        SetConstantStates();
}

// The picture as a textured quad between x0, y0 and x1, y1 of GL's window coordinates.
void GlGraphicsDevice::DrawPicture(float x0, float y0, float x1, float y1, bool smooth)
{
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, colorTexture);
    const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x0, y0);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x1, y0);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(x0, y1);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(x1, y1);
    glEnd();
}

TextureId GlGraphicsDevice::CreateTexture(int textureWidth, int textureHeight, const uint32_t* pixels)
{
    if (!context || textureWidth <= 0 || textureHeight <= 0 || !pixels)
        return kNoTexture;
    std::vector<unsigned char> rgba(static_cast<size_t>(textureWidth) * static_cast<size_t>(textureHeight) * 4);
    for (size_t i = 0; i < rgba.size() / 4; ++i)
        ToRgba(pixels[i], &rgba[i * 4]);
    GLuint id = 0;
    glGenTextures(1, &id);
    cache.BindTexture(id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, textureWidth, textureHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    const size_t count = static_cast<size_t>(textureWidth) * static_cast<size_t>(textureHeight);
    if (std::all_of(pixels, pixels + count, [](uint32_t argb) { return argb >> 24 == 0xFF; }))
        opaqueTextures.insert(id);
    return id;
}

void GlGraphicsDevice::ReleaseTexture(TextureId id)
{
    if (!context || id == kNoTexture)
        return;
    const GLuint name = id;
    glDeleteTextures(1, &name);
    opaqueTextures.erase(id);
    cache.TextureDeleted();
    textureSamplers.erase(id);
    if (texture == id)
        texture = kNoTexture;
}

FontId GlGraphicsDevice::CreateFont(const FontDescription& description)
{
    std::unique_ptr<TextFont> font = TextFont::Open(description.faceName, description.height);
    if (!font) {
        std::fprintf(stderr, "The text font \"%s\" was not found: text is not drawn.\n",
                     description.faceName.c_str());
        return kNoFont;
    }
    fonts[++lastFont] = std::move(font);
    return lastFont;
}

void GlGraphicsDevice::DrawText(FontId font, const char* text, const ScreenRect& rect, uint32_t argb)
{
    const auto found = fonts.find(font);
    if (!context || !text || found == fonts.end())
        return;
    const TextInk ink = found->second->Render(text, rect.right - rect.left, rect.bottom - rect.top);
    if (ink.width == 0)
        return;
    std::vector<uint32_t> texels(ink.coverage.size());
    std::transform(ink.coverage.begin(), ink.coverage.end(), texels.begin(),
                   [](unsigned char coverage) { return static_cast<uint32_t>(coverage) << 24 | 0x00FFFFFF; });
    const TextureId inkTexture = CreateTexture(ink.width, ink.height, texels.data());
    DrawInk(inkTexture, rect.left + ink.left, rect.top + ink.top, ink.width, ink.height, argb);
    ReleaseTexture(inkTexture);
}

void GlGraphicsDevice::DrawInk(TextureId ink, int x, int y, int inkWidth, int inkHeight, uint32_t argb)
{
    const TextureId keptTexture = texture;
    const TextureAlphaOp keptAlphaOp = alphaOp;
    const bool keptDepthTest = depthTest;
    texture = ink;
    alphaOp = TextureAlphaOp::Modulate;
    depthTest = false;
    // Texel centres on pixel centres, which lie on integer coordinates.
    const float x0 = static_cast<float>(x) - 0.5f, y0 = static_cast<float>(y) - 0.5f;
    const float x1 = x0 + static_cast<float>(inkWidth), y1 = y0 + static_cast<float>(inkHeight);
    const ScreenVertex strip[4] = {{x0, y0, 0.0f, 1.0f, argb, 0.0f, 0.0f},
                                   {x1, y0, 0.0f, 1.0f, argb, 1.0f, 0.0f},
                                   {x0, y1, 0.0f, 1.0f, argb, 0.0f, 1.0f},
                                   {x1, y1, 0.0f, 1.0f, argb, 1.0f, 1.0f}};
    DrawPrimitive(PrimitiveType::TriangleStrip, 2, strip);
    texture = keptTexture;
    alphaOp = keptAlphaOp;
    depthTest = keptDepthTest;
}

bool GlGraphicsDevice::BlendsBySourceAlpha() const
{
    return alphaBlend && source == BlendFactor::SourceAlpha && destination == BlendFactor::InverseSourceAlpha;
}

// The vertices' alpha reaches the picture unless the texture's alone is taken.
bool GlGraphicsDevice::AlphaFromVertices() const
{
    return texture == kNoTexture || alphaOp == TextureAlphaOp::Modulate;
}

// True when the draw leaves every pixel as it was: it blends by a source alpha
// that is 0 throughout and writes no depth.
bool GlGraphicsDevice::BlendsNothingIn(bool verticesTransparent) const
{
    return verticesTransparent && AlphaFromVertices() && BlendsBySourceAlpha() && !(depthTest && depthWrite);
}

bool GlGraphicsDevice::SourceOpaque(bool verticesOpaque) const
{
    const bool textureOpaque = texture == kNoTexture || opaqueTextures.count(texture) != 0;
    return textureOpaque && (verticesOpaque || !AlphaFromVertices());
}

void GlGraphicsDevice::ApplyRasterStates(bool sourceOpaque)
{
    if (depthTest)
        ClearPendingDepth();
    cache.Enable(GL_CULL_FACE, cull != CullMode::None);
    cache.PolygonMode(fill == FillMode::Wireframe ? GL_LINE : GL_FILL);
    cache.ShadeModel(shade == ShadeMode::Flat ? GL_FLAT : GL_SMOOTH);
    cache.Enable(GL_DEPTH_TEST, depthTest);
    if (depthTest)
        cache.DepthMask(depthWrite);
    // Blending by a source alpha of 1 gives the source: GL need not read what is beneath.
    const bool blend = alphaBlend && !(sourceOpaque && BlendsBySourceAlpha());
    cache.Enable(GL_BLEND, blend);
    if (blend)
        cache.BlendFunc(GlFactor(source), GlFactor(destination));
    ApplyScissor(ScissorBox());
    ApplyTexture();
}

// Stage 0: colour = texture × lit colour; alpha as the blend mode asks.
// Without a texture the stage reads a white texel and so passes the lit
// colour and its alpha on unchanged. Turning texturing off instead would
// change GL's shaders between the materials of one mesh.
void GlGraphicsDevice::ApplyTexture()
{
    const bool textured = texture != kNoTexture;
    cache.Enable(GL_TEXTURE_2D, true);
    cache.BindTexture(textured ? texture : whiteTexture);
    if (textured)
        ApplySampler();
    cache.CombineAlpha(textured && alphaOp == TextureAlphaOp::SelectTexture ? GL_REPLACE : GL_MODULATE);
}

// Sets the bound texture's sampling when it differs from the mode asked for.
void GlGraphicsDevice::ApplySampler()
{
    const auto found = textureSamplers.find(texture);
    const SamplerMode current = found == textureSamplers.end() ? SamplerMode::WrapNearest : found->second;
    if (current == sampler)
        return;
    const bool linear = sampler == SamplerMode::ClampLinear;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, linear ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, linear ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    textureSamplers[texture] = sampler;
}

void GlGraphicsDevice::ApplyWorldSpace()
{
    cache.Viewport(viewport.x, height - viewport.y - viewport.height, viewport.width, viewport.height);
    cache.DepthRange(viewport.minZ, viewport.maxZ);
    cache.LoadProjection(GlProjection(projection, viewport.width, viewport.height));
    cache.LoadModelView(view, {-light.direction.x, -light.direction.y, -light.direction.z, 0.0f}, world);
    cache.Enable(GL_FOG, fog);
    if (fog) {
        cache.FogColor(ToFloats(fogColor));
        cache.FogRange(fogStart, fogEnd);
    }
}

void GlGraphicsDevice::ApplyScreenSpace()
{
    cache.Viewport(0, 0, width, height);
    cache.DepthRange(0.0f, 1.0f);
    cache.LoadProjection(ScreenProjection(width, height));
    cache.LoadIdentityModelView();
    cache.Enable(GL_LIGHTING, false);
    cache.Enable(GL_FOG, false);
}

// Lit colour = emissive + ambient × global ambient + diffuse × light × N·L, alpha
// from the diffuse. The diffuse comes from the vertex colour when there is one.
void GlGraphicsDevice::ApplyLighting(bool vertexColors)
{
    cache.Enable(GL_LIGHTING, lighting);
    if (!lighting)
        return;
    cache.LightModelAmbient(ToFloats(ambient));
    cache.LightDiffuse({light.diffuse.r, light.diffuse.g, light.diffuse.b, light.diffuse.a});
    cache.Enable(GL_LIGHT0, lightEnabled);
    cache.Enable(GL_COLOR_MATERIAL, vertexColors);
    if (vertexColors)
        cache.DiffuseOverwritten();
    else
        cache.Material(GL_DIFFUSE, material.diffuse);
    cache.Material(GL_AMBIENT, material.ambient);
    cache.Material(GL_EMISSION, material.emissive);
}

void GlGraphicsDevice::DrawPrimitive(PrimitiveType type, int primitiveCount, const ColorVertex* vertices)
{
    const int count = VertexCountOf(type, primitiveCount);
    if (!context || count == 0 || BlendsNothingIn(AllHaveAlpha(vertices, count, 0)))
        return;
    const bool opaque = SourceOpaque(AllHaveAlpha(vertices, count, 0xFF));
    converted.resize(count);
    for (int i = 0; i < count; ++i) {
        const ColorVertex& in = vertices[i];
        DrawVertex& out = converted[i];
        out = {in.x, in.y, in.z, 1.0f, {}, in.u, in.v};
        ToRgba(in.color, out.rgba);
    }
    ApplyRasterStates(opaque);
    ApplyWorldSpace();
    ApplyLighting(true);
    // No normal: only the ambient and emissive terms light these vertices.
    cache.CurrentNormalZero();
    DrawConverted(type, primitiveCount);
}

void GlGraphicsDevice::DrawPrimitive(PrimitiveType type, int primitiveCount, const ScreenVertex* vertices)
{
    const int count = VertexCountOf(type, primitiveCount);
    if (!context || count == 0 || BlendsNothingIn(AllHaveAlpha(vertices, count, 0)))
        return;
    const bool opaque = SourceOpaque(AllHaveAlpha(vertices, count, 0xFF));
    converted.resize(count);
    for (int i = 0; i < count; ++i) {
        const ScreenVertex& in = vertices[i];
        // Scaling the position by w = 1 / rhw keeps texturing perspective-correct.
        const float w = in.rhw != 0.0f ? 1.0f / in.rhw : 1.0f;
        DrawVertex& out = converted[i];
        out = {in.x * w, in.y * w, in.z * w, w, {}, in.u, in.v};
        ToRgba(in.color, out.rgba);
    }
    ApplyRasterStates(opaque);
    ApplyScreenSpace();
    DrawConverted(type, primitiveCount);
}

void GlGraphicsDevice::DrawConverted(PrimitiveType type, int primitiveCount)
{
    cache.EnableArray(GL_VERTEX_ARRAY, true);
    cache.EnableArray(GL_COLOR_ARRAY, true);
    cache.EnableArray(GL_TEXTURE_COORD_ARRAY, true);
    cache.EnableArray(GL_NORMAL_ARRAY, false);
    if (cache.UseVertices(0, 0, converted.data())) {
        const GLsizei stride = sizeof(DrawVertex);
        glVertexPointer(4, GL_FLOAT, stride, &converted[0].x);
        glColorPointer(4, GL_UNSIGNED_BYTE, stride, converted[0].rgba);
        glTexCoordPointer(2, GL_FLOAT, stride, &converted[0].u);
    }
    glDrawArrays(GlPrimitive(type), 0, VertexCountOf(type, primitiveCount));
    cache.ArraysDrawn(false, true);
}

std::vector<GlGraphicsDevice::GlSubset> GlGraphicsDevice::SubsetsOf(const MeshGeometry& geometry)
{
    std::vector<GlSubset> subsets;
    for (const MeshBufferSubset& subset : geometry.subsets) {
        GlSubset range;
        range.firstIndex = static_cast<size_t>(subset.firstTriangle) * 3;
        range.indexCount = subset.triangleCount * 3;
        const auto first = geometry.indices.begin() + static_cast<std::ptrdiff_t>(range.firstIndex);
        if (range.indexCount > 0) {
            const auto [lowest, highest] = std::minmax_element(first, first + range.indexCount);
            range.lowestVertex = *lowest;
            range.highestVertex = *highest;
            range.low = range.high = geometry.vertices[*first].position;
        }
        for (auto index = first; index != first + range.indexCount; ++index) {
            const Vec3& p = geometry.vertices[*index].position;
            range.low = {std::min(range.low.x, p.x), std::min(range.low.y, p.y), std::min(range.low.z, p.z)};
            range.high = {std::max(range.high.x, p.x), std::max(range.high.y, p.y), std::max(range.high.z, p.z)};
        }
        subsets.push_back(range);
    }
    return subsets;
}

MeshId GlGraphicsDevice::CreateMesh(const MeshGeometry& geometry)
{
    if (!context || !IsValidMesh(geometry))
        return kNoMesh;
    GlMesh mesh;
    mesh.subsets = SubsetsOf(geometry);
    gl.genBuffers(1, &mesh.vertexBuffer);
    gl.genBuffers(1, &mesh.indexBuffer);
    cache.BindBuffers(mesh.vertexBuffer, mesh.indexBuffer);
    gl.bufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(geometry.vertices.size() * sizeof(MeshBufferVertex)),
                  geometry.vertices.data(), GL_STATIC_DRAW);
    gl.bufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(geometry.indices.size() * sizeof(uint32_t)),
                  geometry.indices.data(), GL_STATIC_DRAW);
    meshes[++lastMesh] = std::move(mesh);
    return lastMesh;
}

MeshId GlGraphicsDevice::CreateMeshCopies(const MeshGeometry& geometry, std::span<const Vec3> offsets)
{
    if (!context || offsets.empty() || !IsValidMesh(geometry))
        return kNoMesh;
    const MeshId copies = CreateMesh(CopiesOf(geometry, offsets));
    if (copies == kNoMesh)
        return kNoMesh;
    GlMesh& mesh = meshes[copies];
    mesh.copySubsets = SubsetsOf(geometry);
    mesh.offsets.assign(offsets.begin(), offsets.end());
    return copies;
}

void GlGraphicsDevice::DeleteMeshBuffers(GlMesh& mesh)
{
    gl.deleteBuffers(1, &mesh.vertexBuffer);
    gl.deleteBuffers(1, &mesh.indexBuffer);
    cache.BuffersDeleted();
}

void GlGraphicsDevice::ReleaseMesh(MeshId mesh)
{
    const auto found = meshes.find(mesh);
    if (found == meshes.end())
        return;
    if (context)
        DeleteMeshBuffers(found->second);
    meshes.erase(found);
}

void GlGraphicsDevice::DrawMeshSubset(MeshId mesh, int subset)
{
    const auto found = meshes.find(mesh);
    if (!context || found == meshes.end() || subset < 0 ||
        static_cast<size_t>(subset) >= found->second.subsets.size())
        return;
    const GlMesh& buffers = found->second;
    const GlSubset& range = buffers.subsets[subset];
    if (range.indexCount == 0 || IsOutOfView(ClipCorners(range)))
        return;
    ApplyMeshStates(buffers);
    gl.drawRangeElements(GL_TRIANGLES, range.lowestVertex, range.highestVertex, range.indexCount, GL_UNSIGNED_INT,
                         reinterpret_cast<const void*>(range.firstIndex * sizeof(uint32_t)));
    cache.ArraysDrawn(true, false);
}

void GlGraphicsDevice::DrawMeshCopies(MeshId copies, int subset, std::span<const int> shown)
{
    const auto found = meshes.find(copies);
    if (!context || found == meshes.end() || subset < 0 ||
        static_cast<size_t>(subset) >= found->second.copySubsets.size())
        return;
    GatherCopiesInView(found->second, subset, shown);
    if (runCounts.empty())
        return;
    ApplyMeshStates(found->second);
    gl.multiDrawElements(GL_TRIANGLES, runCounts.data(), GL_UNSIGNED_INT, runStarts.data(),
                         static_cast<GLsizei>(runCounts.size()));
    cache.ArraysDrawn(true, false);
}

void GlGraphicsDevice::GatherCopiesInView(const GlMesh& mesh, int subset, std::span<const int> shown)
{
    runCounts.clear();
    runStarts.clear();
    const GlSubset& one = mesh.copySubsets[subset];
    if (one.indexCount == 0)
        return;
    const std::array<Vec4, 8> corners = ClipCorners(one);
    // How far the corners move for a step along x, y and z of the world.
    const std::array<Vec4, 3> steps =
        ToClip(std::array<Vec4, 3>{{{1.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f, 0.0f}}});
    int previous = -2;
    for (int copy : shown) {
        if (copy < 0 || static_cast<size_t>(copy) >= mesh.offsets.size())
            continue;
        const Vec3& o = mesh.offsets[copy];
        std::array<Vec4, 8> moved = corners;
        for (Vec4& c : moved)
            c = {c.x + steps[0].x * o.x + steps[1].x * o.y + steps[2].x * o.z,
                 c.y + steps[0].y * o.x + steps[1].y * o.y + steps[2].y * o.z,
                 c.z + steps[0].z * o.x + steps[1].z * o.y + steps[2].z * o.z,
                 c.w + steps[0].w * o.x + steps[1].w * o.y + steps[2].w * o.z};
        if (IsOutOfView(moved))
            continue;
        if (copy == previous + 1) {
            runCounts.back() += one.indexCount;
        } else {
            const size_t first = mesh.subsets[subset].firstIndex + static_cast<size_t>(copy) * one.indexCount;
            runCounts.push_back(one.indexCount);
            runStarts.push_back(reinterpret_cast<const void*>(first * sizeof(uint32_t)));
        }
        previous = copy;
    }
}

// Lit, a mesh has its material's alpha; unlit, it is white.
void GlGraphicsDevice::ApplyMeshStates(const GlMesh& mesh)
{
    ApplyRasterStates(SourceOpaque(!lighting || material.diffuse.a >= 1.0f));
    ApplyWorldSpace();
    ApplyLighting(false);
    cache.EnableArray(GL_VERTEX_ARRAY, true);
    cache.EnableArray(GL_NORMAL_ARRAY, true);
    cache.EnableArray(GL_TEXTURE_COORD_ARRAY, true);
    cache.EnableArray(GL_COLOR_ARRAY, false);
    if (cache.UseVertices(mesh.vertexBuffer, mesh.indexBuffer, nullptr)) {
        const GLsizei stride = sizeof(MeshBufferVertex);
        glVertexPointer(3, GL_FLOAT, stride, reinterpret_cast<const void*>(offsetof(MeshBufferVertex, position)));
        glNormalPointer(GL_FLOAT, stride, reinterpret_cast<const void*>(offsetof(MeshBufferVertex, normal)));
        glTexCoordPointer(2, GL_FLOAT, stride, reinterpret_cast<const void*>(offsetof(MeshBufferVertex, uv)));
    }
    // Without a colour array and without lighting a mesh is white.
    cache.CurrentColorWhite();
}

std::array<Vec4, 8> GlGraphicsDevice::ClipCorners(const GlSubset& subset) const
{
    std::array<Vec4, 8> corners;
    for (int corner = 0; corner < 8; ++corner)
        corners[corner] = {corner & 1 ? subset.high.x : subset.low.x, corner & 2 ? subset.high.y : subset.low.y,
                           corner & 4 ? subset.high.z : subset.low.z, 1.0f};
    return ToClip(corners);
}

template <size_t N>
std::array<Vec4, N> GlGraphicsDevice::ToClip(std::array<Vec4, N> points) const
{
    const Matrix glProjection = GlProjection(projection, viewport.width, viewport.height);
    for (Vec4& p : points)
        p = Transform(Transform(Transform(p, world), view), glProjection);
    return points;
}

bool GlGraphicsDevice::IsOutOfView(const std::array<Vec4, 8>& corners)
{
    // Side i keeps the points where sign[i] × coordinate[i / 2] + w ≥ 0.
    bool beyond[6] = {true, true, true, true, true, true};
    for (const Vec4& c : corners) {
        const float coordinates[3] = {c.x, c.y, c.z};
        for (int side = 0; side < 6; ++side) {
            const float a = side % 2 == 0 ? coordinates[side / 2] : -coordinates[side / 2];
            beyond[side] = beyond[side] && a + c.w < -(std::fabs(a) + std::fabs(c.w)) / 1024.0f;
        }
    }
    return std::find(std::begin(beyond), std::end(beyond), true) != std::end(beyond);
}

bool GlGraphicsDevice::ReadBackBuffer(std::vector<unsigned char>* rgb, int* outWidth, int* outHeight)
{
    if (!context)
        return false;
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    std::vector<unsigned char> bottomUp(rowBytes * static_cast<size_t>(height));
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    rgb->resize(bottomUp.size());
    for (int row = 0; row < height; ++row)
        std::copy_n(&bottomUp[(static_cast<size_t>(height) - 1 - row) * rowBytes], rowBytes,
                    &(*rgb)[static_cast<size_t>(row) * rowBytes]);
    *outWidth = width;
    *outHeight = height;
    return true;
}
