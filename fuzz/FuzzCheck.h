// What every fuzz target shares: a check that stops the run with a message
// (the fuzzer keeps the input that broke it), and scratch files in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

inline void FuzzCheck(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// A file of this process in a memory-backed folder where there is one, so
// that the targets that need files do not wear a disk.
inline std::string FuzzScratchPath(const char* name)
{
    static const std::string folder = [] {
        std::FILE* probe = std::fopen("/dev/shm/.vostrelle_probe", "w");
        if (probe == nullptr)
            return std::string("/tmp/");
        std::fclose(probe);
        std::remove("/dev/shm/.vostrelle_probe");
        return std::string("/dev/shm/");
    }();
    return folder + "vostrelle_fuzz_" + std::to_string(::getpid()) + "_" + name;
}
