#include "tools/assetgen/meshes/XFileWriter.h"

#include <cstdio>

namespace {

std::string Number(float value)
{
    // Rounding may leave "-0.000000"; the same mesh must give the same text.
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(value));
    const std::string result = text;
    return result == "-0.000000" ? "0.000000" : result;
}

// Array elements are separated by "," and the array ends with ";".
const char* Separator(size_t i, size_t count) { return i + 1 < count ? "," : ";"; }

void WriteVectors(std::string& out, const Mesh& mesh, bool normals, const char* indent)
{
    const size_t n = mesh.vertices.size();
    out += indent + std::to_string(n) + ";\n";
    for (size_t i = 0; i < n; ++i) {
        const Vec3& v = normals ? mesh.vertices[i].normal : mesh.vertices[i].position;
        out += indent + Number(v.x) + ";" + Number(v.y) + ";" + Number(v.z) + ";" + Separator(i, n) + "\n";
    }
}

void WriteFaces(std::string& out, const Mesh& mesh, const char* indent)
{
    const size_t n = mesh.faces.size();
    out += indent + std::to_string(n) + ";\n";
    for (size_t i = 0; i < n; ++i) {
        const auto& c = mesh.faces[i].corners;
        out += indent + std::string("3;") + std::to_string(c[0]) + "," + std::to_string(c[1]) + "," +
               std::to_string(c[2]) + ";" + Separator(i, n) + "\n";
    }
}

void WriteMaterial(std::string& out, const ModelMaterial& m)
{
    out += "  Material {\n";
    out += "   " + Number(m.diffuse.r) + ";" + Number(m.diffuse.g) + ";" + Number(m.diffuse.b) + ";" +
           Number(m.diffuse.a) + ";;\n";
    out += "   " + Number(m.power) + ";\n";
    out += "   " + Number(m.specular.x) + ";" + Number(m.specular.y) + ";" + Number(m.specular.z) + ";;\n";
    out += "   " + Number(m.emissive.x) + ";" + Number(m.emissive.y) + ";" + Number(m.emissive.z) + ";;\n";
    if (!m.textureFile.empty())
        out += "   TextureFilename {\n    \"" + m.textureFile + "\";\n   }\n";
    out += "  }\n";
}

} // namespace

std::string WriteXFile(const Mesh& mesh)
{
    std::string out = "xof 0303txt 0032\n\nMesh {\n";
    WriteVectors(out, mesh, false, " ");
    WriteFaces(out, mesh, " ");

    out += "\n MeshNormals {\n";
    WriteVectors(out, mesh, true, "  ");
    WriteFaces(out, mesh, "  ");
    out += " }\n";

    const size_t n = mesh.vertices.size();
    out += "\n MeshTextureCoords {\n  " + std::to_string(n) + ";\n";
    for (size_t i = 0; i < n; ++i) {
        const Vec2& uv = mesh.vertices[i].uv;
        out += "  " + Number(uv.x) + ";" + Number(uv.y) + ";" + Separator(i, n) + "\n";
    }
    out += " }\n";

    const size_t faces = mesh.faces.size();
    out +=
        "\n MeshMaterialList {\n  " + std::to_string(mesh.materials.size()) + ";\n  " + std::to_string(faces) + ";\n";
    for (size_t i = 0; i < faces; ++i)
        out += "  " + std::to_string(mesh.faces[i].material) + Separator(i, faces) + "\n";
    for (const ModelMaterial& m : mesh.materials)
        WriteMaterial(out, m);
    out += " }\n}\n";
    return out;
}
