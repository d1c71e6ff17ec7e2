// The generator categories this build has; the build generates the table
// from the generator folders present (see cmake/Assets.cmake).
#pragma once

#include "tools/assetgen/AssetSink.h"

#include <cstddef>

struct AssetCategory {
    const char* name;
    void (*generate)(AssetSink& sink);
};

extern const AssetCategory g_assetCategories[];
extern const size_t g_assetCategoryCount;
