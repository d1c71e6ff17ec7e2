#include "platform/sdl/GlxDrawableSize.h"

#include <GL/glx.h>

bool GlxDrawableSize(int* width, int* height)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;
    // One round trip to the server for both sizes, where a GLX query takes one each.
    Window root = 0;
    int x = 0, y = 0;
    unsigned int w = 0, h = 0, border = 0, depth = 0;
    if (!XGetGeometry(display, drawable, &root, &x, &y, &w, &h, &border, &depth) || w == 0 || h == 0)
        return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}
