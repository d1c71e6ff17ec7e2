// The whole run of the program: start-up, the main loop and shutdown.
#pragma once

class ProgramHost;

// The window's title.
extern const char g_windowTitle[];
// The start-up loading picture, held only while the master assets load.
extern int g_texLoading;

// Reads the settings, refuses to start without a score name, creates every
// long-lived object and manager, opens the window and the drawing device,
// loads the assets behind a loading screen and runs the title until the
// window closes; then stores the player's settings and deletes everything
// in a fixed order. Returns the process's exit code.
int RunProgram(ProgramHost& host);
