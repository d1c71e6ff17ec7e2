#include "engine/TextUtil.h"

#include "engine/FileUtil.h"
#include "engine/PointerList.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

bool IsShiftJisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

namespace {

// Bytes of the character at text[i]: 2 for a lead byte with its trail byte.
size_t CharLength(const std::string& text, size_t i)
{
    return IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

std::vector<std::string> SplitFields(const std::string& text, char separator)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLength(text, i);
        const char c = text[i];
        if (length == 1 && (c == '"' || c == '\''))
            quoted = !quoted;
        else if (length == 1 && c == separator && !quoted)
            fields.emplace_back();
        else
            fields.back().append(text, i, length);
        i += length;
    }
    return fields;
}

void CopyBack(char* out, const std::string& text) { std::memcpy(out, text.c_str(), text.size() + 1); }

constexpr size_t kMaxNumberText = 256;

bool DigitsAreZero(const std::string& s, size_t start) { return s.find_first_not_of('0', start) == std::string::npos; }

// A digit more at the front when every digit was a nine.
void AddOneToDigits(std::string& s, size_t start)
{
    size_t i = s.size();
    while (i > start && s[i - 1] == '9')
        s[--i] = '0';
    if (i == start)
        s.insert(s.begin() + static_cast<std::ptrdiff_t>(start), '1');
    else
        ++s[i - 1];
}

// The digits must not all be zero.
void SubtractOneFromDigits(std::string& s, size_t start)
{
    size_t i = s.size();
    while (s[i - 1] == '0')
        s[--i] = '9';
    --s[i - 1];
}

}  // namespace

int ParseInt(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

void TrimString(std::string& s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        s.clear();
        return;
    }
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
}

void TrimSpaces(char* s)
{
    std::string text = s;
    TrimString(text);
    CopyBack(s, text);
}

void RemoveCharFromString(std::string& s, const char* c)
{
    std::string kept;
    for (size_t i = 0; i < s.size();) {
        const size_t length = CharLength(s, i);
        if (length == 2 || s[i] != c[0])
            kept.append(s, i, length);
        i += length;
    }
    s = kept;
}

void RemoveChar(char* s, const char* c)
{
    std::string text = s;
    RemoveCharFromString(text, c);
    CopyBack(s, text);
}

int SplitIntoList(CStringList* list, const char* text, const char* separator)
{
    list->RemoveAll();
    const std::vector<std::string> fields = SplitFields(text, separator[0]);
    for (const std::string& field : fields)
        list->AddTail(field.c_str());
    return static_cast<int>(fields.size());
}

void GetField(std::string& out, const char* text, const char* separator, int index)
{
    const std::vector<std::string> fields = SplitFields(text, separator[0]);
    out = index >= 0 && index < static_cast<int>(fields.size()) ? fields[index] : std::string();
}

void ReadLinesIntoList(CStringList* list, const char* path)
{
    list->RemoveAll();
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, &bytes) || bytes.empty())
        return;
    std::string text(bytes.begin(), bytes.end());
    if (text.back() != '\n')
        text += '\n';
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        // Files written on Windows end their lines with "\r\n".
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        list->AddTail(line.c_str());
    }
}

std::string CopyTail(const char* text, int index)
{
    const size_t length = std::strlen(text);
    if (index < 0 || static_cast<size_t>(index) > length)
        return std::string();
    return std::string(text + index, length - index);
}

void IncrementNumberText(std::string& s)
{
    size_t start = s.starts_with('-') || s.starts_with('+') ? 1 : 0;
    if (s.size() == start || s.size() > kMaxNumberText || s.find_first_not_of("0123456789", start) != std::string::npos)
        return;
    if (s[0] == '-' && DigitsAreZero(s, 1)) {  // "-0" counts as "0"
        s.erase(0, 1);
        start = 0;
    }
    if (s[0] != '-') {
        AddOneToDigits(s, start);
        return;
    }
    SubtractOneFromDigits(s, 1);
    if (DigitsAreZero(s, 1))  // zero has no sign
        s.erase(0, 1);
}

void StringAppend(std::string& s, const char* text) { s += text; }
