// An asset sink that keeps what the generators give it, by type and id.
#pragma once

#include "tools/assetgen/AssetSink.h"

#include <map>
#include <utility>

class CollectingSink : public AssetSink {
public:
    std::map<std::pair<std::string, int>, std::vector<unsigned char>> assets;
    int duplicates = 0;

    void Add(const std::string& type, int id, std::vector<unsigned char> bytes) override
    {
        duplicates += assets.count({type, id}) != 0 ? 1 : 0;
        assets[{type, id}] = std::move(bytes);
    }

    const std::vector<unsigned char>& Get(const std::string& type, int id) const
    {
        static const std::vector<unsigned char> kNone;
        const auto found = assets.find({type, id});
        return found == assets.end() ? kNone : found->second;
    }
};
