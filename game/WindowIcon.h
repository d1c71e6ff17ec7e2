// The window's icon, resource ICON 101 of the executable.
#pragma once

class ProgramHost;

// Leaves the system's icon when the program carries none.
void SetWindowIcon(ProgramHost& host);
