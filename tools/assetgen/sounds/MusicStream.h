// One BGM stream from its score under assets/: rendered, levelled under the
// effects, and encoded.
#pragma once

#include <string>
#include <vector>

std::vector<unsigned char> MakeMusicStream(const std::string& score);
