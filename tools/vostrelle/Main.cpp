// The game program: the game on the SDL host, with the embedded assets.
#include "assets/EmbeddedAssets.h"
#include "game/ProgramEntry.h"
#include "platform/sdl/SdlProgramHost.h"

int main()
{
    RegisterEmbeddedAssets();
    SdlProgramHost host;
    return RunProgram(host);
}
