// The desktop's top-level windows under X11, read and moved with Xlib.
#pragma once

#include "platform/DesktopWindows.h"

#include <memory>

// Null unless SDL is to use its X11 video driver and the X display opens.
std::unique_ptr<DesktopWindows> OpenX11DesktopWindows();
