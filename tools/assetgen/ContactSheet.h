// One PNG that shows every picture with its name, for looking the set over.
#pragma once

#include <string>

bool WriteContactSheet(const std::string& path);
