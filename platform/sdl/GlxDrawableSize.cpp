#include "platform/sdl/GlxDrawableSize.h"

#include <GL/glx.h>

bool GlxDrawableSize(int* width, int* height)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;
    unsigned int w = 0, h = 0;
    glXQueryDrawable(display, drawable, GLX_WIDTH, &w);
    glXQueryDrawable(display, drawable, GLX_HEIGHT, &h);
    if (w == 0 || h == 0)
        return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}
