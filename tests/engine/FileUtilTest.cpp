#include "engine/FileUtil.h"

#include "TempFolder.h"
#include "platform/System.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using FileUtilTemp = TempFolderTest;

TEST(FileUtil, ProgramPaths)
{
    const std::string program = GetProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '/');
    EXPECT_TRUE(IsPathAbsolute(program));
    EXPECT_EQ(ProgramFilePath("log\\d3d9.txt"), program + "log/d3d9.txt");
    EXPECT_EQ(ComposeProgramPath("#105", "SE", ".ogg"), program + "SE/105.ogg");
    // Only the first character is dropped, whatever it is.
    EXPECT_EQ(ComposeProgramPath("x171", "BGM", ".ogg"), program + "BGM/171.ogg");
}

TEST(FileUtil, PathParts)
{
    EXPECT_EQ(GetFileNameWithExt("replay\\20240101120000_3.dat"), "20240101120000_3.dat");
    EXPECT_EQ(GetFileNameWithExt("plain.dat"), "plain.dat");
    EXPECT_EQ(GetFileNameNoExt("C:\\models/ship\\hull.tga"), "hull");
    EXPECT_EQ(GetFileNameNoExt("a.b.png"), "a.b");
    EXPECT_EQ(GetFileNameNoExt("noext"), "noext");
    EXPECT_EQ(GetFolderOfPath("/x/y/z.txt"), "/x/y/");
    EXPECT_EQ(GetFolderOfPath("demo\\a.dat"), "demo\\");
    EXPECT_EQ(GetFolderOfPath("a.dat"), "");
    EXPECT_FALSE(IsPathAbsolute("vostrelle.ini"));
    EXPECT_FALSE(IsPathAbsolute(""));
}

TEST_F(FileUtilTemp, WriteReadAndFailures)
{
    const std::string path = folder + "data.bin";
    const unsigned char bytes[] = {0, 1, 2, 255, '\r', '\n'};
    ASSERT_TRUE(WriteFileBytes(path, bytes, sizeof bytes));
    EXPECT_TRUE(FileExists(path));
    std::vector<unsigned char> read = {9, 9};
    ASSERT_TRUE(ReadWholeFile(path, &read));
    EXPECT_EQ(read, std::vector<unsigned char>(bytes, bytes + sizeof bytes));
    EXPECT_TRUE(ReadWholeFile(path, &read, sizeof bytes));
    EXPECT_FALSE(ReadWholeFile(path, &read, sizeof bytes - 1));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(ReadWholeFile("/dev/zero", &read, 100000));  // a file without end
    EXPECT_FALSE(ReadWholeFile(folder + "missing", &read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(ReadWholeFile(folder, &read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(WriteFileBytes(folder + "no/such/folder.bin", bytes, sizeof bytes));
    EXPECT_FALSE(FileExists(folder + "missing"));
    EXPECT_TRUE(FileExists(folder));
}

// The first to open a pipe waits for the other end: none ever comes.
TEST_F(FileUtilTemp, APipeInPlaceOfAFileIsNeitherReadNorWrittenAndNeverBlocks)
{
    const std::string pipe = folder + "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::vector<unsigned char> read = {1};
    EXPECT_TRUE(ReturnsPromptlyBeside(pipe, [&] { EXPECT_FALSE(ReadWholeFile(pipe, &read)); }));
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(ReturnsPromptlyBeside(pipe, [&] { AppendTextFile(pipe, "line\n"); }));
    const std::string log = GetProgramFolder() + "log/pipe.txt";
    MakeFolder(GetProgramFolder() + "log");
    std::remove(log.c_str());
    ASSERT_EQ(mkfifo(log.c_str(), 0600), 0);
    EXPECT_TRUE(ReturnsPromptlyBeside(log, [&] { EXPECT_FALSE(AppendLog("log\\pipe.txt", "")); }));
    EXPECT_TRUE(ReturnsPromptlyBeside(log, [&] { EXPECT_FALSE(AppendLog("log\\pipe.txt", "text")); }));
    std::remove(log.c_str());
}

TEST_F(FileUtilTemp, AppendTextFileCreatesOneFolderLevel)
{
    AppendTextFile(folder + "sub/a.txt", "one\n");
    AppendTextFile(folder + "sub/a.txt", "two");
    EXPECT_EQ(ReadText(folder + "sub/a.txt"), "one\ntwo");
    // Two missing levels: nothing is written, nothing crashes.
    AppendTextFile(folder + "x/y/a.txt", "lost");
    EXPECT_FALSE(FileExists(folder + "x/y/a.txt"));
}

TEST_F(FileUtilTemp, ListsRegularFilesSortedAndAppends)
{
    WriteFileBytes(folder + "b.dat", "b", 1);
    WriteFileBytes(folder + "A.dat", "a", 1);
    WriteFileBytes(folder + "a.dat", "a", 1);
    mkdir((folder + "sub").c_str(), 0777);
    symlink("b.dat", (folder + "link.dat").c_str());
    symlink("sub", (folder + "linkdir").c_str());
    std::vector<std::string> out = {"kept"};
    ListFilesInFolder(folder, &out);
    const std::vector<std::string> expected = {"kept", folder + "A.dat", folder + "a.dat", folder + "b.dat",
                                               folder + "link.dat"};
    EXPECT_EQ(out, expected);
    std::vector<std::string> none;
    ListFilesInFolder(folder + "sub", &none);
    ListFilesInFolder(folder + "missing", &none);
    EXPECT_TRUE(none.empty());
}

TEST(FileUtil, AppendLogBelowTheProgramFolder)
{
    const std::string logFolder = GetProgramFolder() + "fileutil_test_log";
    std::system(("rm -rf '" + logFolder + "'").c_str());
    EXPECT_TRUE(AppendLog("fileutil_test_log\\events.txt", "line\n"));
    AppendLog("fileutil_test_log\\events.txt", "line\n");
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(ReadWholeFile(logFolder + "/events.txt", &bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "line\nline\n");
    AppendLog("fileutil_test_log\\events.txt", "");
    ASSERT_TRUE(ReadWholeFile(logFolder + "/events.txt", &bytes));
    EXPECT_TRUE(bytes.empty());
    std::system(("rm -rf '" + logFolder + "'").c_str());
}

TEST(FileUtil, TimestampHasFourteenDigits)
{
    const std::string stamp = FormatTimestamp();
    ASSERT_EQ(stamp.size(), 14u);
    for (char c : stamp)
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)));
    EXPECT_GE(stamp.substr(0, 4), "2000");
}
