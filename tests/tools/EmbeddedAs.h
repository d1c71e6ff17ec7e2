// Whether the build embedded a resource exactly as a fresh generation gives it:
// the generators must not depend on the run.
#pragma once

#include "assets/EmbeddedAssets.h"
#include "platform/Resources.h"
#include "tools/assetgen/FileSink.h"

#include <string>
#include <vector>

inline bool IsEmbeddedAs(const std::string& type, int id, const std::vector<unsigned char>& bytes)
{
    ClearResources();
    RegisterEmbeddedAssets();
    size_t size = 0;
    const unsigned char* data = LockResourceData(("#" + std::to_string(id)).c_str(), type.c_str(), &size);
    const bool same = data != nullptr && std::vector<unsigned char>(data, data + size) == StoredForm(type, bytes);
    ClearResources();
    return same;
}
