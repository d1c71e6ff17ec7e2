// The scores kept as text under assets/ (music/ and sounds/).
#pragma once

#include "tools/assetgen/sounds/Score.h"

#include <string>

// Reads and parses assets/<relativePath>. A missing or broken score is a
// broken build: the problem is reported on stderr and the generator exits.
Score LoadScore(const std::string& relativePath);
