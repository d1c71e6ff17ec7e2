// Operating-system services the engine needs: where the program lives,
// folders and their listing, a monotonic clock, local time and message boxes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

// The folder of the running executable, ending in '/'.
std::string ExecutableFolder();

// True when path names an existing file or folder.
bool PathExists(const std::string& path);

// True when path names a regular file, after its symbolic links.
bool IsRegularFile(const std::string& path);

// fopen for a regular file only (after its symbolic links), with mode "rb",
// "w" or "a": null for anything else, whose opening would block (a pipe) or
// whose reading would never end (a device), and for a folder.
std::FILE* OpenRegularFile(const std::string& path, const char* mode);

// Creates one folder level; an existing folder counts as success.
bool MakeFolder(const std::string& path);

// Names (not paths) of the regular files in folder, sorted ASCII
// case-insensitively, ties by bytes. Nothing when the folder cannot be read.
std::vector<std::string> ListRegularFiles(const std::string& folder);

// Writes the bytes to "<file>.tmp", flushes them to disk and renames the
// result over the file, where file is what path names after its symbolic
// links, and an existing file keeps its permissions. On any failure the file
// is left as it was and no temporary file remains.
bool ReplaceFileContents(const std::string& path, const void* data, size_t n);

// Milliseconds since the first call; never goes backwards.
int64_t MonotonicMilliseconds();

// The current local time.
std::tm LocalTimeNow();

using MessageBoxHandler = void (*)(const char* text, const char* caption);

// The window layer installs a handler that shows a real message box; null removes it.
void SetMessageBoxHandler(MessageBoxHandler handler);

// Prints the message to stderr and shows it through the handler, if one is set.
void ShowSystemMessage(const char* text, const char* caption);
