#include "game/TitleMenu.h"

#include "actors/Player.h"
#include "engine/ObjectLists.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int g_startScene = 0;
int g_titleMenuRow = 0;
int g_titleMenuValues[2] = {0, 0};
const int g_titleMenuMax[2] = {1, 10};

namespace {

struct Course {
    int difficulty;
    int startScene;
};

constexpr Course kCourses[] = {
    {-1, 0}, {0, 0}, {-1, 10}, {-1, 11}, {-1, 12}, {-1, 13}, {-1, 14}, {-1, 18}, {-1, 15}, {-1, 16}, {-1, 17},
};
constexpr int kCourseCount = sizeof kCourses / sizeof kCourses[0];

void ApplyAutomaticReload(int value)
{
    if (value == 0 || value == 1)
        g_player->automaticReload = value == 1;
}

void ApplyCourse(int value)
{
    if (value < 0 || value >= kCourseCount)
        return;
    g_globalDifficulty = kCourses[value].difficulty;
    g_startScene = kCourses[value].startScene;
}

// A settings file can hold any int: the sum is taken wide and kept in range,
// which changes no value whose sum fits.
int SaturatingAdd(int a, int b)
{
    return static_cast<int>(std::clamp<int64_t>(int64_t{a} + b, INT_MIN, INT_MAX));
}

}  // namespace

void InitTitleMenu()
{
    g_titleMenuValues[kMenuRowAutomaticReload] = g_player->automaticReload ? 1 : 0;
    g_titleMenuValues[kMenuRowCourse] = SaturatingAdd(g_globalDifficulty, 1);
}

void MenuStep(int delta)
{
    const int row = g_titleMenuRow;
    int& value = g_titleMenuValues[row];
    value = std::clamp(SaturatingAdd(value, delta), 0, g_titleMenuMax[row]);
    if (row == kMenuRowAutomaticReload || delta == 0)
        ApplyAutomaticReload(g_titleMenuValues[kMenuRowAutomaticReload]);
    if (row == kMenuRowCourse || delta == 0)
        ApplyCourse(g_titleMenuValues[kMenuRowCourse]);
}
