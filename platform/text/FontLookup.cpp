#include "platform/text/FontLookup.h"

#include <fontconfig/fontconfig.h>

bool FindFontFile(const std::string& faceName, FontFile* found)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(faceName.c_str()));
    if (!pattern)
        return false;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;
    FcChar8* path = nullptr;
    const bool hasFile = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    if (hasFile) {
        found->path = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &found->index) != FcResultMatch)
            found->index = 0;
    }
    FcPatternDestroy(match);
    return hasFile;
}
