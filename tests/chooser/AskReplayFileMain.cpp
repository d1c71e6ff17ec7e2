// Asks for a replay file from a window of its own, as the game would, and
// prints the answer: "true [path]" or "false [path]".
#include "engine/FileUtil.h"
#include "platform/sdl/SdlWindow.h"

#include <cstdio>
#include <string>

int main()
{
    SdlWindow owner;
    if (!owner.Create("replay chooser owner", 320, 240)) {
        std::fprintf(stderr, "no window: %s\n", SDL_GetError());
        return 2;
    }
    owner.Show();
    std::string path;
    const bool chosen = AskReplayFile(path);
    std::printf("%s [%s]\n", chosen ? "true" : "false", path.c_str());
    return 0;
}
