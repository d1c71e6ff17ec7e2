// Replay files: an 84-byte header followed by one 15-byte record per frame,
// all little-endian.
//
//   header                         frame record
//    0  int32 version (501)         0  float x axis
//    4  name, 17 bytes, NUL-ended   4  float y axis
//   21  checksum, 33 bytes          8  shot, ray, blade, dash, reload,
//   54  two zero bytes                 leftroll, rightroll: one byte each
//   56  int32 scene
//   60  int32 score
//   64  int32 hit count
//   68  int32 automatic reload
//   72  int32 difficulty
//   76  int32 play time in frames
//   80  int32 number of frame records
#include "engine/InputRecord.h"

#include "engine/ByteOrder.h"
#include "engine/FileUtil.h"
#include "engine/Md5.h"
#include "engine/TextUtil.h"
#include "platform/System.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr size_t kHeaderSize = 84;
constexpr size_t kRecordSize = 15;
constexpr size_t kNameLimit = 16;
constexpr int32_t kReplayVersion = 501;
// A day of play at 60 frames a second: no recording comes near it.
constexpr int32_t kMaxFrames = 60 * 60 * 60 * 24;
// Records are read and decoded this many at a time, so that memory follows
// what the file really holds, not what its header claims.
constexpr size_t kRecordsPerRead = 4096;

enum HeaderOffset : size_t {
    kVersionAt = 0,
    kNameAt = 4,
    kChecksumAt = 21,
    kSceneAt = 56,
    kScoreAt = 60,
    kHitsAt = 64,
    kAutomaticReloadAt = 68,
    kDifficultyAt = 72,
    kPlayTimeAt = 76,
    kFramesAt = 80,
};

// How many bytes of name fit the header without splitting a two-byte character.
size_t StoredNameLength(const char* name)
{
    size_t length = 0;
    while (name[length] != '\0') {
        const bool pair = IsShiftJisLeadByte(static_cast<unsigned char>(name[length])) && name[length + 1] != '\0';
        const size_t step = pair ? 2 : 1;
        if (length + step > kNameLimit)
            break;
        length += step;
    }
    return length;
}

void StoreInt(unsigned char* p, int32_t value) { StoreLe32(p, static_cast<uint32_t>(value)); }
int32_t LoadInt(const unsigned char* p) { return static_cast<int32_t>(LoadLe32(p)); }

void StoreFloat(unsigned char* p, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    StoreLe32(p, bits);
}

// An axis as a genuine recording holds it: a number in -1..1.
float LoadAxis(const unsigned char* p)
{
    const uint32_t bits = LoadLe32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isnan(value))
        return 0.0f;
    return value < -1.0f ? -1.0f : (value > 1.0f ? 1.0f : value);
}

uint8_t LoadFlag(const unsigned char* p) { return *p != 0 ? 1 : 0; }

void EncodeHeader(const ReplayHeader& header, unsigned char* out)
{
    std::memset(out, 0, kHeaderSize);
    StoreInt(out + kVersionAt, header.version);
    std::memcpy(out + kNameAt, header.name, sizeof header.name);
    std::memcpy(out + kChecksumAt, header.checksum, sizeof header.checksum);
    StoreInt(out + kSceneAt, header.scene);
    StoreInt(out + kScoreAt, header.score);
    StoreInt(out + kHitsAt, header.hits);
    StoreInt(out + kAutomaticReloadAt, header.automaticReload);
    StoreInt(out + kDifficultyAt, header.difficulty);
    StoreInt(out + kPlayTimeAt, header.playTime);
    StoreInt(out + kFramesAt, header.frames);
}

// The text fields are cut at their last byte, whatever the file holds.
ReplayHeader DecodeHeader(const unsigned char* in)
{
    ReplayHeader header;
    header.version = LoadInt(in + kVersionAt);
    std::memcpy(header.name, in + kNameAt, sizeof header.name - 1);
    std::memcpy(header.checksum, in + kChecksumAt, sizeof header.checksum - 1);
    header.scene = LoadInt(in + kSceneAt);
    header.score = LoadInt(in + kScoreAt);
    header.hits = LoadInt(in + kHitsAt);
    header.automaticReload = LoadInt(in + kAutomaticReloadAt);
    header.difficulty = LoadInt(in + kDifficultyAt);
    header.playTime = LoadInt(in + kPlayTimeAt);
    header.frames = LoadInt(in + kFramesAt);
    return header;
}

void EncodeFrame(const InputState& state, unsigned char* out)
{
    StoreFloat(out, state.x);
    StoreFloat(out + 4, state.y);
    const uint8_t flags[7] = {state.shot, state.ray, state.blade, state.dash,
                              state.reload, state.leftroll, state.rightroll};
    for (size_t i = 0; i < 7; ++i)
        out[8 + i] = flags[i] != 0 ? 1 : 0;
}

InputState DecodeFrame(const unsigned char* in)
{
    InputState state;
    state.x = LoadAxis(in);
    state.y = LoadAxis(in + 4);
    state.shot = LoadFlag(in + 8);
    state.ray = LoadFlag(in + 9);
    state.blade = LoadFlag(in + 10);
    state.dash = LoadFlag(in + 11);
    state.reload = LoadFlag(in + 12);
    state.leftroll = LoadFlag(in + 13);
    state.rightroll = LoadFlag(in + 14);
    return state;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

long FileSize(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(file);
    return std::fseek(file, 0, SEEK_SET) == 0 ? size : -1;
}

}  // namespace

void InputRecord::ComputeChecksum(char out[33], int score, int hits, int playTime, int frames, const char* name)
{
    std::memset(out, 0, 33);
    char text[512];
    std::snprintf(text, sizeof text, "%d%d%d%d%s", score, hits, playTime, frames, name);
    Md5HexString(out, text);
}

bool InputRecord::SaveFile(const std::string& path, int scene, const char* name, int score, int hits,
                           int automaticReload, int difficulty, int playTime)
{
    const int frameCount = static_cast<int>(frames_.size());
    header_ = ReplayHeader();
    header_.version = kReplayVersion;
    std::memcpy(header_.name, name, StoredNameLength(name));
    ComputeChecksum(header_.checksum, score, hits, playTime, frameCount, header_.name);
    header_.scene = scene;
    header_.score = score;
    header_.hits = hits;
    header_.automaticReload = automaticReload;
    header_.difficulty = difficulty;
    header_.playTime = playTime;
    header_.frames = frameCount;

    std::vector<unsigned char> bytes(kHeaderSize + kRecordSize * frames_.size());
    EncodeHeader(header_, bytes.data());
    for (size_t i = 0; i < frames_.size(); ++i)
        EncodeFrame(frames_[i], &bytes[kHeaderSize + kRecordSize * i]);
    return WriteFileBytes(path, bytes.data(), bytes.size());
}

ReplayLoadResult ReadReplayFile(const std::string& path, ReplayHeader* header, std::vector<InputState>* frames)
{
    FileHandle file(OpenRegularFile(path, "rb"));
    if (!file)
        return ReplayLoadResult::Unusable;
    const long size = FileSize(file.get());
    unsigned char headerBytes[kHeaderSize];
    if (size < static_cast<long>(kHeaderSize) || std::fread(headerBytes, 1, kHeaderSize, file.get()) != kHeaderSize)
        return ReplayLoadResult::Unusable;
    const ReplayHeader read = DecodeHeader(headerBytes);
    const int64_t needed = static_cast<int64_t>(kHeaderSize) + static_cast<int64_t>(kRecordSize) * read.frames;
    if (read.frames < 0 || read.frames > kMaxFrames || needed > size)
        return ReplayLoadResult::Unusable;
    std::vector<InputState> decoded;
    std::vector<unsigned char> block(kRecordSize * kRecordsPerRead);
    for (size_t left = static_cast<size_t>(read.frames); left > 0;) {
        const size_t count = std::min(left, kRecordsPerRead);
        if (std::fread(block.data(), kRecordSize, count, file.get()) != count)
            return ReplayLoadResult::Unusable;
        for (size_t i = 0; i < count; ++i)
            decoded.push_back(DecodeFrame(&block[kRecordSize * i]));
        left -= count;
    }
    *header = read;
    char expected[33];
    InputRecord::ComputeChecksum(expected, read.score, read.hits, read.playTime, read.frames, read.name);
    frames->clear();
    if (std::strcmp(expected, read.checksum) != 0)
        return ReplayLoadResult::BadChecksum;
    *frames = std::move(decoded);
    return ReplayLoadResult::Loaded;
}

ReplayLoadResult InputRecord::LoadFile(const std::string& path)
{
    ReplayHeader header;
    std::vector<InputState> frames;
    const ReplayLoadResult result = ReadReplayFile(path, &header, &frames);
    if (result != ReplayLoadResult::Unusable)
        Assign(header, std::move(frames));
    return result;
}

void InputRecord::Assign(const ReplayHeader& header, std::vector<InputState> frames)
{
    header_ = header;
    frames_ = std::move(frames);
    readCursor_ = static_cast<int>(frames_.size());
}
