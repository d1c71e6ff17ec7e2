// A fresh folder below the test temp folder for each test, removed afterwards.
#pragma once

#include "engine/FileUtil.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <string>
#include <vector>

inline std::string ReadTextFile(const std::string& path)
{
    std::vector<unsigned char> bytes;
    ReadWholeFile(path, &bytes);
    return std::string(bytes.begin(), bytes.end());
}

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = ::testing::TempDir() + "vostrelle_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    static std::string ReadText(const std::string& path) { return ReadTextFile(path); }

    std::string folder;  // ends in '/'
};

// Runs body on another thread: true when it returned within a few seconds.
// A body blocked opening the pipe at path is let go, by opening and closing
// the pipe from both ends, so that the test ends either way.
inline bool ReturnsPromptlyBeside(const std::string& pipe, const std::function<void()>& body)
{
    std::future<void> run = std::async(std::launch::async, body);
    const bool prompt = run.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!prompt)
        close(open(pipe.c_str(), O_RDWR | O_NONBLOCK));
    run.get();
    return prompt;
}

// A disk that is full after bytes bytes of any one file: writes beyond fail
// (for root too) until the object is gone.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
