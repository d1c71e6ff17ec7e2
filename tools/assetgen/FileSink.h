// Writes each resource of one category as <outdir>/<TYPE>/<id>.<ext> in its
// stored form, and the assembler and C++ sources that embed them.
#pragma once

#include "tools/assetgen/AssetSink.h"

#include <string>
#include <vector>

class FileSink : public AssetSink {
public:
    FileSink(std::string outdir, std::string category);
    void Add(const std::string& type, int id, std::vector<unsigned char> bytes) override;
    // Writes <category>.S and <category>.cpp; false when a file could not be written.
    bool Finish();

private:
    struct Entry {
        std::string type;
        int id;
        std::string path;
        size_t size;
        uint64_t hash;
    };
    std::string outdir_;
    std::string category_;
    std::vector<Entry> entries_;
    bool failed_ = false;
};

// Whether resources of this type are stored scrambled.
bool IsStoredScrambled(const std::string& type);
// The stored form of a resource's bytes.
std::vector<unsigned char> StoredForm(const std::string& type, std::vector<unsigned char> bytes);
// Writes the file only when its content differs; false on a write failure.
bool WriteIfChanged(const std::string& path, const std::vector<unsigned char>& bytes);
