#include "engine/Profiler.h"

#include "engine/FileUtil.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class ProfilerFile : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        path = folder + "vostrelle.ini";
    }
    void Write(const std::string& text) { ASSERT_TRUE(WriteFileBytes(path, text.data(), text.size())); }
    std::string Read() { return ReadText(path); }
    std::string path;
};

std::string Value(CProfiler& profiler, const char* key)
{
    std::string out;
    profiler.GetString(key, out, "<missing>");
    return out;
}

}  // namespace

TEST_F(ProfilerFile, ReadsLinesWithEitherLineEndAndKeepsEveryCharacter)
{
    Write("windowmode,1\r\nscorename,ABC\nkey,value,more\r\nempty,\nno separator line\n,bare\nlast,XYZ");
    CProfiler profiler(path.c_str());
    const char* const pairs[][2] = {{"windowmode", "1"}, {"scorename", "ABC"}, {"key", "value,more"}, {"empty", ""},
                                    {"", "bare"}, {"last", "XYZ"}, {"no separator line", "<missing>"}};
    for (const auto& [key, value] : pairs)
        EXPECT_EQ(Value(profiler, key), value) << key;
    EXPECT_EQ(profiler.GetInt("empty", 7), 7);
}

TEST_F(ProfilerFile, LaterLinesWinAndLongLinesStayWhole)
{
    // A long line must not be split into a second, bogus entry.
    const std::string filler(3000, 'x');
    Write("shotkey,44\nshotkey,45\n#" + std::string(1022, 'x') + "shotkey,1\n" + std::string(300, 'k') + "," +
          filler + "\n");
    CProfiler profiler(path.c_str());
    EXPECT_EQ(profiler.GetInt("shotkey", 0), 45);
    EXPECT_EQ(Value(profiler, std::string(255, 'k').c_str()), std::string(767, 'x'));
}

TEST_F(ProfilerFile, TypedGetters)
{
    Write("t,1\nf,0\nyes,true\nn,  -42abc\nz,abc\nbig,99999999999\nsmall,-99999999999\n");
    CProfiler profiler(path.c_str());
    EXPECT_EQ(std::vector<bool>({profiler.GetBool("t", false), profiler.GetBool("f", true), profiler.GetBool("yes", true),
                                 profiler.GetBool("missing", false)}),
              std::vector<bool>({true, false, true, false}));
    EXPECT_EQ(std::vector<int>({profiler.GetInt("n", 5), profiler.GetInt("z", 5), profiler.GetInt("missing", 5),
                                profiler.GetInt("big", 0), profiler.GetInt("small", 0)}),
              std::vector<int>({-42, 0, 5, INT_MAX, INT_MIN}));
    char buf[4];
    profiler.GetStringBuf("big", buf, sizeof buf, "d");
    EXPECT_STREQ(buf, "999");
    profiler.GetStringBuf("missing", buf, sizeof buf, "defaultvalue");
    EXPECT_STREQ(buf, "def");
}

TEST_F(ProfilerFile, RewritesInKeyOrderWithCrlfOnlyWhenAValueChanged)
{
    const std::string original = "# comment without separator\nb,2\na,1\n";
    Write(original);
    {
        CProfiler profiler(path.c_str());
        profiler.SetInt("b", 2);
        profiler.SetString("a", "1");
    }
    EXPECT_EQ(Read(), original);
    {
        CProfiler profiler(path.c_str());
        profiler.SetBool("automaticreload", 1);
        profiler.SetInt("globaldifficulty", -1);
    }
    EXPECT_EQ(Read(), "a,1\r\nautomaticreload,1\r\nb,2\r\nglobaldifficulty,-1\r\n");
    EXPECT_FALSE(FileExists(path + ".tmp"));
    CProfiler reread(path.c_str());
    EXPECT_EQ(reread.GetInt("globaldifficulty", 0), -1);
    EXPECT_TRUE(reread.GetBool("automaticreload", false));
}

TEST_F(ProfilerFile, MissingFileIsCreatedWhenSomethingIsSet)
{
    EXPECT_EQ(CProfiler(path.c_str()).GetInt("vsync", 3), 3);
    EXPECT_FALSE(FileExists(path));
    CProfiler(path.c_str()).SetStringBuf("scorename", "PILOT");
    EXPECT_EQ(Read(), "scorename,PILOT\r\n");
}

TEST_F(ProfilerFile, AFailedOrRefusedRewriteLeavesTheOriginalUntouched)
{
    const std::string original = "scorename,PILOT\n";
    Write(original);
    // A folder in the way of the temporary file makes the rewrite fail, even for root.
    ASSERT_EQ(mkdir((path + ".tmp").c_str(), 0700), 0);
    {
        CProfiler profiler(path.c_str());
        profiler.SetString("scorename", "OTHER");
    }
    EXPECT_EQ(Read(), original);
    ASSERT_EQ(rmdir((path + ".tmp").c_str()), 0);
    {
        const FullDisk full(original.size());
        CProfiler profiler(path.c_str());
        profiler.SetString("scorename", "A LONGER NAME");
    }
    EXPECT_EQ(Read(), original);
    EXPECT_FALSE(FileExists(path + ".tmp"));
    // A file too large to be settings is neither read nor replaced.
    const std::string huge = original + std::string(1024 * 1024, '#');
    Write(huge);
    {
        CProfiler profiler(path.c_str());
        EXPECT_TRUE(profiler.Unreadable());
        EXPECT_EQ(Value(profiler, "scorename"), "<missing>");
        profiler.SetString("scorename", "OTHER");
    }
    EXPECT_EQ(Read(), huge);
}

TEST_F(ProfilerFile, ALinkedFileIsRewrittenInPlaceOfItsTargetWithItsPermissions)
{
    const std::string target = folder + "real.ini";
    ASSERT_TRUE(WriteFileBytes(target, "a,1\n", 4));
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(symlink("real.ini", path.c_str()), 0);
    CProfiler(path.c_str()).SetString("a", "2");
    struct stat link, file;
    ASSERT_EQ(lstat(path.c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    ASSERT_EQ(stat(target.c_str(), &file), 0);
    EXPECT_EQ(file.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadText(target), "a,2\r\n");
    EXPECT_FALSE(FileExists(target + ".tmp"));
}

TEST(Profiler, RelativePathsAreBelowTheProgramFolder)
{
    const std::string name = "profiler_test.ini";
    const std::string full = GetProgramFolder() + name;
    std::remove(full.c_str());
    CProfiler(name.c_str()).SetInt("x", 1);
    EXPECT_TRUE(FileExists(full));
    std::remove(full.c_str());
}

TEST_F(ProfilerFile, AnotherSeparatorSplitsAndRewritesTheLines)
{
    Write("b;x,y\na,1\nc;\n");
    {
        CProfiler profiler(path.c_str(), ";");
        EXPECT_EQ(Value(profiler, "b"), "x,y");
        EXPECT_EQ(Value(profiler, "a,1"), "<missing>");
        profiler.SetString("a", "2");
    }
    EXPECT_EQ(Read(), "a;2\r\nb;x,y\r\nc;\r\n");
}
