#include "platform/sdl/SdlWindow.h"

#include <gtest/gtest.h>

namespace {

void PushKeyDown(SDL_Keycode key)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    SDL_PushEvent(&event);
}

TEST(SdlWindow, PumpReportsQuitEscapeAndF11AndShowsEveryEventToListeners)
{
    SdlWindow window;
    if (!window.Create("window test", 640, 480))
        GTEST_SKIP() << "no video: " << SDL_GetError();
    int width = 0, height = 0;
    SDL_GetWindowSize(window.Handle(), &width, &height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_FALSE(SDL_GetWindowFlags(window.Handle()) & SDL_WINDOW_RESIZABLE);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);

    WindowEvent event;
    while (window.PollEvent(&event)) {
    }
    std::vector<SDL_Keycode> heard;
    window.AddEventListener([&](const SDL_Event& e) {
        if (e.type == SDL_KEYDOWN)
            heard.push_back(e.key.keysym.sym);
    });
    PushKeyDown(SDLK_z);
    PushKeyDown(SDLK_F11);
    PushKeyDown(SDLK_ESCAPE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);

    std::vector<WindowEvent> events;
    while (window.PollEvent(&event))
        events.push_back(event);
    EXPECT_EQ(events, (std::vector<WindowEvent>{WindowEvent::Other, WindowEvent::Screenshot, WindowEvent::Quit,
                                                WindowEvent::Quit}));
    EXPECT_EQ(heard, (std::vector<SDL_Keycode>{SDLK_z, SDLK_F11, SDLK_ESCAPE}));
    EXPECT_FALSE(window.PollEvent(&event));
}

}  // namespace
