#include "platform/FileChooser.h"

#include "platform/ChildProcess.h"
#include "platform/System.h"

namespace {

constexpr char kTitle[] = "Open";

uint64_t g_owner = 0;

std::vector<std::string> ZenityArguments(const std::string& program, const OpenFileRequest& request)
{
    std::vector<std::string> arguments{program, "--file-selection", std::string("--title=") + kTitle};
    for (const FileFilter& filter : request.filters)
        arguments.push_back("--file-filter=" + filter.name + " | " + filter.pattern);
    if (g_owner != 0)
        arguments.push_back("--attach=" + std::to_string(g_owner));
    return arguments;
}

// kdialog takes a start folder, then its filters as "patterns|name" lines.
std::vector<std::string> KdialogArguments(const std::string& program, const OpenFileRequest& request)
{
    std::string filters;
    for (const FileFilter& filter : request.filters)
        filters += (filters.empty() ? "" : "\n") + filter.pattern + "|" + filter.name;
    std::vector<std::string> arguments{program, "--title", kTitle, "--getopenfilename", ".", filters};
    if (g_owner != 0)
        arguments.insert(arguments.end(), {"--attach", std::to_string(g_owner)});
    return arguments;
}

// Empty when neither program is installed.
std::vector<std::string> ChooserArguments(const OpenFileRequest& request)
{
    if (const std::string zenity = FindProgramOnPath("zenity"); !zenity.empty())
        return ZenityArguments(zenity, request);
    if (const std::string kdialog = FindProgramOnPath("kdialog"); !kdialog.empty())
        return KdialogArguments(kdialog, request);
    return {};
}

bool HasExtension(const std::string& path)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

// The regular file the dialog's answer (one line) names; empty when none.
std::string ExistingFile(std::string answer, const std::string& defaultExtension)
{
    if (!answer.empty() && answer.back() == '\n')
        answer.pop_back();
    if (answer.empty() || IsRegularFile(answer))
        return answer;
    const std::string extended = answer + "." + defaultExtension;
    if (!defaultExtension.empty() && !HasExtension(answer) && IsRegularFile(extended))
        return extended;
    return "";
}

}  // namespace

FileChoice ChooseFileToOpen(const OpenFileRequest& request, std::string* path)
{
    path->clear();
    const std::vector<std::string> arguments = ChooserArguments(request);
    std::string answer;
    int exitCode = -1;
    if (arguments.empty() || !RunProgram(arguments, &answer, &exitCode))
        return FileChoice::NoChooser;
    if (exitCode == 0)
        *path = ExistingFile(answer, request.defaultExtension);
    return path->empty() ? FileChoice::NotChosen : FileChoice::Chosen;
}

void SetFileChooserOwner(uint64_t x11Window) { g_owner = x11Window; }
