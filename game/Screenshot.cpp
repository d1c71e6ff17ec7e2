#include "game/Screenshot.h"

#include "engine/AssetLists.h"
#include "engine/FileUtil.h"
#include "engine/GraphicsSystem.h"
#include "engine/SoundSystem.h"
#include "game/UniqueFilePath.h"
#include "platform/System.h"

void TakeScreenshot()
{
    const std::string folder = GetProgramFolder() + "snapshot";
    MakeFolder(folder);
    const std::string path = UniqueFilePath(folder + "/", FormatTimestamp(), ".bmp");
    if (g_graphics->SaveBackBufferBmp(path))
        g_sound->Play(g_seSnapshot, 0);
    else
        ReportFileProblem("cannot save the screenshot " + path);
}
