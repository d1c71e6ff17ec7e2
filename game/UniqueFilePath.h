// Names for files the player keeps (screenshots, replays) that never replace
// an earlier one.
#pragma once

#include <string>

// folder + stem + extension; when that file exists, "_2", "_3", ... follow the stem.
std::string UniqueFilePath(const std::string& folder, const std::string& stem, const char* extension);
