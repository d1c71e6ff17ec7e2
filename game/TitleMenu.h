// The title's small menu: automatic reload on or off, and the course, which
// picks the difficulty and the scene that the start button enters.
#pragma once

enum TitleMenuRow { kMenuRowAutomaticReload = 0, kMenuRowCourse = 1 };

extern int g_startScene;
extern int g_titleMenuRow;
extern int g_titleMenuValues[2];
extern const int g_titleMenuMax[2];

// Takes the values in force at start-up (not clamped).
void InitTitleMenu();
// Moves the selected row's value by delta (-1, 0, +1) within its range and
// applies it; delta 0 applies both rows.
void MenuStep(int delta);
