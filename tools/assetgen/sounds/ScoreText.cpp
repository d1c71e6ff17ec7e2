#include "tools/assetgen/sounds/ScoreText.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

bool ParseError::Fail(int line, const std::string& text)
{
    if (!failed) {
        failed = true;
        message = "line " + std::to_string(line) + ": " + text;
    }
    return false;
}

std::vector<std::string> SplitWords(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream stream(text);
    std::string word;
    while (stream >> word) {
        words.push_back(word);
    }
    return words;
}

bool ParseNumber(const std::string& word, double& value)
{
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return !word.empty() && end == word.c_str() + word.size() && std::isfinite(value);
}

bool ParseInteger(const std::string& word, int& value)
{
    double number = 0.0;
    if (!ParseNumber(word, number) || number != std::floor(number) || std::fabs(number) > 1e6) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool IsBarBoundary(double beat, int beatsPerBar)
{
    const double bars = beat / beatsPerBar;
    return std::fabs(bars - std::round(bars)) < 1e-6;
}
