#include "engine/InputRecord.h"

#include "tests/engine/TempFolder.h"
#include "tests/game/ProgramRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using S = InputState;

auto Fields(const InputState& s)
{
    return std::tuple(s.shot, s.ray, s.blade, s.dash, s.reload, s.leftroll, s.rightroll, s.credit, s.start, s.x, s.y);
}

class ReplayFileTest : public TempFolderTest {
protected:
    std::string Path(const char* name) const { return folder + name; }

    Bytes Read(const std::string& path) const
    {
        Bytes bytes;
        ReadWholeFile(path, &bytes);
        return bytes;
    }

    void Write(const std::string& path, const Bytes& bytes) const
    {
        ASSERT_TRUE(WriteFileBytes(path, bytes.data(), bytes.size()));
    }

    // A saved file of two frames, 1200 points, 35 hits, 10 s, named "abc".
    std::string SaveSample()
    {
        InputRecord record;
        const InputState first = Held({&S::shot, &S::rightroll, &S::credit, &S::start}, 0.5f, -1.0f);
        const InputState second = Held({&S::blade, &S::dash});
        record.Append(&first);
        record.Append(&second);
        const std::string path = Path("sample.dat");
        EXPECT_TRUE(record.SaveFile(path, 0, "abc", 1200, 35, 1, -1, 600));
        return path;
    }
};

void PutLe32(Bytes& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

TEST(ReplayChecksumTest, DigestsTheDecimalsAndTheNameRunTogether)
{
    char out[33];
    std::memset(out, 'x', sizeof out);
    InputRecord::ComputeChecksum(out, 1200, 35, 600, 650, "abc");  // the text 120035600650abc
    EXPECT_STREQ(out, "96fb332b6feba2a8e8943360aff04cb2");

    InputRecord::ComputeChecksum(out, -5, 0, 0, 0, "");  // the text -5000
    EXPECT_STREQ(out, "f19546cda9b591e38dfa5765029f0321");
}

TEST_F(ReplayFileTest, SavedBytesFollowTheLayoutByteForByte)
{
    const Bytes expected = {
        0xF5, 0x01, 0x00, 0x00,                                                        // 501
        'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                       // name, 17 bytes
        '6', 'd', 'd', '0', '1', '0', '2', 'f', '6', '6', '2', 'a', '6', '0', '0', 'b',  // md5("1200356002abc")
        '5', 'd', '0', '1', '4', '8', '3', '6', 'b', '1', 'f', 'e', '7', 'a', 'f', 'e', 0,
        0x00, 0x00,              // padding
        0x00, 0x00, 0x00, 0x00,  // scene 0
        0xB0, 0x04, 0x00, 0x00,  // score 1200
        0x23, 0x00, 0x00, 0x00,  // hits 35
        0x01, 0x00, 0x00, 0x00,  // automatic reload
        0xFF, 0xFF, 0xFF, 0xFF,  // difficulty -1
        0x58, 0x02, 0x00, 0x00,  // play time 600
        0x02, 0x00, 0x00, 0x00,  // two records
        0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x80, 0xBF, 1, 0, 0, 0, 0, 0, 1,  // x 0.5, y -1, shot, rightroll
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0, 0, 1, 1, 0, 0, 0,  // blade, dash
    };
    ASSERT_EQ(expected.size(), 84u + 2 * 15);
    EXPECT_EQ(Read(SaveSample()), expected);
}

TEST_F(ReplayFileTest, LoadGivesBackHeaderAndFramesWithoutCreditAndStartEvenWhenEmpty)
{
    InputRecord record;
    ASSERT_EQ(record.LoadFile(SaveSample()), ReplayLoadResult::Loaded);
    const ReplayHeader& h = record.Header();
    EXPECT_STREQ(h.name, "abc");
    EXPECT_EQ(std::tuple(h.scene, h.score, h.hits, h.automaticReload, h.difficulty, h.playTime),
              std::tuple(0, 1200, 35, 1, -1, 600));
    ASSERT_EQ(record.Frames().size(), 2u);
    EXPECT_EQ(Fields(record.Frames()[0]), Fields(Held({&S::shot, &S::rightroll}, 0.5f, -1.0f)));
    EXPECT_EQ(Fields(record.Frames()[1]), Fields(Held({&S::blade, &S::dash})));

    // An empty play loads as an empty playback.
    ASSERT_TRUE(InputRecord().SaveFile(Path("empty.dat"), 10, "p", 0, 0, 0, 0, 0));
    EXPECT_EQ(record.LoadFile(Path("empty.dat")), ReplayLoadResult::Loaded);
    EXPECT_TRUE(record.Frames().empty());
    EXPECT_EQ(record.Header().scene, 10);
}

TEST_F(ReplayFileTest, OnlyScoreHitsTimeCountAndNameAreProtected)
{
    const Bytes original = Read(SaveSample());
    struct Change {
        size_t at;
        unsigned char value;
        bool detected;
    } changes[] = {
        {60, 0xB1, true},   // score
        {64, 0x24, true},   // hits
        {76, 0x59, true},   // play time
        {80, 0x01, true},   // one record fewer
        {5, 'c', true},     // name
        {56, 0x01, false},  // scene
        {68, 0x00, false},  // automatic reload
        {72, 0x00, false},  // difficulty
        {92, 0x00, false},  // a frame record
    };
    for (const Change& change : changes) {
        Bytes bytes = original;
        bytes[change.at] = change.value;
        Write(Path("changed.dat"), bytes);
        InputRecord record;
        const ReplayLoadResult result = record.LoadFile(Path("changed.dat"));
        SCOPED_TRACE(change.at);
        if (change.detected) {
            EXPECT_EQ(result, ReplayLoadResult::BadChecksum);
            EXPECT_TRUE(record.Frames().empty());
            EXPECT_EQ(record.Header().scene, 0);  // the header still tells what to play
        } else {
            EXPECT_EQ(result, ReplayLoadResult::Loaded);
            EXPECT_EQ(record.Frames().size(), 2u);
        }
    }
}

TEST_F(ReplayFileTest, LongNamesAreCutToSixteenBytesWithoutSplittingACharacterAndStillVerify)
{
    const char* names[] = {
        "abcdefghijklmnopqrstuvwxyz",
        "abcdefghijklmno\x82\xA0tail",                                      // a pair at bytes 15-16
        "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD!",  // eight pairs fit
    };
    const char* stored[] = {"abcdefghijklmnop", "abcdefghijklmno",
                            "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD"};
    for (int i = 0; i < 3; ++i) {
        InputRecord saver;
        ASSERT_TRUE(saver.SaveFile(Path("name.dat"), 0, names[i], 5, 1, 0, 0, 60));
        InputRecord record;
        EXPECT_EQ(record.LoadFile(Path("name.dat")), ReplayLoadResult::Loaded) << i;
        EXPECT_STREQ(record.Header().name, stored[i]);
        EXPECT_EQ(Read(Path("name.dat")).size(), 84u);
    }
}

TEST_F(ReplayFileTest, FilesThatAreNoReplaysLeaveTheRecordAlone)
{
    const Bytes good = Read(SaveSample());
    Bytes shortHeader(good.begin(), good.begin() + 83);
    Bytes truncated(good.begin(), good.end() - 1);
    Bytes huge = good;
    PutLe32(huge, 80, 0x7FFFFFFF);
    Bytes negative = good;
    PutLe32(negative, 80, 0xFFFFFFFF);
    const std::pair<const char*, Bytes> files[] = {
        {"short.dat", shortHeader}, {"truncated.dat", truncated}, {"huge.dat", huge}, {"negative.dat", negative}};

    InputRecord record;
    ASSERT_EQ(record.LoadFile(Path("sample.dat")), ReplayLoadResult::Loaded);
    for (const auto& [name, bytes] : files) {
        Write(Path(name), bytes);
        EXPECT_EQ(record.LoadFile(Path(name)), ReplayLoadResult::Unusable) << name;
    }
    EXPECT_EQ(record.LoadFile(Path("missing.dat")), ReplayLoadResult::Unusable);
    EXPECT_EQ(record.LoadFile(folder), ReplayLoadResult::Unusable);  // a folder
    ASSERT_EQ(mkfifo(Path("pipe.dat").c_str(), 0600), 0);
    EXPECT_TRUE(ReturnsPromptlyBeside(Path("pipe.dat"), [&] {
        EXPECT_EQ(record.LoadFile(Path("pipe.dat")), ReplayLoadResult::Unusable);
    }));
    // More than a day of frames is refused before any is read: as long as it claims, none on disk.
    Write(Path("sparse.dat"), Bytes(huge.begin(), huge.begin() + 84));
    ASSERT_EQ(truncate(Path("sparse.dat").c_str(), 84 + 15 * int64_t{0x7FFFFFFF}), 0);
    EXPECT_EQ(record.LoadFile(Path("sparse.dat")), ReplayLoadResult::Unusable);
    EXPECT_EQ(record.Frames().size(), 2u);
    EXPECT_EQ(record.Header().score, 1200);
}

TEST_F(ReplayFileTest, RecordValuesAreBoundedAndTextFieldsTerminated)
{
    Bytes bytes = Read(SaveSample());
    PutLe32(bytes, 84, std::bit_cast<uint32_t>(std::numeric_limits<float>::quiet_NaN()));
    PutLe32(bytes, 88, 0x40A00000);  // 5.0
    bytes[84 + 15 + 8] = 7;
    PutLe32(bytes, 84 + 15 + 4, 0xC0A00000);  // -5.0
    Write(Path("odd.dat"), bytes);
    InputRecord record;
    ASSERT_EQ(record.LoadFile(Path("odd.dat")), ReplayLoadResult::Loaded);
    EXPECT_EQ(record.Frames()[0].x, 0.0f);
    EXPECT_EQ(record.Frames()[0].y, 1.0f);
    EXPECT_EQ(record.Frames()[1].y, -1.0f);
    EXPECT_EQ(record.Frames()[1].shot, 1);

    std::memset(&bytes[4], 'n', 17);
    std::memset(&bytes[21], 'f', 33);
    Write(Path("unterminated.dat"), bytes);
    EXPECT_EQ(record.LoadFile(Path("unterminated.dat")), ReplayLoadResult::BadChecksum);
    EXPECT_EQ(std::strlen(record.Header().name), 16u);
    EXPECT_EQ(std::strlen(record.Header().checksum), 32u);
}

TEST_F(ReplayFileTest, ASaveThatCannotBeWrittenFailsAndLeavesNothingBehind)
{
    InputRecord record;
    InputState state;
    for (int i = 0; i < 10; ++i)
        record.Append(&state);
    EXPECT_FALSE(record.SaveFile(Path("no/such/folder/x.dat"), 0, "abc", 0, 0, 0, 0, 0));
    {
        const FullDisk full(100);  // the header fits, the frames do not
        EXPECT_FALSE(record.SaveFile(Path("full.dat"), 0, "abc", 0, 0, 0, 0, 0));
    }
    std::vector<std::string> left;
    ListFilesInFolder(folder, &left);
    EXPECT_TRUE(left.empty());
    EXPECT_EQ(record.Frames().size(), 10u);
}

}  // namespace
