#include "platform/System.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <chrono>
#include <cstdio>
#include <strings.h>

namespace {

MessageBoxHandler g_messageBoxHandler = nullptr;

// Longer chains of symbolic links are loops to the system too.
constexpr int kMaxLinkHops = 40;

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

bool IsRegularFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::FILE* OpenRegularFile(const std::string& path, const char* mode)
{
    const int access = mode[0] == 'r' ? O_RDONLY : O_WRONLY | O_CREAT | (mode[0] == 'a' ? O_APPEND : O_TRUNC);
    // Not blocking while it opens: a pipe without a writer (or reader) would wait for one.
    const int fd = open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    struct stat info;
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    std::FILE* file = fdopen(fd, mode);
    if (!file)
        close(fd);
    return file;
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

namespace {

// The file a path finally names: a symbolic link is followed (a relative
// target is taken from the link's folder) even when its target does not
// exist yet, so that a rewrite replaces the target, not the link.
std::string FollowLinks(std::string path)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info;
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(static_cast<size_t>(PATH_MAX), '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length <= 0)
            return path;
        target.resize(static_cast<size_t>(length));
        path = target[0] == '/' ? target : path.substr(0, path.rfind('/') + 1) + target;
    }
    return path;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const void* data, size_t n)
{
    const std::string target = FollowLinks(path);
    const std::string temp = target + ".tmp";
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    unlink(temp.c_str());
    // Private until it has the mode of the file it replaces.
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, exists ? 0600 : 0666);
    if (fd < 0)
        return false;
    const bool moded = !exists || fchmod(fd, existing.st_mode & 07777) == 0;
    const bool written = moded && WriteAll(fd, data, n) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), target.c_str()) != 0) {
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
