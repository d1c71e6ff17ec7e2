#include "tools/assetgen/sounds/ScoreLibrary.h"

#include "tools/assetgen/sounds/ScoreParser.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

Score LoadScore(const std::string& relativePath)
{
    // The build names the source tree's assets/ folder.
    const std::string path = std::string(VOSTRELLE_ASSET_DIR) + "/" + relativePath;
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
