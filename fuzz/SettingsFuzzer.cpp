// The settings file: whatever it holds, a rewrite reads back as the same
// settings and is itself rewritten byte for byte.
#include "engine/FileUtil.h"
#include "engine/Profiler.h"
#include "fuzz/FuzzCheck.h"

#include <unistd.h>

#include <string>
#include <vector>

namespace {

const char* const kKeys[] = {"scorename", "windowmode", "vsync", "shotkey", "globaldifficulty", "automaticreload"};

std::vector<unsigned char> ReadAll(const std::string& path)
{
    std::vector<unsigned char> bytes;
    ReadWholeFile(path, &bytes);
    return bytes;
}

// Loads path, reads every known key, forces a rewrite and gives the values read.
std::vector<std::string> LoadAndRewrite(const std::string& path, const char* marker)
{
    CProfiler profile(path.c_str());
    std::vector<std::string> values;
    for (const char* key : kKeys) {
        std::string value;
        profile.GetString(key, value, "\x01missing");
        values.push_back(value);
        values.push_back(std::to_string(profile.GetInt(key, -7)) + (profile.GetBool(key, false) ? "t" : "f"));
    }
    profile.SetString("~fuzz", marker);
    profile.SetString("~fuzz", "1");
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzScratchPath("vostrelle.ini");
    FuzzCheck(WriteFileBytes(path, data, size), "the settings file is written");
    const std::vector<std::string> first = LoadAndRewrite(path, "0");
    const std::vector<unsigned char> rewritten = ReadAll(path);
    const std::vector<std::string> second = LoadAndRewrite(path, "2");
    FuzzCheck(first == second, "a rewrite reads back the same values");
    FuzzCheck(ReadAll(path) == rewritten, "a rewrite of a rewrite is the same file");
    FuzzCheck(access((path + ".tmp").c_str(), F_OK) != 0, "no temporary file is left");
    return 0;
}
