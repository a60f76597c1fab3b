#pragma once
// Generated start menus for tests and benchmarks: the four start-menu roots
// below one scratch folder, stand-in program files, and real shortcuts to
// them made through the shell.

#include <string>

struct GeneratedStartMenu {
    std::wstring userStartMenu;     // <root>\User\Start Menu
    std::wstring userPrograms;      // <root>\User\Start Menu\Programs
    std::wstring commonStartMenu;   // <root>\Common\Start Menu
    std::wstring commonPrograms;    // <root>\Common\Start Menu\Programs
    std::wstring targets;           // <root>\Targets: stand-in programs
};

// Creates the roots (and the targets folder) below `root`.
GeneratedStartMenu MakeStartMenuFolders(const std::wstring& root);

// Creates every missing folder of `folder`.
void MakeFolders(const std::wstring& folder);

// Writes a small file, creating its folders first.
void WriteStandInFile(const std::wstring& path, const char* text = "MZ stand-in");

// A real shortcut to `target` (which need not exist), creating its folders.
// Throws std::system_error when the shell cannot write it.
void WriteShortcut(const std::wstring& shortcutPath, const std::wstring& target);

// `count` shortcuts to stand-in programs, alternately in the user's and the
// all-users Programs folder; every fifth lies in one of the folders
// "Suite 00", "Suite 01" ... (ten shortcuts per folder). Answers the number
// of top-level entries written (shortcuts and folders).
int GenerateShortcuts(const GeneratedStartMenu& menu, int count);
