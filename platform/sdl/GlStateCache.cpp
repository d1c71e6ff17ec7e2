#include "platform/sdl/GlStateCache.h"

namespace {

size_t CapabilityIndex(GLenum capability)
{
    switch (capability) {
    case GL_CULL_FACE:
        return 0;
    case GL_DEPTH_TEST:
        return 1;
    case GL_BLEND:
        return 2;
    case GL_SCISSOR_TEST:
        return 3;
    case GL_TEXTURE_2D:
        return 4;
    case GL_LIGHTING:
        return 5;
    case GL_LIGHT0:
        return 6;
    case GL_FOG:
        return 7;
    default:  // GL_COLOR_MATERIAL
        return 8;
    }
}

size_t ArrayIndex(GLenum array)
{
    switch (array) {
    case GL_VERTEX_ARRAY:
        return 0;
    case GL_NORMAL_ARRAY:
        return 1;
    case GL_COLOR_ARRAY:
        return 2;
    default:  // GL_TEXTURE_COORD_ARRAY
        return 3;
    }
}

}  // namespace

void GlStateCache::Enable(GLenum capability, bool on)
{
    if (!applied.capabilities[CapabilityIndex(capability)].Change(on))
        return;
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

void GlStateCache::EnableArray(GLenum array, bool on)
{
    if (!applied.arrays[ArrayIndex(array)].Change(on))
        return;
    if (on)
        glEnableClientState(array);
    else
        glDisableClientState(array);
}

void GlStateCache::BlendFunc(GLenum source, GLenum destination)
{
    if (applied.blendFunc.Change({source, destination}))
        glBlendFunc(source, destination);
}

void GlStateCache::DepthMask(bool on)
{
    if (applied.depthMask.Change(on))
        glDepthMask(on ? GL_TRUE : GL_FALSE);
}

void GlStateCache::PolygonMode(GLenum mode)
{
    if (applied.polygonMode.Change(mode))
        glPolygonMode(GL_FRONT_AND_BACK, mode);
}

void GlStateCache::ShadeModel(GLenum mode)
{
    if (applied.shadeModel.Change(mode))
        glShadeModel(mode);
}

void GlStateCache::Viewport(int x, int y, int width, int height)
{
    if (applied.viewport.Change({x, y, width, height}))
        glViewport(x, y, width, height);
}

void GlStateCache::Scissor(int x, int y, int width, int height)
{
    if (applied.scissor.Change({x, y, width, height}))
        glScissor(x, y, width, height);
}

void GlStateCache::DepthRange(float nearZ, float farZ)
{
    if (applied.depthRange.Change({nearZ, farZ}))
        glDepthRange(nearZ, farZ);
}

void GlStateCache::BindTexture(GLuint texture)
{
    if (applied.texture.Change(texture))
        glBindTexture(GL_TEXTURE_2D, texture);
}

void GlStateCache::TextureDeleted() { applied.texture.Forget(); }

void GlStateCache::CombineAlpha(GLenum operation)
{
    if (applied.combineAlpha.Change(operation))
        glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, static_cast<GLint>(operation));
}

void GlStateCache::Material(GLenum which, const Color& color)
{
    Shadow<Color>& shadow = which == GL_AMBIENT ? applied.ambient : which == GL_DIFFUSE ? applied.diffuse : applied.emission;
    if (!shadow.Change(color))
        return;
    const GLfloat values[4] = {color.r, color.g, color.b, color.a};
    glMaterialfv(GL_FRONT_AND_BACK, which, values);
}

void GlStateCache::LightModelAmbient(const std::array<GLfloat, 4>& color)
{
    if (applied.lightModelAmbient.Change(color))
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, color.data());
}

void GlStateCache::LightDiffuse(const std::array<GLfloat, 4>& color)
{
    if (applied.lightDiffuse.Change(color))
        glLightfv(GL_LIGHT0, GL_DIFFUSE, color.data());
}

void GlStateCache::FogColor(const std::array<GLfloat, 4>& color)
{
    if (applied.fogColor.Change(color))
        glFogfv(GL_FOG_COLOR, color.data());
}

void GlStateCache::FogRange(float start, float end)
{
    if (!applied.fogRange.Change({start, end}))
        return;
    glFogf(GL_FOG_START, start);
    glFogf(GL_FOG_END, end);
}

void GlStateCache::MatrixMode(GLenum mode)
{
    if (applied.matrixMode.Change(mode))
        glMatrixMode(mode);
}

void GlStateCache::LoadProjection(const Matrix& projection)
{
    if (!applied.projection.Change(projection))
        return;
    MatrixMode(GL_PROJECTION);
    glLoadMatrixf(&projection.m[0][0]);
}

void GlStateCache::LoadModelView(const Matrix& view, const std::array<GLfloat, 4>& towardsLight, const Matrix& world)
{
    const bool viewChanged = applied.view.Change(view);
    const bool lightMoved = applied.lightPosition.Change(towardsLight);
    const bool worldChanged = applied.world.Change(world);
    const bool wasIdentity = applied.modelViewIdentity.Change(false);
    if (!viewChanged && !lightMoved && !worldChanged && !wasIdentity)
        return;
    MatrixMode(GL_MODELVIEW);
    glLoadMatrixf(&view.m[0][0]);
    // GL keeps the light where the modelview placed it: a new view moves it too.
    if (viewChanged || lightMoved)
        glLightfv(GL_LIGHT0, GL_POSITION, towardsLight.data());
    glMultMatrixf(&world.m[0][0]);
}

void GlStateCache::LoadIdentityModelView()
{
    if (!applied.modelViewIdentity.Change(true))
        return;
    MatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlStateCache::CurrentNormalZero()
{
    if (applied.normalZero.Change(true))
        glNormal3f(0.0f, 0.0f, 0.0f);
}

void GlStateCache::CurrentColorWhite()
{
    if (applied.colorWhite.Change(true))
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void GlStateCache::ArraysDrawn(bool withNormals, bool withColors)
{
    if (withNormals)
        applied.normalZero.Forget();
    if (withColors)
        applied.colorWhite.Forget();
}

void GlStateCache::BindBuffers(GLuint vertexBuffer, GLuint indexBuffer)
{
    if (applied.arrayBuffer.Change(vertexBuffer))
        bindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    if (applied.elementBuffer.Change(indexBuffer))
        bindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
}

bool GlStateCache::UseVertices(GLuint vertexBuffer, GLuint indexBuffer, const void* vertices)
{
    BindBuffers(vertexBuffer, indexBuffer);
    return applied.vertexSource.Change({vertexBuffer, reinterpret_cast<uintptr_t>(vertices)});
}

void GlStateCache::BuffersDeleted()
{
    applied.arrayBuffer.Forget();
    applied.elementBuffer.Forget();
    applied.vertexSource.Forget();
}
