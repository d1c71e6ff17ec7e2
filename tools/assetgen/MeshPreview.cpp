#include "tools/assetgen/MeshPreview.h"

#include "engine/BmpImage.h"
#include "engine/FileUtil.h"
#include "engine/ResourceLoader.h"
#include "engine/VectorMath.h"
#include "engine/XFile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kSupersample = 2;
constexpr float kFovY = 0.9299114f;

struct Lit {
    float x, y, depth; // screen position and view depth
    Vec2 uv;
    Color colour; // lit colour before the texture
};

struct Target {
    int size;
    std::vector<Color> pixels;
    std::vector<float> depth;
};

// The device's fixed lighting: emissive + ambient 0xAA x diffuse + one
// directional light of 0.5 grey.
Color LightVertex(const MeshMaterial& m, const Vec3& normal)
{
    static const Vec3 towardLight = Vec3Normalize(Vec3{5.2f, 2.0f, -5.0f});
    const float ambient = 170.0f / 255.0f;
    const float lambert = std::max(0.0f, Vec3Dot(Vec3Normalize(normal), towardLight)) * 0.5f;
    auto channel = [&](float emissive, float diffuse) {
        return std::min(1.0f, emissive + diffuse * (ambient + lambert));
    };
    return {channel(m.emissive.r, m.diffuse.r), channel(m.emissive.g, m.diffuse.g),
            channel(m.emissive.b, m.diffuse.b), 1.0f};
}

uint32_t Sample(const Image& image, Vec2 uv)
{
    const float u = uv.x - std::floor(uv.x), v = uv.y - std::floor(uv.y);
    const int x = std::min(image.width - 1, static_cast<int>(u * image.width));
    const int y = std::min(image.height - 1, static_cast<int>(v * image.height));
    return image.pixels[static_cast<size_t>(y) * image.width + x];
}

float Edge(const Lit& a, const Lit& b, float px, float py) { return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x); }

void FillTriangle(Target& target, const Lit& a, const Lit& b, const Lit& c, const Image* texture)
{
    const float area = Edge(a, b, c.x, c.y);
    if (std::fabs(area) < 1e-6f)
        return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
    const int x1 = std::min(target.size - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
    const int y1 = std::min(target.size - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float wa = Edge(b, c, px, py) / area, wb = Edge(c, a, px, py) / area, wc = Edge(a, b, px, py) / area;
            if (wa < 0 || wb < 0 || wc < 0)
                continue;
            const float depth = wa * a.depth + wb * b.depth + wc * c.depth;
            const size_t i = static_cast<size_t>(y) * target.size + x;
            if (depth >= target.depth[i])
                continue;
            target.depth[i] = depth;
            Color lit{wa * a.colour.r + wb * b.colour.r + wc * c.colour.r,
                      wa * a.colour.g + wb * b.colour.g + wc * c.colour.g,
                      wa * a.colour.b + wb * b.colour.b + wc * c.colour.b, 1.0f};
            if (texture) {
                const Vec2 uv{wa * a.uv.x + wb * b.uv.x + wc * c.uv.x, wa * a.uv.y + wb * b.uv.y + wc * c.uv.y};
                const uint32_t t = Sample(*texture, uv);
                lit.r *= ((t >> 16) & 0xFF) / 255.0f;
                lit.g *= ((t >> 8) & 0xFF) / 255.0f;
                lit.b *= (t & 0xFF) / 255.0f;
            }
            target.pixels[i] = lit;
        }
}

std::vector<Image> MaterialTextures(const MeshData& mesh, const TextureLookup& findTexture)
{
    std::vector<Image> textures(mesh.materials.size());
    for (size_t i = 0; i < mesh.materials.size(); ++i) {
        const std::string& file = mesh.materials[i].textureFileName;
        const std::vector<unsigned char>* png = file.empty() ? nullptr : findTexture("#" + GetFileNameNoExt(file));
        std::vector<unsigned char> bmp;
        if (png && ConvertPngToBmp(&bmp, png->data(), png->size()))
            DecodeBmp(&textures[i], bmp.data(), bmp.size(), false);
    }
    return textures;
}

// The mesh turned by world and framed so that it fills the view.
Target RenderView(const MeshData& mesh, const std::vector<Image>& textures, const Matrix& world, int size)
{
    Target target{size, std::vector<Color>(static_cast<size_t>(size) * size, Color{0, 0, 0, 0}),
                  std::vector<float>(static_cast<size_t>(size) * size, std::numeric_limits<float>::max())};
    Vec3 low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
    for (const MeshBufferVertex& v : mesh.vertices) {
        low = {std::min(low.x, v.position.x), std::min(low.y, v.position.y), std::min(low.z, v.position.z)};
        high = {std::max(high.x, v.position.x), std::max(high.y, v.position.y), std::max(high.z, v.position.z)};
    }
    const Vec3 centre = (low + high) * 0.5f;
    const float radius = std::max(0.01f, Vec3Length(high - low) * 0.5f);
    const float distance = radius / std::tan(kFovY / 2) * 1.1f + radius;
    const float focal = size / 2.0f / std::tan(kFovY / 2);
    std::vector<Lit> lit(mesh.vertices.size());
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const MeshBufferVertex& v = mesh.vertices[i];
        const Vec3 p = Vec3TransformCoord(v.position - centre, world);
        const float z = p.z + distance;
        lit[i] = {size / 2.0f + p.x / z * focal, size / 2.0f - p.y / z * focal, z, v.uv, Color{}};
    }
    for (size_t s = 0; s < mesh.subsets.size(); ++s) {
        const MeshMaterial& material = mesh.materials[s];
        const Image* texture = textures[s].width > 0 ? &textures[s] : nullptr;
        const MeshBufferSubset& subset = mesh.subsets[s];
        for (int t = subset.firstTriangle; t < subset.firstTriangle + subset.triangleCount; ++t) {
            Lit corners[3];
            for (int k = 0; k < 3; ++k) {
                const uint32_t index = mesh.indices[static_cast<size_t>(t) * 3 + k];
                corners[k] = lit[index];
                corners[k].colour = LightVertex(material, Vec3TransformNormal(mesh.vertices[index].normal, world));
            }
            FillTriangle(target, corners[0], corners[1], corners[2], texture);
        }
    }
    return target;
}

void Downsample(const Target& view, Picture& out, int left, Color background)
{
    const int size = view.size / kSupersample;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSupersample; ++sy)
                for (int sx = 0; sx < kSupersample; ++sx) {
                    const Color& c = view.pixels[static_cast<size_t>(y * kSupersample + sy) * view.size +
                                                 x * kSupersample + sx];
                    const Color shown = c.a > 0 ? c : background;
                    r += shown.r;
                    g += shown.g;
                    b += shown.b;
                }
            const float n = kSupersample * kSupersample;
            auto byte = [n](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v / n, 0.0f, 1.0f) * 255)); };
            out.pixels[static_cast<size_t>(y) * out.width + left + x] = 0xFF000000u | byte(r) << 16 | byte(g) << 8 | byte(b);
        }
}

} // namespace

Picture RenderMeshPreview(const std::vector<unsigned char>& xFile, const TextureLookup& findTexture, int size)
{
    Picture out{size * 2, size, std::vector<uint32_t>(static_cast<size_t>(size) * size * 2, 0xFF400810u)};
    MeshData mesh;
    if (!ParseXFile(&mesh, xFile.data(), xFile.size()))
        return out;
    const std::vector<Image> textures = MaterialTextures(mesh, findTexture);
    const Color background{0.16f, 0.2f, 0.3f, 1.0f};
    Downsample(RenderView(mesh, textures, MatrixIdentity(), size * kSupersample), out, 0, background);
    const Matrix threeQuarter = MatrixMultiply(MatrixRotationY(0.6f), MatrixRotationX(-0.9f));
    Downsample(RenderView(mesh, textures, threeQuarter, size * kSupersample), out, size, background);
    return out;
}
