// A fresh folder below the test temp folder for each test, removed afterwards.
#pragma once

#include "engine/FileUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = ::testing::TempDir() + "vostrelle_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    static std::string ReadText(const std::string& path)
    {
        std::vector<unsigned char> bytes;
        ReadWholeFile(path, &bytes);
        return std::string(bytes.begin(), bytes.end());
    }

    std::string folder;  // ends in '/'
};
