#pragma once
// One entry of the All Programs tree: a shortcut or other file, a folder, or
// the placeholder shown inside an empty folder. The tree node that shows the
// record owns it.

#include <cstdint>
#include <string>

enum class ShellItemKind : std::uint8_t {
    Placeholder = 0,  // no file behind it; clicking it does nothing
    File = 1,
    Folder = 2,
};

struct TShellItem {
    std::wstring DisplayName;  // the shell's name of the file or folder; the sort key
    int IconIndex = -1;        // system image list index; -1 until looked up
    ShellItemKind Kind = ShellItemKind::Placeholder;
    std::wstring FileName;  // the name inside its folder, with extension
    // A folder's full path, or the path a file entry starts (the shortcut
    // itself, or its target where that lies under "Program Files").
    std::wstring Path;
};
