#include "tools/assetgen/sounds/ScoreLibrary.h"

#include "tools/assetgen/sounds/ScoreParser.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string AssetFolder()
{
    // This file lives in tools/assetgen/sounds/ of the source tree.
    const std::filesystem::path source(__FILE__);
    return (source.parent_path().parent_path().parent_path().parent_path() / "assets").string();
}

Score LoadScore(const std::string& relativePath)
{
    const std::string path = AssetFolder() + "/" + relativePath;
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "assetgen: cannot read %s\n", path.c_str());
        std::exit(EXIT_FAILURE);
    }
    std::ostringstream text;
    text << file.rdbuf();
    Score score;
    std::string error;
    if (!ParseScore(text.str(), score, error)) {
        std::fprintf(stderr, "assetgen: %s: %s\n", path.c_str(), error.c_str());
        std::exit(EXIT_FAILURE);
    }
    return score;
}
