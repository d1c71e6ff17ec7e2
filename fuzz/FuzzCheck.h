// What every fuzz target shares: a check that stops the run with a message
// (the fuzzer keeps the input that broke it), and scratch files in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

inline void FuzzCheck(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// The scratch files of this process, removed when it ends normally.
class ScratchFiles {
public:
    ~ScratchFiles()
    {
        for (const std::string& path : paths_)
            std::remove(path.c_str());
    }
    const std::string& Add(std::string path) { return paths_.emplace_back(std::move(path)); }

private:
    std::vector<std::string> paths_;
};

// A file of this process in a memory-backed folder where there is one, so
// that the targets that need files do not wear a disk. Call once per name.
inline std::string FuzzScratchPath(const char* name)
{
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/";
    static ScratchFiles files;
    const std::string path = folder + "vostrelle_fuzz_" + std::to_string(getpid()) + "_" + name;
    files.Add(path + ".tmp");
    return files.Add(path);
}
