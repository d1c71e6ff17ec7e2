#include "engine/Profiler.h"

#include "engine/FileUtil.h"
#include "engine/TextUtil.h"
#include "platform/System.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The longest key and value the original reading buffers held.
constexpr size_t kMaxKey = 255;
constexpr size_t kMaxValue = 767;
// Far more than every key with its longest value: a larger file is no
// settings file, and is not read.
constexpr size_t kMaxFileBytes = 1024 * 1024;

// Splits the bytes into lines, without their "\n" or "\r\n" ends.
std::vector<std::string> SplitLines(const std::vector<unsigned char>& bytes)
{
    std::vector<std::string> lines;
    std::string line;
    for (unsigned char c : bytes) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

}  // namespace

CProfiler::CProfiler(const char* file) { Load(file, ","); }

CProfiler::CProfiler(const char* file, const char* separatorText) { Load(file, separatorText); }

CProfiler::~CProfiler() { Save(); }

void CProfiler::Load(const char* file, const char* separatorText)
{
    dirty = false;
    separator = separatorText;
    path = ResolveProgramPath(file);
    std::vector<unsigned char> bytes;
    if (!FileExists(path))
        return;
    unreadable = !ReadWholeFile(path, &bytes, kMaxFileBytes);
    for (const std::string& line : SplitLines(bytes)) {
        const size_t at = line.find(separator[0]);
        if (at == std::string::npos)
            continue;
        entries[line.substr(0, std::min(at, kMaxKey))] = line.substr(at + 1, kMaxValue);
    }
}

// A file that exists but could not be read is never replaced by what little
// this object knows.
void CProfiler::Save()
{
    if (!dirty || unreadable)
        return;
    std::string text;
    for (const auto& [key, value] : entries)
        text += key + separator + value + "\r\n";
    MakeFolder(GetFolderOfPath(path));
    if (ReplaceFileContents(path, text.data(), text.size()))
        dirty = false;
    else
        ReportFileProblem("cannot save the settings file " + path);
}

bool CProfiler::GetBool(const char* key, bool def)
{
    char value[256];
    GetStringBuf(key, value, sizeof value, "");
    if (std::strcmp(value, "0") == 0)
        return false;
    if (std::strcmp(value, "1") == 0)
        return true;
    return def;
}

int CProfiler::GetInt(const char* key, int def)
{
    char value[256];
    GetStringBuf(key, value, sizeof value, "");
    return value[0] == '\0' ? def : ParseInt(value);
}

void CProfiler::GetString(const char* key, std::string& out, const char* def)
{
    const auto found = entries.find(key);
    out = found == entries.end() ? std::string(def) : found->second;
}

void CProfiler::GetStringBuf(const char* key, char* buf, int size, const char* def)
{
    if (size <= 0)
        return;
    std::string value;
    GetString(key, value, def);
    const size_t n = std::min(value.size(), static_cast<size_t>(size) - 1);
    std::memset(buf, 0, static_cast<size_t>(size));
    std::memcpy(buf, value.data(), n);
}

void CProfiler::SetBool(const char* key, int value) { SetInt(key, value); }

void CProfiler::SetInt(const char* key, int value) { SetStringBuf(key, std::to_string(value).c_str()); }

void CProfiler::SetString(const char* key, const std::string& value)
{
    const auto found = entries.find(key);
    if (found != entries.end() && found->second == value)
        return;
    entries[key] = value;
    dirty = true;
}

void CProfiler::SetStringBuf(const char* key, const char* value) { SetString(key, value); }
