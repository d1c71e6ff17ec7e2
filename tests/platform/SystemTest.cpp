#include "platform/System.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string g_shown;

void Capture(const char* text, const char* caption) { g_shown = std::string(caption) + "|" + text; }

}  // namespace

TEST(System, MessagesGoToStderrAndToTheInstalledHandler)
{
    const struct {
        MessageBoxHandler handler;
        const char* text;
        const char* caption;
        const char* printed;
        const char* shown;
    } cases[] = {{nullptr, "before", "", "before\n", ""},
                 {Capture, "plain", "", "plain\n", "|plain"},  // no caption, no stray separator
                 {Capture, "titled", "Title", "Title: titled\n", "Title|titled"},
                 {nullptr, "after", "x", "x: after\n", "Title|titled"}};
    for (const auto& c : cases) {
        SetMessageBoxHandler(c.handler);
        testing::internal::CaptureStderr();
        ShowSystemMessage(c.text, c.caption);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.printed);
        EXPECT_EQ(g_shown, c.shown);
    }
}
