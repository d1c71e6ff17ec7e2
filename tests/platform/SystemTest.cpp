#include "platform/System.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string g_shown;

void Capture(const char* text, const char* caption) { g_shown = std::string(caption) + "|" + text; }

}  // namespace

TEST(System, MessagesGoToTheInstalledHandler)
{
    ShowSystemMessage("before", "");
    EXPECT_EQ(g_shown, "");
    SetMessageBoxHandler(Capture);
    ShowSystemMessage("config.exe を起動しスコアネームを設定して下さい。", "");
    EXPECT_EQ(g_shown, "|config.exe を起動しスコアネームを設定して下さい。");
    SetMessageBoxHandler(nullptr);
    ShowSystemMessage("after", "x");
    EXPECT_EQ(g_shown, "|config.exe を起動しスコアネームを設定して下さい。");
}
