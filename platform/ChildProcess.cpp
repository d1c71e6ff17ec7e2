#include "platform/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace {

bool IsExecutableFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Spawns the program with its standard output on writeEnd; -1 on failure.
pid_t Spawn(const std::vector<std::string>& arguments, int writeEnd)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, STDOUT_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void ReadToEnd(int fd, std::string* output)
{
    char block[4096];
    for (;;) {
        const ssize_t count = read(fd, block, sizeof block);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        output->append(block, static_cast<size_t>(count));
    }
}

int WaitForExit(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::string FindProgramOnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    if (!path)
        return "";
    const std::string folders = path;
    size_t start = 0;
    for (;;) {
        const size_t end = folders.find(':', start);
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (IsExecutableFile(candidate))
            return candidate;
        if (end == std::string::npos)
            return "";
        start = end + 1;
    }
}

bool RunProgram(const std::vector<std::string>& arguments, std::string* output, int* exitCode)
{
    output->clear();
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    const pid_t pid = Spawn(arguments, pipeEnds[1]);
    close(pipeEnds[1]);
    if (pid > 0)
        ReadToEnd(pipeEnds[0], output);
    close(pipeEnds[0]);
    if (pid <= 0)
        return false;
    *exitCode = WaitForExit(pid);
    return true;
}
