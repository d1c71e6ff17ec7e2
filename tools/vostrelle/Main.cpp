// The game program: the game on the SDL host, with the embedded assets.
#include "game/ProgramEntry.h"
#include "platform/sdl/SdlProgramHost.h"

#ifdef VOSTRELLE_EMBEDDED_ASSETS
#include "assets/EmbeddedAssets.h"
#endif

int main()
{
#ifdef VOSTRELLE_EMBEDDED_ASSETS
    RegisterEmbeddedAssets();
#endif
    SdlProgramHost host;
    return RunProgram(host);
}
