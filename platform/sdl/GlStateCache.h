// The OpenGL states the device sets, as last sent to GL, so that a draw sends
// only what differs from the draw before: with thousands of small draws a
// frame, sending every state each time cost Mesa's software renderer more
// than the drawing.
#pragma once

#include "engine/VectorMath.h"

#include <SDL_opengl.h>

#include <array>
#include <cstdint>
#include <cstring>

class GlStateCache {
public:
    // Forgets every state: the next call of each kind reaches GL. For when
    // something else has set states behind the cache's back.
    void Forget() { applied = Applied(); }

    // GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND, GL_SCISSOR_TEST, GL_TEXTURE_2D,
    // GL_LIGHTING, GL_LIGHT0, GL_FOG or GL_COLOR_MATERIAL.
    void Enable(GLenum capability, bool on);
    // GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_COLOR_ARRAY or GL_TEXTURE_COORD_ARRAY.
    void EnableArray(GLenum array, bool on);

    void BlendFunc(GLenum source, GLenum destination);
    void DepthMask(bool on);
    void PolygonMode(GLenum mode);
    void ShadeModel(GLenum mode);
    void Viewport(int x, int y, int width, int height);
    void Scissor(int x, int y, int width, int height);
    void DepthRange(float nearZ, float farZ);

    void BindTexture(GLuint texture);
    // A deleted texture name may come back for a new texture, which must then be bound.
    void TextureDeleted();
    // The alpha operation of texture stage 0's combiner.
    void CombineAlpha(GLenum operation);

    // Material colours of both faces: GL_AMBIENT, GL_DIFFUSE or GL_EMISSION.
    void Material(GLenum which, const Color& color);
    // While GL_COLOR_MATERIAL is on, GL writes the vertex colours into the diffuse material.
    void DiffuseOverwritten() { applied.diffuse.Forget(); }
    void LightModelAmbient(const std::array<GLfloat, 4>& color);
    void LightDiffuse(const std::array<GLfloat, 4>& color);
    void FogColor(const std::array<GLfloat, 4>& color);
    void FogRange(float start, float end);

    void LoadProjection(const Matrix& projection);
    // View × world, with light 0 placed while only the view is loaded so that
    // it stays fixed in the world.
    void LoadModelView(const Matrix& view, const std::array<GLfloat, 4>& towardsLight, const Matrix& world);
    void LoadIdentityModelView();

    // Current vertex attributes for draws without the array: drawing with the
    // array leaves the current value undefined.
    void CurrentNormalZero();
    void CurrentColorWhite();
    void ArraysDrawn(bool withNormals, bool withColors);

    // Binds both buffers (0: none, arrays in client memory).
    void BindBuffers(GLuint vertexBuffer, GLuint indexBuffer);
    // Binds both buffers and reports whether the vertex pointers must be set:
    // when the vertices come from anywhere else than at the last call.
    bool UseVertices(GLuint vertexBuffer, GLuint indexBuffer, const void* vertices);
    // Buffers deleted: their names may come back, and arrays that pointed
    // into them now point into client memory.
    void BuffersDeleted();

    // glBindBuffer, which OpenGL 1.1 does not have, as the context gives it.
    void SetBindBuffer(PFNGLBINDBUFFERPROC function) { bindBuffer = function; }

private:
    template <typename T>
    class Shadow {
    public:
        // True when value is not what GL was last given (or that is not
        // known); it is then taken as GL's.
        bool Change(const T& value)
        {
            if (known && std::memcmp(&value, &current, sizeof(T)) == 0)
                return false;
            current = value;
            known = true;
            return true;
        }
        void Forget() { known = false; }

    private:
        T current{};
        bool known = false;
    };

    struct Applied {
        std::array<Shadow<bool>, 9> capabilities;
        std::array<Shadow<bool>, 4> arrays;
        Shadow<std::array<GLenum, 2>> blendFunc;
        Shadow<bool> depthMask;
        Shadow<GLenum> polygonMode, shadeModel;
        Shadow<std::array<int, 4>> viewport, scissor;
        Shadow<std::array<float, 2>> depthRange;
        Shadow<GLuint> texture;
        Shadow<GLenum> combineAlpha;
        Shadow<Color> ambient, diffuse, emission;
        Shadow<std::array<GLfloat, 4>> lightModelAmbient, lightDiffuse, fogColor;
        Shadow<std::array<float, 2>> fogRange;
        Shadow<GLenum> matrixMode;
        Shadow<Matrix> projection, view, world;
        Shadow<bool> modelViewIdentity;
        Shadow<std::array<GLfloat, 4>> lightPosition;
        Shadow<bool> normalZero, colorWhite;
        Shadow<GLuint> arrayBuffer, elementBuffer;
        // The buffer and the client address the vertex pointers were set with.
        Shadow<std::array<uintptr_t, 2>> vertexSource;
    };

    void MatrixMode(GLenum mode);

    Applied applied;
    PFNGLBINDBUFFERPROC bindBuffer = nullptr;
};
