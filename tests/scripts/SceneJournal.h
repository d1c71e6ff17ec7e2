// What a scene play leaves in its journal on each frame: every enemy made with
// what it carries, the enemy shots of a frame as a count, a digest and the
// first in full, phases, deaths, sounds with their volume and pan, freezes,
// score changes with the special gauge beside them; every 60 frames a digest
// of the draws and of the lesser objects made. A journal is pinned as text
// beside the tests.
#pragma once

#include "actors/EnemyShot.h"
#include "actors/enemies/Bit.h"
#include "actors/enemies/Boss.h"
#include "actors/enemies/DanmakuEmitter.h"
#include "actors/enemies/MidEnemies.h"
#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "engine/FileUtil.h"
#include "engine/ObjectLists.h"
#include "platform/NullGraphicsDevice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct Entry {
    int step, frame;  // the frame: the step frame the scripts saw
    std::string what;
    bool operator==(const Entry&) const = default;
};
using Journal = std::vector<Entry>;
inline void PrintTo(const Entry& e, std::ostream* os) { *os << e.step << "/" << e.frame << " " << e.what; }

// A digest of the bytes of plain values.
class Digest {
public:
    template <class T>
    void Add(const T& value)
    {
        AddBytes(&value, sizeof(T));
    }
    std::string Text() const
    {
        char text[12];
        std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(hash ^ (hash >> 32)));
        return text;
    }

    void AddBytes(const void* bytes, size_t size)
    {
        hash = hash * 0x100000001b3ull ^ std::hash<std::string_view>{}({static_cast<const char*>(bytes), size});
    }

private:
    size_t hash = 0xcbf29ce484222325ull;
};

inline std::string Fixed(const Vec3& v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f,%.3f,%.3f", v.x, v.y, v.z);
    return text;
}

// The type (or mode) and phase of the kinds that have them; -1 where none.
struct Traits {
    int type = -1, phase = -1;
};
inline Traits TraitsOf(CSprite* s)
{
    if (auto* e = dynamic_cast<CEnemy1*>(s))
        return {e->type, e->phase};
    if (auto* e = dynamic_cast<CEnemy2*>(s))
        return {e->type, e->phase};
    if (auto* e = dynamic_cast<CEnemyd0*>(s))
        return {e->type, e->phase};
    if (auto* e = dynamic_cast<CEnemyd1*>(s))
        return {e->mode, e->phase};
    if (auto* e = dynamic_cast<CEnemyDanmaku*>(s))
        return {e->type, e->phase};
    if (auto* e = dynamic_cast<CEnemyBitDanmaku*>(s))
        return {e->type, e->phase};
    if (auto* e = dynamic_cast<CEnemym*>(s))
        return {-1, e->phase};
    if (auto* e = dynamic_cast<CBoss*>(s))
        return {-1, e->phase};
    if (auto* e = dynamic_cast<CBit*>(s))
        return {-1, e->phase};
    if (auto* e = dynamic_cast<CEnemyShot*>(s))
        return {e->type, -1};
    return {};
}

// A sprite in full: where it starts, how it moves and, unless a shot, what it is worth.
inline std::string Described(const std::string& kind, CSprite* s, bool shot = false)
{
    const Traits t = TraitsOf(s);
    std::string text = kind + (t.type >= 0 ? " type " + std::to_string(t.type) : "") + " at " + Fixed(s->position) +
                       " v " + Fixed(s->velocity);
    if (s->rotation.x != 0.0f || s->rotation.y != 0.0f || s->rotation.z != 0.0f)
        text += " turned " + Fixed(s->rotation);
    if (s->motionProgress >= 0.0f)
        text += " to " + Fixed(s->motionEnd) + " /" + std::to_string(std::lround(1.0f / s->motionStep));
    if (s->waitFrames != 0)
        text += " wait " + std::to_string(s->waitFrames);
    if (shot)
        return text;
    return text + " hp " + std::to_string(s->hp) + " score " + std::to_string(s->score) + " power " +
           std::to_string(s->power) + " r " + Fixed({s->hitRadius, 0.0f, 0.0f}).substr(0, 5);
}

// Digests each draw as it is made and keeps none: its geometry, texture,
// material, placement, the camera and the states that change how it looks.
class DigestingDevice : public NullGraphicsDevice {
public:
    void SetLighting(bool on) override { look.lighting = on; }
    void SetCullMode(CullMode mode) override { look.cull = static_cast<int>(mode); }
    void SetSamplerMode(SamplerMode mode) override { look.sampler = static_cast<int>(mode); }
    void SetDepthWrite(bool on) override { look.depthWrite = on; }
    void SetDepthTest(bool on) override { look.depthTest = on; }
    void SetFogEnable(bool on) override { look.fog = on; }
    void SetAlphaBlendEnable(bool on) override { look.alphaBlend = on; }
    void SetBlendFactors(BlendFactor source, BlendFactor destination) override
    {
        look.blend = static_cast<int>(source) * 16 + static_cast<int>(destination);
    }
    void SetMaterial(const Material& material) override { look.material = material; }
    void SetTransform(TransformType type, const Matrix& matrix) override
    {
        if (type != TransformType::Projection)
            (type == TransformType::World ? look.world : look.view) = matrix;
    }
    TextureId CreateTexture(int width, int height, const uint32_t* pixels) override
    {
        const TextureId texture = NullGraphicsDevice::CreateTexture(width, height, pixels);
        uint32_t content = 2166136261u;
        for (int i = 0; texture != kNoTexture && i < width * height; ++i)
            content = (content ^ pixels[i]) * 16777619u;
        contents[texture] = static_cast<int>(content);
        return texture;
    }
    void SetTexture(TextureId texture) override
    {
        look.texture = static_cast<int>(texture);
        const auto found = contents.find(texture);
        look.content = found == contents.end() ? 0 : found->second;
    }
    void DrawPrimitive(PrimitiveType type, int count, const ColorVertex* vertices) override
    {
        Take(type, count, vertices, VertexCountOf(type, count));
    }
    void DrawPrimitive(PrimitiveType type, int count, const ScreenVertex* vertices) override
    {
        Take(type, count, vertices, VertexCountOf(type, count));
    }
    void DrawMeshSubset(MeshId mesh, int subset) override { Take(PrimitiveType::TriangleList, subset, &mesh, 1); }
    void DrawMeshCopies(MeshId copies, int subset, std::span<const int> shown) override
    {
        digest.Add(static_cast<int>(copies));
        Take(PrimitiveType::TriangleList, subset, shown.data(), static_cast<int>(shown.size()));
    }

    Digest digest;
    int drawn = 0;

private:
    // Whole ints only, so that its bytes hold no padding.
    struct Look {
        Matrix world, view;
        Material material;
        int texture = -1, content = 0, lighting = 0, cull = 0, sampler = 0, depthWrite = 0, depthTest = 0, fog = 0, alphaBlend = 0,
            blend = 0;
    } look;
    std::unordered_map<TextureId, int> contents;  // of each texture made, its pixels' digest

    template <class Item>
    void Take(PrimitiveType type, int count, const Item* items, int n)
    {
        digest.Add(static_cast<int>(type) * 65536 + count);
        digest.AddBytes(items, static_cast<size_t>(n) * sizeof(Item));
        digest.Add(look);
        ++drawn;
    }
};

// The lines the game adds to its events log, with their time stamps masked;
// the log starts empty.
class EventsLog {
public:
    EventsLog() { AppendLog(kEventsLog, ""); }

    void Skip() { NewLines(); }

    std::vector<std::string> NewLines()
    {
        std::error_code error;
        const uintmax_t size = std::filesystem::file_size(path, error);
        std::vector<std::string> lines;
        if (error || size == read)
            return lines;
        std::ifstream in(path);
        in.seekg(static_cast<std::streamoff>(read));
        static const std::regex timeStamp("[0-9]{14}");
        for (std::string line; std::getline(in, line);)
            lines.push_back(std::regex_replace(line, timeStamp, "<time>"));
        read = size;
        return lines;
    }

private:
    const std::string path = ProgramFilePath(kEventsLog);
    uintmax_t read = 0;
};

// Compares the journal with the pinned one under tests/scripts/journals; a
// differing journal is written beside it as <name>.new.txt. PIN_JOURNALS=1
// pins the journal played instead.
inline void ExpectPinned(const std::string& name, const Journal& journal)
{
    std::ostringstream text;
    for (const Entry& e : journal)
        text << e.step << "/" << e.frame << " " << e.what << "\n";
    const std::filesystem::path folder = std::filesystem::path(__FILE__).parent_path() / "journals";
    const std::filesystem::path pinned = folder / (name + ".txt"), fresh = folder / (name + ".new.txt");
    if (std::getenv("PIN_JOURNALS") != nullptr && std::string(std::getenv("PIN_JOURNALS")) == "1") {
        std::ofstream(pinned) << text.str();
        std::filesystem::remove(fresh);
        return;
    }
    std::ifstream in(pinned);
    std::vector<std::string> was, now;
    for (std::string line; std::getline(in, line);)
        was.push_back(line);
    std::istringstream played(text.str());
    for (std::string line; std::getline(played, line);)
        now.push_back(line);
    if (was == now) {
        std::filesystem::remove(fresh);
        return;
    }
    std::ofstream(fresh) << text.str();
    size_t first = 0;
    while (first < was.size() && first < now.size() && was[first] == now[first])
        ++first;
    std::ostringstream differ;
    for (size_t i = first; i < first + 8 && (i < was.size() || i < now.size()); ++i)
        differ << "  line " << i + 1 << "\n    pinned: " << (i < was.size() ? was[i] : "(none)")
               << "\n    played: " << (i < now.size() ? now[i] : "(none)") << "\n";
    ADD_FAILURE() << "The journal of " << name << " differs from " << pinned.string() << "; the play's is in "
                  << fresh.string() << " (diff them; PIN_JOURNALS=1 pins it):\n"
                  << differ.str();
}
