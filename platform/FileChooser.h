// The desktop's own dialog for opening a file: zenity (GTK desktops), else
// kdialog (KDE), run as a child process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FileFilter {
    std::string name;     // shown to the user
    std::string pattern;  // a glob such as "*.dat"
};

struct OpenFileRequest {
    std::vector<FileFilter> filters;  // in order; the first is selected
    std::string defaultExtension;     // without the dot
};

enum class FileChoice { Chosen, NotChosen, NoChooser };

// Shows the chooser and waits for it. Chosen only for an existing regular
// file, with its full path in path; a name without an extension that does
// not exist gets the default extension, as typed names do. Otherwise path is
// empty.
FileChoice ChooseFileToOpen(const OpenFileRequest& request, std::string* path);

// The X window the chooser is kept above; 0 for none. The window layer sets
// it while its window exists.
void SetFileChooserOwner(uint64_t x11Window);
