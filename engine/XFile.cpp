#include "engine/XFile.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {

constexpr size_t kHeaderSize = 16;
// Frames nested deeper than this are refused rather than recursed into.
constexpr int kMaxFrameDepth = 64;
constexpr uint32_t kNoNormal = UINT32_MAX;
// Material references and texture names cost little text but much memory;
// no mesh of ours comes near these limits.
constexpr uint32_t kMaxMaterials = 4096;
constexpr size_t kMaxTextureName = 259;

enum class TokenKind { End, Name, Number, String, Guid, Open, Close, Other, Invalid };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;
};

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
}

bool IsNumberChar(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
           c == 'e' || c == 'E';
}

// The separators ',' and ';' tell a reader that knows the counts nothing, so
// they are skipped like blanks; miscounted data then shows up as a token of
// the wrong kind or as the end of the text.
class XTokenizer {
public:
    explicit XTokenizer(std::string_view text) : text_(text) {}

    Token Next()
    {
        SkipBlanks();
        if (pos_ >= text_.size())
            return {};
        const char c = text_[pos_];
        if (c == '{')
            return Take(TokenKind::Open, 1);
        if (c == '}')
            return Take(TokenKind::Close, 1);
        if (c == '"')
            return TakeDelimited(TokenKind::String, '"');
        if (c == '<')
            return TakeDelimited(TokenKind::Guid, '>');
        if (IsNameStart(c))
            return TakeWhile(TokenKind::Name, IsNameChar);
        if (IsNumberChar(c))
            return TakeWhile(TokenKind::Number, IsNumberChar);
        return Take(TokenKind::Other, 1);
    }

    Token Peek()
    {
        const size_t saved = pos_;
        const Token token = Next();
        pos_ = saved;
        return token;
    }

    size_t Remaining() const { return text_.size() - pos_; }

private:
    void SkipBlanks()
    {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '#' || text_.substr(pos_, 2) == "//") {
                const size_t end = text_.find('\n', pos_);
                pos_ = end == std::string_view::npos ? text_.size() : end;
            } else if (std::isspace(static_cast<unsigned char>(c)) || c == ',' || c == ';') {
                ++pos_;
            } else {
                return;
            }
        }
    }

    Token Take(TokenKind kind, size_t length)
    {
        const Token token{kind, text_.substr(pos_, length)};
        pos_ += length;
        return token;
    }

    // The token's text is what lies between the delimiters.
    Token TakeDelimited(TokenKind kind, char close)
    {
        const size_t end = text_.find(close, pos_ + 1);
        if (end == std::string_view::npos) {
            pos_ = text_.size();
            return {TokenKind::Invalid, {}};
        }
        const Token token{kind, text_.substr(pos_ + 1, end - pos_ - 1)};
        pos_ = end + 1;
        return token;
    }

    Token TakeWhile(TokenKind kind, bool (*accept)(char))
    {
        size_t end = pos_;
        while (end < text_.size() && accept(text_[end]))
            ++end;
        return Take(kind, end - pos_);
    }

    std::string_view text_;
    size_t pos_ = 0;
};

// One Mesh object as written: faces index positions, and MeshNormals' faces
// index normals in the same layout.
struct RawMesh {
    std::vector<Vec3> positions;
    std::vector<uint32_t> faceStarts{0};
    std::vector<uint32_t> faceIndices;
    std::vector<Vec3> normals;
    std::vector<uint32_t> normalIndices;
    std::vector<Vec2> uvs;
    bool hasMaterialList = false;
    std::vector<uint32_t> faceMaterials;
    std::vector<MeshMaterial> materials;

    size_t FaceCount() const { return faceStarts.size() - 1; }
};

// One mesh with its vertices split where normals differ and its frames applied.
struct MeshPart {
    std::vector<MeshBufferVertex> vertices;
    std::vector<uint32_t> indices;
    std::vector<uint32_t> triangleMaterials;
    std::vector<MeshMaterial> materials;
};

class XParser {
public:
    explicit XParser(std::string_view body) : tokens_(body) {}

    bool ParseFile(std::vector<MeshPart>* parts)
    {
        for (;;) {
            const Token token = tokens_.Next();
            if (token.kind == TokenKind::End)
                return true;
            if (token.kind != TokenKind::Name || !ParseObject(token.text, 0, parts))
                return false;
        }
    }

private:
    bool ParseObject(std::string_view type, int depth, std::vector<MeshPart>* parts);
    bool ParseFrame(int depth, std::vector<MeshPart>* parts);
    bool ParseMatrix(Matrix* matrix);
    bool ParseMesh(RawMesh* mesh);
    bool ParseFaces(RawMesh* mesh);
    bool ParseMeshChild(std::string_view type, RawMesh* mesh);
    bool ParseNormals(RawMesh* mesh);
    bool ParseTextureCoords(RawMesh* mesh);
    bool ParseMaterialList(RawMesh* mesh);
    bool ParseMaterialObject(MeshMaterial* material);
    bool ParseMaterial(MeshMaterial* material);
    bool ParseTextureFilename(MeshMaterial* material);
    bool ParseReference(MeshMaterial* material);
    bool OpenBody(std::string* name);
    bool SkipBody();
    bool FinishBody();

    // The child objects of a body up to its closing brace: onChild gets the
    // type of each, onReference is called after the brace of each reference
    // ("{ Name }"), which is skipped by default.
    template <typename OnChild, typename OnReference>
    bool ParseChildren(OnChild onChild, OnReference onReference)
    {
        for (;;) {
            const Token token = tokens_.Next();
            if (token.kind == TokenKind::Close)
                return true;
            if (token.kind == TokenKind::Open) {
                if (!onReference())
                    return false;
            } else if (token.kind != TokenKind::Name || !onChild(token.text)) {
                return false;
            }
        }
    }

    template <typename OnChild>
    bool ParseChildren(OnChild onChild)
    {
        return ParseChildren(onChild, [this] { return SkipBody(); });
    }

    bool ReadUnsigned(uint32_t* value);
    bool ReadCount(uint32_t* count, size_t tokensPerItem);
    bool ReadIndex(uint32_t* index, uint32_t limit);
    bool ReadIndices(uint32_t count, uint32_t limit, std::vector<uint32_t>* indices);
    bool ReadVectors(std::vector<Vec3>* vectors);
    bool ReadFloat(float* value);
    bool ReadVec3(Vec3* v);
    bool ReadColor(Color* colour, bool withAlpha);

    XTokenizer tokens_;
    std::map<std::string, MeshMaterial, std::less<>> namedMaterials_;
    uint32_t materialTotal_ = 0;
};

MeshPart BuildPart(const RawMesh& raw);
bool TransformPart(MeshPart* part, const Matrix& transform);

// After the object's type: an optional name, the opening brace and an
// optional GUID.
bool XParser::OpenBody(std::string* name)
{
    Token token = tokens_.Next();
    if (token.kind == TokenKind::Name) {
        if (name != nullptr)
            name->assign(token.text);
        token = tokens_.Next();
    }
    if (token.kind != TokenKind::Open)
        return false;
    if (tokens_.Peek().kind == TokenKind::Guid)
        tokens_.Next();
    return true;
}

// Skips to the brace that closes the body just opened.
bool XParser::SkipBody()
{
    for (size_t depth = 1; depth > 0;) {
        const Token token = tokens_.Next();
        if (token.kind == TokenKind::End || token.kind == TokenKind::Invalid)
            return false;
        if (token.kind == TokenKind::Open)
            ++depth;
        else if (token.kind == TokenKind::Close)
            --depth;
    }
    return true;
}

// After an object's data: skips any child objects up to the closing brace.
bool XParser::FinishBody()
{
    return ParseChildren([this](std::string_view) { return OpenBody(nullptr) && SkipBody(); });
}

bool XParser::ParseObject(std::string_view type, int depth, std::vector<MeshPart>* parts)
{
    if (type == "Material") {
        MeshMaterial material;
        return ParseMaterialObject(&material);
    }
    if (!OpenBody(nullptr))
        return false;
    if (type == "Frame")
        return ParseFrame(depth, parts);
    if (type == "Mesh") {
        RawMesh raw;
        if (!ParseMesh(&raw))
            return false;
        parts->push_back(BuildPart(raw));
        return true;
    }
    return SkipBody();
}

bool XParser::ParseFrame(int depth, std::vector<MeshPart>* parts)
{
    if (depth >= kMaxFrameDepth)
        return false;
    std::vector<MeshPart> inner;
    Matrix transform = MatrixIdentity();
    const bool parsed = ParseChildren([&](std::string_view type) {
        if (type == "FrameTransformMatrix")
            return OpenBody(nullptr) && ParseMatrix(&transform);
        return ParseObject(type, depth + 1, &inner);
    });
    if (!parsed)
        return false;
    for (MeshPart& part : inner) {
        if (!TransformPart(&part, transform))
            return false;
        parts->push_back(std::move(part));
    }
    return true;
}

bool XParser::ParseMatrix(Matrix* matrix)
{
    for (auto& row : matrix->m)
        for (float& value : row)
            if (!ReadFloat(&value))
                return false;
    return FinishBody();
}

bool XParser::ParseMesh(RawMesh* mesh)
{
    return ReadVectors(&mesh->positions) && ParseFaces(mesh) &&
           ParseChildren([this, mesh](std::string_view type) { return ParseMeshChild(type, mesh); });
}

bool XParser::ParseFaces(RawMesh* mesh)
{
    uint32_t faceCount = 0;
    if (!ReadCount(&faceCount, 4))
        return false;
    const uint32_t vertexCount = static_cast<uint32_t>(mesh->positions.size());
    mesh->faceStarts.reserve(size_t{faceCount} + 1);
    for (uint32_t f = 0; f < faceCount; ++f) {
        uint32_t corners = 0;
        if (!ReadCount(&corners, 1) || corners < 3 || !ReadIndices(corners, vertexCount, &mesh->faceIndices))
            return false;
        mesh->faceStarts.push_back(static_cast<uint32_t>(mesh->faceIndices.size()));
    }
    return true;
}

bool XParser::ParseMeshChild(std::string_view type, RawMesh* mesh)
{
    if (!OpenBody(nullptr))
        return false;
    if (type == "MeshNormals")
        return ParseNormals(mesh);
    if (type == "MeshTextureCoords")
        return ParseTextureCoords(mesh);
    if (type == "MeshMaterialList")
        return ParseMaterialList(mesh);
    return SkipBody();
}

// The normal faces must match the mesh's faces one for one, corner for corner.
bool XParser::ParseNormals(RawMesh* mesh)
{
    uint32_t faceCount = 0;
    if (!ReadVectors(&mesh->normals) || !ReadCount(&faceCount, 4) || faceCount != mesh->FaceCount())
        return false;
    const uint32_t normalCount = static_cast<uint32_t>(mesh->normals.size());
    mesh->normalIndices.clear();
    for (uint32_t f = 0; f < faceCount; ++f) {
        uint32_t corners = 0;
        if (!ReadCount(&corners, 1) || corners != mesh->faceStarts[f + 1] - mesh->faceStarts[f] ||
            !ReadIndices(corners, normalCount, &mesh->normalIndices))
            return false;
    }
    return FinishBody();
}

bool XParser::ParseTextureCoords(RawMesh* mesh)
{
    uint32_t count = 0;
    if (!ReadCount(&count, 2) || count != mesh->positions.size())
        return false;
    mesh->uvs.resize(count);
    for (Vec2& uv : mesh->uvs)
        if (!ReadFloat(&uv.x) || !ReadFloat(&uv.y))
            return false;
    return FinishBody();
}

// Fewer face indexes than faces leave the remaining faces with the last one.
bool XParser::ParseMaterialList(RawMesh* mesh)
{
    uint32_t materialCount = 0;
    uint32_t indexCount = 0;
    if (!ReadCount(&materialCount, 3) || materialCount > kMaxMaterials - materialTotal_ || !ReadCount(&indexCount, 1))
        return false;
    materialTotal_ += materialCount;
    const size_t faceCount = mesh->FaceCount();
    if (indexCount > faceCount || (indexCount == 0 && faceCount > 0))
        return false;
    mesh->faceMaterials.clear();
    if (!ReadIndices(indexCount, materialCount, &mesh->faceMaterials))
        return false;
    if (indexCount > 0)
        mesh->faceMaterials.resize(faceCount, mesh->faceMaterials.back());
    mesh->hasMaterialList = true;
    mesh->materials.clear();
    // A failed material fails the whole file, so each is parsed in place; one
    // more than the count is refused before it is made.
    const bool parsed = ParseChildren(
        [this, mesh, materialCount](std::string_view type) {
            if (type != "Material")
                return OpenBody(nullptr) && SkipBody();
            return mesh->materials.size() < materialCount && ParseMaterialObject(&mesh->materials.emplace_back());
        },
        [this, mesh, materialCount] {
            return mesh->materials.size() < materialCount && ParseReference(&mesh->materials.emplace_back());
        });
    return parsed && mesh->materials.size() == materialCount;
}

// A Material data object after its type; a named one can be referenced later.
bool XParser::ParseMaterialObject(MeshMaterial* material)
{
    std::string name;
    if (!OpenBody(&name) || !ParseMaterial(material))
        return false;
    if (!name.empty())
        namedMaterials_[name] = *material;
    return true;
}

bool XParser::ParseMaterial(MeshMaterial* material)
{
    if (!ReadColor(&material->diffuse, true) || !ReadFloat(&material->power) ||
        !ReadColor(&material->specular, false) || !ReadColor(&material->emissive, false))
        return false;
    return ParseChildren([this, material](std::string_view type) {
        if (!OpenBody(nullptr))
            return false;
        return type == "TextureFilename" ? ParseTextureFilename(material) : SkipBody();
    });
}

// The first texture of a material counts.
bool XParser::ParseTextureFilename(MeshMaterial* material)
{
    const Token token = tokens_.Next();
    if (token.kind != TokenKind::String || token.text.size() > kMaxTextureName)
        return false;
    if (material->textureFileName.empty())
        material->textureFileName.assign(token.text);
    return FinishBody();
}

// "{ Name }" after the opening brace, naming a material defined earlier.
bool XParser::ParseReference(MeshMaterial* material)
{
    const Token token = tokens_.Next();
    if (token.kind != TokenKind::Name)
        return false;
    const auto found = namedMaterials_.find(token.text);
    if (found == namedMaterials_.end())
        return false;
    *material = found->second;
    if (tokens_.Peek().kind == TokenKind::Guid)
        tokens_.Next();
    return tokens_.Next().kind == TokenKind::Close;
}

bool XParser::ReadUnsigned(uint32_t* value)
{
    const Token token = tokens_.Next();
    if (token.kind != TokenKind::Number)
        return false;
    const char* end = token.text.data() + token.text.size();
    const auto [last, error] = std::from_chars(token.text.data(), end, *value);
    return error == std::errc() && last == end;
}

// Every item takes at least one character per token, so a count beyond what
// the rest of the text can hold is refused before anything is allocated.
bool XParser::ReadCount(uint32_t* count, size_t tokensPerItem)
{
    return ReadUnsigned(count) && *count <= tokens_.Remaining() / tokensPerItem;
}

bool XParser::ReadIndex(uint32_t* index, uint32_t limit)
{
    return ReadUnsigned(index) && *index < limit;
}

// count indices, each below limit, appended to indices.
bool XParser::ReadIndices(uint32_t count, uint32_t limit, std::vector<uint32_t>* indices)
{
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t index = 0;
        if (!ReadIndex(&index, limit))
            return false;
        indices->push_back(index);
    }
    return true;
}

// A count followed by that many vectors.
bool XParser::ReadVectors(std::vector<Vec3>* vectors)
{
    uint32_t count = 0;
    if (!ReadCount(&count, 3))
        return false;
    vectors->resize(count);
    for (Vec3& v : *vectors)
        if (!ReadVec3(&v))
            return false;
    return true;
}

bool XParser::ReadFloat(float* value)
{
    const Token token = tokens_.Next();
    if (token.kind != TokenKind::Number)
        return false;
    const char* begin = token.text.data();
    const char* end = begin + token.text.size();
    if (*begin == '+')
        ++begin;
    const auto [last, error] = std::from_chars(begin, end, *value);
    return error == std::errc() && last == end && std::isfinite(*value);
}

bool XParser::ReadVec3(Vec3* v) { return ReadFloat(&v->x) && ReadFloat(&v->y) && ReadFloat(&v->z); }

// Specular and emissive colours are written without alpha; they get 1.
bool XParser::ReadColor(Color* colour, bool withAlpha)
{
    colour->a = 1.0f;
    return ReadFloat(&colour->r) && ReadFloat(&colour->g) && ReadFloat(&colour->b) &&
           (!withAlpha || ReadFloat(&colour->a));
}

// The material of a mesh that has no material list.
MeshMaterial DefaultMaterial()
{
    MeshMaterial material;
    material.diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    return material;
}

// One vertex per distinct pair of position and normal that a face corner
// uses; unused positions are dropped. Faces become fans of triangles.
MeshPart BuildPart(const RawMesh& raw)
{
    MeshPart part;
    part.materials = raw.hasMaterialList ? raw.materials : std::vector<MeshMaterial>{DefaultMaterial()};
    const bool hasNormals = !raw.normalIndices.empty();
    std::unordered_map<uint64_t, uint32_t> vertexOf;
    std::vector<uint32_t> corners;
    for (size_t f = 0; f < raw.FaceCount(); ++f) {
        corners.clear();
        for (uint32_t k = raw.faceStarts[f]; k < raw.faceStarts[f + 1]; ++k) {
            const uint32_t p = raw.faceIndices[k];
            const uint32_t n = hasNormals ? raw.normalIndices[k] : kNoNormal;
            const auto [found, added] =
                vertexOf.try_emplace((uint64_t{p} << 32) | n, static_cast<uint32_t>(part.vertices.size()));
            if (added)
                part.vertices.push_back({raw.positions[p], hasNormals ? raw.normals[n] : Vec3{},
                                         raw.uvs.empty() ? Vec2{} : raw.uvs[p]});
            corners.push_back(found->second);
        }
        const uint32_t material = raw.hasMaterialList ? raw.faceMaterials[f] : 0;
        for (size_t j = 1; j + 1 < corners.size(); ++j) {
            part.indices.insert(part.indices.end(), {corners[0], corners[j], corners[j + 1]});
            part.triangleMaterials.push_back(material);
        }
    }
    return part;
}

bool IsFinite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// Normals go through the inverse transpose so that scaled frames keep them
// perpendicular to their faces. False when a vertex leaves the float range.
bool TransformPart(MeshPart* part, const Matrix& transform)
{
    Matrix inverse;
    const Matrix normalTransform =
        MatrixInverse(&inverse, transform) ? MatrixTranspose(inverse) : transform;
    for (MeshBufferVertex& vertex : part->vertices) {
        const Vec4 moved = Vec3Transform(vertex.position, transform);
        vertex.position = {moved.x, moved.y, moved.z};
        vertex.normal = Vec3Normalize(Vec3TransformNormal(vertex.normal, normalTransform));
        if (!IsFinite(vertex.position) || !IsFinite(vertex.normal))
            return false;
    }
    return true;
}

// Concatenates the parts and sorts their triangles by material, keeping the
// file's order within each material.
void MergeParts(MeshData* mesh, const std::vector<MeshPart>& parts)
{
    std::vector<size_t> firstMaterial;
    for (const MeshPart& part : parts) {
        firstMaterial.push_back(mesh->materials.size());
        mesh->materials.insert(mesh->materials.end(), part.materials.begin(), part.materials.end());
    }
    std::vector<std::vector<uint32_t>> byMaterial(mesh->materials.size());
    for (size_t i = 0; i < parts.size(); ++i) {
        const MeshPart& part = parts[i];
        const uint32_t base = static_cast<uint32_t>(mesh->vertices.size());
        mesh->vertices.insert(mesh->vertices.end(), part.vertices.begin(), part.vertices.end());
        for (size_t t = 0; t < part.triangleMaterials.size(); ++t) {
            std::vector<uint32_t>& target = byMaterial[firstMaterial[i] + part.triangleMaterials[t]];
            for (int c = 0; c < 3; ++c)
                target.push_back(base + part.indices[3 * t + c]);
        }
    }
    for (const std::vector<uint32_t>& triangles : byMaterial) {
        mesh->subsets.push_back({static_cast<int>(mesh->indices.size() / 3), static_cast<int>(triangles.size() / 3)});
        mesh->indices.insert(mesh->indices.end(), triangles.begin(), triangles.end());
    }
}

// "xof " + version "03xx" + format + float size; only the text format is ours to read.
bool HasTextHeader(const unsigned char* data, size_t size)
{
    if (size < kHeaderSize)
        return false;
    const std::string_view header(reinterpret_cast<const char*>(data), kHeaderSize);
    return header.substr(0, 6) == "xof 03" && std::isdigit(static_cast<unsigned char>(header[6])) &&
           std::isdigit(static_cast<unsigned char>(header[7])) && header.substr(8, 4) == "txt " &&
           (header.substr(12, 4) == "0032" || header.substr(12, 4) == "0064");
}

} // namespace

bool ParseXFile(MeshData* mesh, const unsigned char* data, size_t size)
{
    if (!HasTextHeader(data, size))
        return false;
    XParser parser(std::string_view(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize));
    std::vector<MeshPart> parts;
    if (!parser.ParseFile(&parts))
        return false;
    MeshData merged;
    MergeParts(&merged, parts);
    if (merged.indices.empty())
        return false;
    *mesh = std::move(merged);
    return true;
}
