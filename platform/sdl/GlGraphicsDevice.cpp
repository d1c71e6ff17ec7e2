#include "platform/sdl/GlGraphicsDevice.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

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

void ToFloats(uint32_t argb, GLfloat out[4])
{
    out[0] = static_cast<GLfloat>((argb >> 16) & 0xFF) / 255.0f;
    out[1] = static_cast<GLfloat>((argb >> 8) & 0xFF) / 255.0f;
    out[2] = static_cast<GLfloat>(argb & 0xFF) / 255.0f;
    out[3] = static_cast<GLfloat>(argb >> 24) / 255.0f;
}

void ToRgba(uint32_t argb, unsigned char out[4])
{
    out[0] = static_cast<unsigned char>(argb >> 16);
    out[1] = static_cast<unsigned char>(argb >> 8);
    out[2] = static_cast<unsigned char>(argb);
    out[3] = static_cast<unsigned char>(argb >> 24);
}

void SetMaterialColor(GLenum which, const Color& color)
{
    const GLfloat values[4] = {color.r, color.g, color.b, color.a};
    glMaterialfv(GL_FRONT_AND_BACK, which, values);
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

// Displays are called 60 Hz at 59.94 and at 60.
bool RunsAtAbout60Hz(int refreshRate) { return refreshRate >= 59 && refreshRate <= 61; }

}  // namespace

bool GlGraphicsDevice::FramebufferFunctions::Load()
{
    return LoadEntry(&genFramebuffers, "glGenFramebuffers", "glGenFramebuffersEXT") &&
           LoadEntry(&deleteFramebuffers, "glDeleteFramebuffers", "glDeleteFramebuffersEXT") &&
           LoadEntry(&bindFramebuffer, "glBindFramebuffer", "glBindFramebufferEXT") &&
           LoadEntry(&framebufferTexture2D, "glFramebufferTexture2D", "glFramebufferTexture2DEXT") &&
           LoadEntry(&genRenderbuffers, "glGenRenderbuffers", "glGenRenderbuffersEXT") &&
           LoadEntry(&deleteRenderbuffers, "glDeleteRenderbuffers", "glDeleteRenderbuffersEXT") &&
           LoadEntry(&bindRenderbuffer, "glBindRenderbuffer", "glBindRenderbufferEXT") &&
           LoadEntry(&renderbufferStorage, "glRenderbufferStorage", "glRenderbufferStorageEXT") &&
           LoadEntry(&framebufferRenderbuffer, "glFramebufferRenderbuffer", "glFramebufferRenderbufferEXT") &&
           LoadEntry(&checkFramebufferStatus, "glCheckFramebufferStatus", "glCheckFramebufferStatusEXT");
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
    width = parameters.width;
    height = parameters.height;
    if (!gl.Load() || !CreateFramebuffer()) {
        ReleaseDevice();
        return false;
    }
    vsyncActive = parameters.presentIntervalOne && RunsAtAbout60Hz(window.DisplayRefreshRate()) &&
                  SDL_GL_SetSwapInterval(1) == 0;
    if (!vsyncActive)
        SDL_GL_SetSwapInterval(0);
    viewport = {0, 0, width, height, 0.0f, 1.0f};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glPointSize(1.0f);
    glLineWidth(1.0f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    return true;
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
    DestroyFramebuffer();
    meshes.clear();
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

void GlGraphicsDevice::ApplyScissor()
{
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport.x, height - viewport.y - viewport.height, viewport.width, viewport.height);
}

void GlGraphicsDevice::Clear(unsigned flags, uint32_t argb, float depth)
{
    if (!context)
        return;
    ApplyScissor();
    GLbitfield mask = 0;
    if (flags & kClearTarget) {
        GLfloat color[4];
        ToFloats(argb, color);
        glClearColor(color[0], color[1], color[2], color[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & kClearZBuffer) {
        // Clearing depth ignores the depth-write switch, as the original device did.
        glDepthMask(GL_TRUE);
        glClearDepth(depth);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    glClear(mask);
}

void GlGraphicsDevice::Present(int offsetX, int offsetY)
{
    if (!context)
        return;
    gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    DrawPicture(offsetX, offsetY);
    SDL_GL_SwapWindow(window.Handle());
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void GlGraphicsDevice::DrawPicture(int offsetX, int offsetY)
{
    int drawableWidth = 0, drawableHeight = 0;
    SDL_GL_GetDrawableSize(window.Handle(), &drawableWidth, &drawableHeight);
    glViewport(0, 0, drawableWidth, drawableHeight);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    const float scale = std::min(static_cast<float>(drawableWidth) / static_cast<float>(width),
                                 static_cast<float>(drawableHeight) / static_cast<float>(height));
    const float left = (static_cast<float>(drawableWidth) - scale * static_cast<float>(width)) / 2.0f +
                       scale * static_cast<float>(offsetX);
    const float bottom = (static_cast<float>(drawableHeight) - scale * static_cast<float>(height)) / 2.0f -
                         scale * static_cast<float>(offsetY);
    const float x0 = left / static_cast<float>(drawableWidth) * 2.0f - 1.0f;
    const float y0 = bottom / static_cast<float>(drawableHeight) * 2.0f - 1.0f;
    const float x1 = x0 + scale * static_cast<float>(width) / static_cast<float>(drawableWidth) * 2.0f;
    const float y1 = y0 + scale * static_cast<float>(height) / static_cast<float>(drawableHeight) * 2.0f;

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
    const GLint filter = scale == std::floor(scale) ? GL_NEAREST : GL_LINEAR;
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
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, textureWidth, textureHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    return id;
}

void GlGraphicsDevice::ReleaseTexture(TextureId id)
{
    if (!context || id == kNoTexture)
        return;
    const GLuint name = id;
    glDeleteTextures(1, &name);
    if (texture == id)
        texture = kNoTexture;
}

void GlGraphicsDevice::ApplyRasterStates()
{
    if (cull == CullMode::None) {
        glDisable(GL_CULL_FACE);
    } else {
        // Triangles that appear counter-clockwise are removed: front faces are clockwise.
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CW);
        glCullFace(GL_BACK);
    }
    glPolygonMode(GL_FRONT_AND_BACK, fill == FillMode::Wireframe ? GL_LINE : GL_FILL);
    glShadeModel(shade == ShadeMode::Flat ? GL_FLAT : GL_SMOOTH);
    if (depthTest) {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glDepthMask(depthWrite ? GL_TRUE : GL_FALSE);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
    if (alphaBlend) {
        glEnable(GL_BLEND);
        glBlendFunc(GlFactor(source), GlFactor(destination));
    } else {
        glDisable(GL_BLEND);
    }
    ApplyScissor();
    ApplyTexture();
}

void GlGraphicsDevice::ApplyTexture()
{
    // No texture: the stage passes the lit colour on unchanged.
    if (texture == kNoTexture) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, alphaOp == TextureAlphaOp::Modulate ? GL_MODULATE : GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_ALPHA, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_ALPHA, GL_SRC_ALPHA);
}

void GlGraphicsDevice::ApplyWorldSpace()
{
    glViewport(viewport.x, height - viewport.y - viewport.height, viewport.width, viewport.height);
    glDepthRange(viewport.minZ, viewport.maxZ);
    const Matrix glProjection = GlProjection(projection, viewport.width, viewport.height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(&glProjection.m[0][0]);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(&view.m[0][0]);
    // Placed with only the view loaded, the light stays fixed in the world.
    const GLfloat towardsLight[4] = {-light.direction.x, -light.direction.y, -light.direction.z, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, towardsLight);
    glMultMatrixf(&world.m[0][0]);
    if (fog) {
        GLfloat color[4];
        ToFloats(fogColor, color);
        glEnable(GL_FOG);
        glFogfv(GL_FOG_COLOR, color);
        glFogf(GL_FOG_START, fogStart);
        glFogf(GL_FOG_END, fogEnd);
    } else {
        glDisable(GL_FOG);
    }
}

void GlGraphicsDevice::ApplyScreenSpace()
{
    glViewport(0, 0, width, height);
    glDepthRange(0.0, 1.0);
    const Matrix screen = ScreenProjection(width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(&screen.m[0][0]);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
}

// Lit colour = emissive + ambient × global ambient + diffuse × light × N·L, alpha
// from the diffuse. The diffuse comes from the vertex colour when there is one.
void GlGraphicsDevice::ApplyLighting(bool vertexColors)
{
    if (!lighting) {
        glDisable(GL_LIGHTING);
        return;
    }
    glEnable(GL_LIGHTING);
    GLfloat globalAmbient[4];
    ToFloats(ambient, globalAmbient);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
    const GLfloat diffuse[4] = {light.diffuse.r, light.diffuse.g, light.diffuse.b, light.diffuse.a};
    const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    if (lightEnabled)
        glEnable(GL_LIGHT0);
    else
        glDisable(GL_LIGHT0);
    if (vertexColors) {
        glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
    } else {
        glDisable(GL_COLOR_MATERIAL);
        SetMaterialColor(GL_DIFFUSE, material.diffuse);
    }
    SetMaterialColor(GL_AMBIENT, material.ambient);
    SetMaterialColor(GL_EMISSION, material.emissive);
    // Specular lighting stays off, as on the original device.
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
}

void GlGraphicsDevice::DrawPrimitive(PrimitiveType type, int primitiveCount, const ColorVertex* vertices)
{
    const int count = VertexCountOf(type, primitiveCount);
    if (!context || count == 0)
        return;
    converted.resize(count);
    for (int i = 0; i < count; ++i) {
        const ColorVertex& in = vertices[i];
        DrawVertex& out = converted[i];
        out = {in.x, in.y, in.z, 1.0f, {}, in.u, in.v};
        ToRgba(in.color, out.rgba);
    }
    ApplyRasterStates();
    ApplyWorldSpace();
    ApplyLighting(true);
    // No normal: only the ambient and emissive terms light these vertices.
    glNormal3f(0.0f, 0.0f, 0.0f);
    DrawConverted(type, primitiveCount);
}

void GlGraphicsDevice::DrawPrimitive(PrimitiveType type, int primitiveCount, const ScreenVertex* vertices)
{
    const int count = VertexCountOf(type, primitiveCount);
    if (!context || count == 0)
        return;
    converted.resize(count);
    for (int i = 0; i < count; ++i) {
        const ScreenVertex& in = vertices[i];
        // Scaling the position by w = 1 / rhw keeps texturing perspective-correct.
        const float w = in.rhw != 0.0f ? 1.0f / in.rhw : 1.0f;
        DrawVertex& out = converted[i];
        out = {in.x * w, in.y * w, in.z * w, w, {}, in.u, in.v};
        ToRgba(in.color, out.rgba);
    }
    ApplyRasterStates();
    ApplyScreenSpace();
    DrawConverted(type, primitiveCount);
}

void GlGraphicsDevice::DrawConverted(PrimitiveType type, int primitiveCount)
{
    const GLsizei stride = sizeof(DrawVertex);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(4, GL_FLOAT, stride, &converted[0].x);
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, converted[0].rgba);
    glTexCoordPointer(2, GL_FLOAT, stride, &converted[0].u);
    glDrawArrays(GlPrimitive(type), 0, VertexCountOf(type, primitiveCount));
}

MeshId GlGraphicsDevice::CreateMesh(const MeshGeometry& geometry)
{
    if (!context || !IsValidMesh(geometry))
        return kNoMesh;
    meshes[++lastMesh] = geometry;
    return lastMesh;
}

void GlGraphicsDevice::ReleaseMesh(MeshId mesh) { meshes.erase(mesh); }

void GlGraphicsDevice::DrawMeshSubset(MeshId mesh, int subset)
{
    const auto found = meshes.find(mesh);
    if (!context || found == meshes.end() || subset < 0 ||
        static_cast<size_t>(subset) >= found->second.subsets.size())
        return;
    const MeshGeometry& geometry = found->second;
    const MeshBufferSubset& range = geometry.subsets[subset];
    if (range.triangleCount == 0)
        return;
    ApplyRasterStates();
    ApplyWorldSpace();
    ApplyLighting(false);
    const GLsizei stride = sizeof(MeshBufferVertex);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, &geometry.vertices[0].position);
    glNormalPointer(GL_FLOAT, stride, &geometry.vertices[0].normal);
    glTexCoordPointer(2, GL_FLOAT, stride, &geometry.vertices[0].uv);
    // Without a colour array and without lighting a mesh is white.
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDrawElements(GL_TRIANGLES, range.triangleCount * 3, GL_UNSIGNED_INT,
                   &geometry.indices[static_cast<size_t>(range.firstTriangle) * 3]);
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
