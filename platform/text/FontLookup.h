// Finding a face by name the way desktop programs do, through fontconfig:
// the name goes through the desktop's substitution rules (on Debian "Arial"
// becomes the metric-compatible Liberation Sans where it is installed), and
// the closest installed face is taken.
#pragma once

#include <string>

struct FontFile {
    std::string path;
    int index = 0;  // the face within the file
};

// False when fontconfig finds no face at all.
bool FindFontFile(const std::string& faceName, FontFile* found);
