#include "game/UniqueFilePath.h"

#include "engine/FileUtil.h"

std::string UniqueFilePath(const std::string& folder, const std::string& stem, const char* extension)
{
    std::string path = folder + stem + extension;
    for (int n = 2; FileExists(path); ++n)
        path = folder + stem + "_" + std::to_string(n) + extension;
    return path;
}
