#include "platform/Resources.h"

#include <map>
#include <string>
#include <utility>

namespace {

using Key = std::pair<std::string, std::string>;

std::map<Key, const EmbeddedResource*>& Registry()
{
    static std::map<Key, const EmbeddedResource*> registry;
    return registry;
}

} // namespace

void RegisterResources(const EmbeddedResource* table, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        Registry()[{table[i].type, table[i].name}] = &table[i];
}

void ClearResources() { Registry().clear(); }

const unsigned char* LockResourceData(const char* name, const char* type, size_t* size)
{
    const auto found = Registry().find({type, name});
    if (found == Registry().end()) {
        *size = 0;
        return nullptr;
    }
    *size = found->second->size;
    return found->second->data;
}
