#include "engine/FileUtil.h"

#include "engine/TextUtil.h"
#include "platform/FileChooser.h"
#include "platform/System.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::string WithSlashes(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

size_t NameStart(const std::string& path)
{
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

bool WriteText(const std::string& path, const char* mode, const char* text)
{
    std::FILE* file = OpenRegularFile(path, mode);
    if (!file)
        return false;
    const size_t length = std::strlen(text);
    const bool written = std::fwrite(text, 1, length, file) == length;
    return std::fclose(file) == 0 && written;
}

void PrintReport(const std::string& text) { std::fprintf(stderr, "vostrelle: %s\n", text.c_str()); }

}  // namespace

std::string GetProgramFolder()
{
    static const std::string folder = ExecutableFolder();
    return folder;
}

std::string ProgramFilePath(const std::string& name) { return GetProgramFolder() + WithSlashes(name); }

std::string ComposeProgramPath(const char* name, const char* folder, const char* suffix)
{
    return ProgramFilePath(std::string(folder) + '/' + CopyTail(name, 1) + suffix);
}

std::string GetFolderOfPath(const std::string& path) { return path.substr(0, NameStart(path)); }

std::string GetFileNameWithExt(const std::string& path) { return path.substr(NameStart(path)); }

std::string GetFileNameNoExt(const std::string& path)
{
    const std::string name = GetFileNameWithExt(path);
    return name.substr(0, name.rfind('.'));
}

bool IsPathAbsolute(const std::string& path) { return !path.empty() && path[0] == '/'; }

bool FileExists(const std::string& path) { return PathExists(path); }

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>* out, size_t limit)
{
    out->clear();
    std::FILE* file = OpenRegularFile(path, "rb");
    if (!file)
        return false;
    unsigned char block[65536];
    size_t count;
    while (out->size() <= limit && (count = std::fread(block, 1, sizeof block, file)) > 0)
        out->insert(out->end(), block, block + count);
    const bool ok = !std::ferror(file) && out->size() <= limit;
    std::fclose(file);
    if (!ok)
        out->clear();
    return ok;
}

bool WriteFileBytes(const std::string& path, const void* data, size_t n)
{
    return ReplaceFileContents(path, data, data == nullptr ? 0 : n);
}

void AppendTextFile(const std::string& path, const char* text)
{
    MakeFolder(GetFolderOfPath(path));
    WriteText(path, "a", text);
}

bool AppendLog(const char* file, const char* text)
{
    const std::string path = ProgramFilePath(file);
    MakeFolder(GetFolderOfPath(path));
    return WriteText(path, text[0] == '\0' ? "w" : "a", text);
}

void ReportFileProblem(const std::string& text)
{
    PrintReport(text);
    AppendLog(kEventsLog, (FormatTimestamp() + " -> " + text + "\n").c_str());
}

void ListFilesInFolder(const std::string& folder, std::vector<std::string>* out)
{
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    for (const std::string& name : ListRegularFiles(folder))
        out->push_back(prefix + name);
}

std::string FormatTimestamp()
{
    const std::tm local = LocalTimeNow();
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &local);
    return text;
}

void ShowMessage(const char* text, const char* caption) { ShowSystemMessage(text, caption); }

bool AskReplayFile(std::string& out)
{
    // "All files" means every name, with a dot or without; the glob for that is "*".
    const OpenFileRequest request{{{"リプレイファイル (*.dat)", "*.dat"}, {"All files (*.*)", "*"}}, "dat"};
    const FileChoice choice = ChooseFileToOpen(request, &out);
    if (choice == FileChoice::NoChooser)
        PrintReport("no file chooser to ask for a replay file (zenity or kdialog)");
    else if (choice == FileChoice::NotChosen)
        PrintReport("no replay file chosen");
    return choice == FileChoice::Chosen;
}

std::string ResolveProgramPath(const std::string& path)
{
    return IsPathAbsolute(path) ? path : ProgramFilePath(path);
}

void GetProgramFolderString(std::string& out) { out = GetProgramFolder(); }

std::string ReplaceExtension(const std::string& path, const char* ext)
{
    return GetFolderOfPath(path) + GetFileNameNoExt(path) + ext;
}

void CurrentTimeText(std::string& out)
{
    const std::tm local = LocalTimeNow();
    char text[32];
    std::strftime(text, sizeof text, "%a %b %e %H:%M:%S %Y", &local);
    out = text;
}

int GetLocalSecond() { return LocalTimeNow().tm_sec; }
