// Files, paths, time stamps and logs. Every file name the game uses is
// relative to the program folder, never to the working directory. Stored
// names may use '\\' as a separator; it is read as '/'.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The folder of the executable, ending in '/'.
std::string GetProgramFolder();
// Program folder + name.
std::string ProgramFilePath(const std::string& name);
// Program folder + folder + '/' + name without its first character + suffix:
// ("#105", "SE", ".ogg") gives <program folder>SE/105.ogg.
std::string ComposeProgramPath(const char* name, const char* folder, const char* suffix);

// The folder part of path, up to and including its last separator.
std::string GetFolderOfPath(const std::string& path);
// File name and extension, without the folder.
std::string GetFileNameWithExt(const std::string& path);
// File name without folder and extension.
std::string GetFileNameNoExt(const std::string& path);
bool IsPathAbsolute(const std::string& path);

// True for an existing file or folder.
bool FileExists(const std::string& path);

// The readers and writers below open a path only when it names a regular file
// (OpenRegularFile): a pipe, a folder or a device in its place cannot be read
// or written, and never holds the game up.
// False, with out empty, on any failure and for a file longer than limit bytes.
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>* out, size_t limit = SIZE_MAX);
// Writes a temporary file beside path and renames it to path once complete:
// false, with nothing left behind and path as it was, when that fails.
bool WriteFileBytes(const std::string& path, const void* data, size_t n);
// Creates the file's folder (one level) and appends text; does nothing when
// the file cannot be opened.
void AppendTextFile(const std::string& path, const char* text);
// Appends text to a file relative to the program folder ("log\\d3d9.txt"),
// creating its folder first. An empty text empties the file. No line end is
// added. False when the file cannot be written.
bool AppendLog(const char* file, const char* text);
// The log of play events: starts, replays, lost ships.
inline constexpr char kEventsLog[] = "log\\events.txt";
// Something the player should know about a file the game could not use: one
// line on stderr and, where it can be written, in the events log.
void ReportFileProblem(const std::string& text);
// Appends the full paths of the regular files in folder, sorted by name.
void ListFilesInFolder(const std::string& folder, std::vector<std::string>* out);

// The local time as "%Y%m%d%H%M%S".
std::string FormatTimestamp();

void ShowMessage(const char* text, const char* caption);
// The desktop's file chooser for a replay file. True with the whole path of
// the existing file chosen; else out is empty and one line on stderr says why.
bool AskReplayFile(std::string& out);

// Helpers no part of the game calls.
// An absolute path unchanged, any other below the program folder.
std::string ResolveProgramPath(const std::string& path);
void GetProgramFolderString(std::string& out);
// The folder and file name of path without its extension, then ext.
std::string ReplaceExtension(const std::string& path, const char* ext);
// The local time in the 24 characters "Www Mmm dd hh:mm:ss yyyy".
void CurrentTimeText(std::string& out);
// The seconds of the local time.
int GetLocalSecond();
