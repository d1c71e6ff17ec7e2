// Message boxes through SDL where a display exists.
#pragma once

// From now on messages shown through ShowSystemMessage also appear in an SDL
// message box (they are printed to stderr in any case).
void InstallSdlMessageBox();

// True for SDL's video drivers that have no screen (offscreen, dummy).
bool IsHeadlessVideoDriver(const char* driver);

// True when the environment names an X or a Wayland display.
bool IsDisplayNamed();
