#include "platform/sdl/X11DesktopWindows.h"

#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

namespace {

// A window may close while we look at it; its errors must not end the game.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

class ErrorsIgnored {
public:
    explicit ErrorsIgnored(Display* display) : display(display), previous(XSetErrorHandler(IgnoreXError)) {}
    ~ErrorsIgnored()
    {
        XSync(display, False);
        XSetErrorHandler(previous);
    }
    ErrorsIgnored(const ErrorsIgnored&) = delete;
    ErrorsIgnored& operator=(const ErrorsIgnored&) = delete;

private:
    Display* display;
    int (*previous)(Display*, XErrorEvent*);
};

class X11DesktopWindows : public DesktopWindows {
public:
    explicit X11DesktopWindows(Display* display) : display(display), root(DefaultRootWindow(display)) {}
    ~X11DesktopWindows() override { XCloseDisplay(display); }
    X11DesktopWindows(const X11DesktopWindows&) = delete;
    X11DesktopWindows& operator=(const X11DesktopWindows&) = delete;

    std::vector<TopLevelWindow> ListTopLevelWindows() override
    {
        ErrorsIgnored guard(display);
        std::vector<TopLevelWindow> windows;
        for (Window handle : ClientWindows()) {
            TopLevelWindow window;
            window.handle = handle;
            XWindowAttributes attributes;
            window.visible = XGetWindowAttributes(display, handle, &attributes) && attributes.map_state == IsViewable;
            Window owner = None;
            window.owned = XGetTransientForHint(display, handle, &owner) && owner != None;
            window.title = Title(handle);
            window.className = ClassName(handle);
            windows.push_back(window);
        }
        return windows;
    }

    // The position is the window frame's, as the window manager places a
    // window by its frame.
    bool GetPlacement(uint64_t handle, WindowPlacement* placement) override
    {
        ErrorsIgnored guard(display);
        XWindowAttributes client, frame;
        if (!XGetWindowAttributes(display, handle, &client) ||
            !XGetWindowAttributes(display, FrameOf(handle), &frame))
            return false;
        placement->x = frame.x;
        placement->y = frame.y;
        placement->width = client.width;
        placement->height = client.height;
        return true;
    }

    void SetPlacement(uint64_t handle, const WindowPlacement& placement) override
    {
        ErrorsIgnored guard(display);
        if (placement.width > 0 && placement.height > 0)
            XMoveResizeWindow(display, handle, placement.x, placement.y, placement.width, placement.height);
    }

private:
    // The window manager's list of managed windows, else the root's children.
    std::vector<Window> ClientWindows()
    {
        std::vector<Window> windows = WindowListProperty("_NET_CLIENT_LIST");
        if (!windows.empty())
            return windows;
        Window rootReturn, parent;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
            windows.assign(children, children + count);
            XFree(children);
        }
        return windows;
    }

    std::vector<Window> WindowListProperty(const char* name)
    {
        std::vector<Window> windows;
        Atom type;
        int format;
        unsigned long count, remaining;
        unsigned char* data = nullptr;
        const Atom property = XInternAtom(display, name, True);
        if (property == None ||
            XGetWindowProperty(display, root, property, 0, 4096, False, XA_WINDOW, &type, &format, &count,
                               &remaining, &data) != Success)
            return windows;
        if (data && type == XA_WINDOW && format == 32) {
            const Window* list = reinterpret_cast<const Window*>(data);
            windows.assign(list, list + count);
        }
        if (data)
            XFree(data);
        return windows;
    }

    std::string Title(Window handle)
    {
        std::string title = Utf8Property(handle, "_NET_WM_NAME");
        if (!title.empty())
            return title;
        char* name = nullptr;
        if (XFetchName(display, handle, &name) && name) {
            title = name;
            XFree(name);
        }
        return title;
    }

    std::string Utf8Property(Window handle, const char* name)
    {
        std::string text;
        Atom type;
        int format;
        unsigned long count, remaining;
        unsigned char* data = nullptr;
        const Atom property = XInternAtom(display, name, True);
        const Atom utf8 = XInternAtom(display, "UTF8_STRING", True);
        if (property == None || utf8 == None ||
            XGetWindowProperty(display, handle, property, 0, 1024, False, utf8, &type, &format, &count, &remaining,
                               &data) != Success)
            return text;
        if (data && type == utf8 && format == 8)
            text.assign(reinterpret_cast<const char*>(data), count);
        if (data)
            XFree(data);
        return text;
    }

    std::string ClassName(Window handle)
    {
        std::string name;
        XClassHint hint{};
        if (XGetClassHint(display, handle, &hint)) {
            if (hint.res_class)
                name = hint.res_class;
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
        return name;
    }

    // The child of the root that holds the window: its frame when a window
    // manager put one around it, else the window itself.
    Window FrameOf(Window handle)
    {
        Window current = handle;
        for (;;) {
            Window rootReturn, parent;
            Window* children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(display, current, &rootReturn, &parent, &children, &count))
                return handle;
            if (children)
                XFree(children);
            if (parent == root || parent == None)
                return current;
            current = parent;
        }
    }

    Display* display;
    Window root;
};

bool UsesX11Driver()
{
    const char* driver = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return !driver || std::strcmp(driver, "x11") == 0;
}

}  // namespace

std::unique_ptr<DesktopWindows> OpenX11DesktopWindows()
{
    if (!UsesX11Driver())
        return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    return std::make_unique<X11DesktopWindows>(display);
}
