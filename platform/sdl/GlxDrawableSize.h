// The size of the window that the current GLX context draws into, asked of
// the X server. SDL reports the size it asked for in full screen, which an X
// server without a window manager never grants.
#pragma once

// False when no GLX context is current (another video driver).
bool GlxDrawableSize(int* width, int* height);
