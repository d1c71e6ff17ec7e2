// Small pieces shared by the readers of our note format: source lines, the
// first error met, words and numbers.
#pragma once

#include <string>
#include <vector>

struct ScoreLine {
    int number = 0;
    std::string text;
};

// Keeps the first failure, as "line N: what".
class ParseError {
public:
    bool failed = false;
    std::string message;

    // Always false, so a reader can return it directly.
    bool Fail(int line, const std::string& text);
};

std::vector<std::string> SplitWords(const std::string& text);
bool ParseNumber(const std::string& word, double& value);
bool ParseInteger(const std::string& word, int& value);
bool IsBarBoundary(double beat, int beatsPerBar);
