// The executable's embedded resources, found by type and name ("TEXTURE", "#106").
// The build links a generated table of the stored (scrambled) bytes and the
// program registers it at start; tests may register tables of their own.
#pragma once

#include <cstddef>

struct EmbeddedResource {
    const char* type;
    const char* name;
    const unsigned char* data;
    size_t size;
};

// Makes the resources of table findable; a later table wins for the same type and name.
void RegisterResources(const EmbeddedResource* table, size_t count);
// Forgets every registered table.
void ClearResources();
// The stored bytes of a resource, or null with *size = 0 when there is none.
const unsigned char* LockResourceData(const char* name, const char* type, size_t* size);
