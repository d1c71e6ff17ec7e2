#include "platform/System.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <strings.h>

namespace {

MessageBoxHandler g_messageBoxHandler = nullptr;

bool IsRegularFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool NameBefore(const std::string& a, const std::string& b)
{
    const int folded = strcasecmp(a.c_str(), b.c_str());
    return folded != 0 ? folded < 0 : a < b;
}

bool WriteAll(int fd, const void* data, size_t n)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (n > 0) {
        const ssize_t written = write(fd, bytes, n);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        n -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

std::string ExecutableFolder()
{
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0)
            return "./";
        if (static_cast<size_t>(length) < path.size()) {
            path.resize(static_cast<size_t>(length));
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.rfind('/') + 1);
}

bool PathExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool MakeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

std::vector<std::string> ListRegularFiles(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return names;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && IsRegularFile(prefix + name))
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), NameBefore);
    return names;
}

bool ReplaceFileContents(const std::string& path, const void* data, size_t n)
{
    const std::string temp = path + ".tmp";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, data, n) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

int64_t MonotonicMilliseconds()
{
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = Clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void SetMessageBoxHandler(MessageBoxHandler handler) { g_messageBoxHandler = handler; }

void ShowSystemMessage(const char* text, const char* caption)
{
    if (caption[0] != '\0')
        std::fprintf(stderr, "%s: ", caption);
    std::fprintf(stderr, "%s\n", text);
    if (g_messageBoxHandler)
        g_messageBoxHandler(text, caption);
}
