// A sink that keeps each resource's plain bytes, keyed "TYPE #id".
#pragma once

#include "tools/assetgen/AssetSink.h"

#include <map>
#include <string>

class MemorySink : public AssetSink {
public:
    void Add(const std::string& type, int id, std::vector<unsigned char> bytes) override
    {
        resources[type + " #" + std::to_string(id)] = std::move(bytes);
    }
    std::map<std::string, std::vector<unsigned char>> resources;
};
