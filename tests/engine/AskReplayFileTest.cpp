// AskReplayFile against stand-in choosers: shell scripts alone on PATH that
// record their parent and arguments and print what the test asks.
#include "engine/FileUtil.h"
#include "platform/FileChooser.h"
#include "platform/System.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

constexpr char kStandIn[] = "#!/bin/sh\nprintf '%s\\n' \"$PPID\" \"$@\" >\"$0.args\"\n"
                            "printf '%s' \"$CHOSEN\"\nexit \"$STATUS\"\n";
const std::string kZenity = "--file-selection\n--title=Open\n--file-filter=リプレイファイル (*.dat) | *.dat\n"
                            "--file-filter=All files (*.*) | *\n";
const std::string kKdialog = "--title\nOpen\n--getopenfilename\n.\n*.dat|リプレイファイル (*.dat)\n*|All files (*.*)\n";

class AskReplayFileTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        setenv("PATH", folder.c_str(), 1);
        setenv("RAN", (folder + "ran").c_str(), 1);
    }
    void TearDown() override
    {
        setenv("PATH", savedPath.c_str(), 1);
        SetFileChooserOwner(0);
        TempFolderTest::TearDown();
    }
    void Install(const std::string& name, mode_t mode = 0755)
    {
        WriteFileBytes(folder + name, kStandIn, sizeof kStandIn - 1);
        chmod((folder + name).c_str(), mode);
        unlink((folder + name + ".args").c_str());
    }
    // The arguments a stand-in was started with, by us directly; empty when it did not run.
    std::string ArgumentsOf(const std::string& program)
    {
        const std::string text = ReadText(folder + program + ".args");
        const std::string parent = std::to_string(getpid()) + "\n";
        EXPECT_TRUE(text.empty() || text.starts_with(parent)) << "not started by us directly";
        return text.empty() ? "" : text.substr(parent.size());
    }
    // AskReplayFile with the stand-in printing folder + printed and exiting with status.
    bool Ask(const std::string& printed, int status, std::string* path, std::string* errors)
    {
        setenv("CHOSEN", (folder + printed).c_str(), 1);
        setenv("STATUS", std::to_string(status).c_str(), 1);
        *path = "stale";
        testing::internal::CaptureStderr();
        const bool chosen = AskReplayFile(*path);
        *errors = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD) << "a child left behind";
        return chosen;
    }

    const std::string savedPath = std::getenv("PATH");
};

}  // namespace

TEST_F(AskReplayFileTest, ArgumentsOfEachChooser)
{
    const struct {
        const char* used;
        const char* unused;
        uint64_t owner;
        std::string arguments;
    } cases[] = {
        {"zenity", "kdialog", 0, kZenity},
        {"zenity", "kdialog", 44040199, kZenity + "--attach=44040199\n"},
        {"kdialog", "zenity", 0, kKdialog},
        {"kdialog", "zenity", 44040199, kKdialog + "--attach\n44040199\n"},
    };
    WriteFileBytes(folder + "run.dat", "", 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.owner);
        Install("kdialog");
        // In kdialog's turn zenity is there but cannot be run.
        Install("zenity", c.used == std::string("zenity") ? 0755 : 0644);
        SetFileChooserOwner(c.owner);
        std::string path, errors;
        EXPECT_TRUE(Ask("run.dat\n", 0, &path, &errors));
        EXPECT_EQ(path, folder + "run.dat");
        EXPECT_EQ(ArgumentsOf(c.used), c.arguments);
        EXPECT_EQ(ArgumentsOf(c.unused), "");
    }
}

TEST_F(AskReplayFileTest, AnswersOfTheChooser)
{
    const std::string longName = std::string(200, 'd') + "/" + std::string(120, 'r') + ".dat";
    const std::string oddName = "a b 'q' \"d\" $(: >\"$RAN\") ü.dat ";
    const struct {
        const char* what;
        std::string printed;  // after the folder
        int status;
        std::string chosen;  // after the folder; empty: not chosen
    } cases[] = {
        {"a path over 300 characters", longName + "\n", 0, longName},
        {"blanks, quotes, a command, non-ASCII", oddName + "\n", 0, oddName},
        {"a line feed of its own", "feed.dat\n\n", 0, "feed.dat\n"},
        {"no extension: the default one", "run\n", 0, "run.dat"},
        {"an extension of its own", "other.x\n", 0, ""},
        {"no such file", "missing.dat\n", 0, ""},
        {"a folder", "sub\n", 0, ""},
        {"cancelled", "run.dat\n", 1, ""},
    };
    MakeFolder(folder + std::string(200, 'd'));
    MakeFolder(folder + "sub");
    for (const std::string& name : {std::string("run.dat"), longName, oddName, std::string("feed.dat\n"),
                                    std::string("other.x.dat")})
        WriteFileBytes(folder + name, "", 0);
    Install("zenity");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path, errors;
        EXPECT_EQ(Ask(c.printed, c.status, &path, &errors), !c.chosen.empty());
        EXPECT_EQ(path, c.chosen.empty() ? "" : folder + c.chosen);
        EXPECT_EQ(errors, c.chosen.empty() ? "vostrelle: no replay file chosen\n" : "");
    }
    EXPECT_FALSE(FileExists(folder + "ran")) << "the path was run as a command";
}

TEST_F(AskReplayFileTest, NoChooserInstalled)
{
    Install("zenity", 0644);  // not executable
    MakeFolder(folder + "kdialog");
    std::string path, errors;
    EXPECT_FALSE(Ask("zenity\n", 0, &path, &errors));
    EXPECT_EQ(path, "");
    EXPECT_EQ(errors, "vostrelle: no file chooser to ask for a replay file (zenity or kdialog)\n");
}
