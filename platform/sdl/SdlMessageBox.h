// Message boxes through SDL where a display exists.
#pragma once

// From now on messages shown through ShowSystemMessage also appear in an SDL
// message box (they are printed to stderr in any case).
void InstallSdlMessageBox();
