#include "tests/wine/start_menu_generator.h"

#include <windows.h>

#include <cstring>
#include <set>
#include <stdexcept>

#include "catalogue/shortcuts.h"
#include "platform/unique_handle.h"

namespace {

std::wstring TwoDigits(int value) {
    std::wstring text = std::to_wstring(value);
    return text.size() < 2 ? L"0" + text : text;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

}  // namespace

void MakeFolders(const std::wstring& folder) {
    if (folder.empty() || ::GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    const std::size_t separator = folder.find_last_of(L'\\');
    if (separator != std::wstring::npos && separator > 2) MakeFolders(folder.substr(0, separator));
    if (!::CreateDirectoryW(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        throw std::runtime_error("cannot create a folder of the generated start menu");
}

GeneratedStartMenu MakeStartMenuFolders(const std::wstring& root) {
    GeneratedStartMenu menu;
    menu.userStartMenu = root + L"\\User\\Start Menu";
    menu.userPrograms = menu.userStartMenu + L"\\Programs";
    menu.commonStartMenu = root + L"\\Common\\Start Menu";
    menu.commonPrograms = menu.commonStartMenu + L"\\Programs";
    menu.targets = root + L"\\Targets";
    for (const std::wstring* folder : {&menu.userPrograms, &menu.commonPrograms, &menu.targets}) MakeFolders(*folder);
    return menu;
}

void WriteStandInFile(const std::wstring& path, const char* text) {
    MakeFolders(FolderOf(path));
    const UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw std::runtime_error("cannot write a file of the generated start menu");
    DWORD wrote = 0;
    ::WriteFile(file.get(), text, static_cast<DWORD>(std::strlen(text)), &wrote, nullptr);
}

void WriteShortcut(const std::wstring& shortcutPath, const std::wstring& target) {
    MakeFolders(FolderOf(shortcutPath));
    CreateShortcut(target, L"", shortcutPath, L"");
}

int GenerateShortcuts(const GeneratedStartMenu& menu, int count) {
    std::set<std::wstring> topLevel;
    for (int i = 0; i < count; ++i) {
        const std::wstring number = std::to_wstring(i);
        const std::wstring target = menu.targets + L"\\program" + std::to_wstring(i % 100) + L".exe";
        if (i < 100) WriteStandInFile(target);
        const std::wstring& programs = i % 2 == 0 ? menu.userPrograms : menu.commonPrograms;
        std::wstring entry = L"Program " + number + L".lnk";
        if (i % 5 == 4) {
            entry = L"Suite " + TwoDigits(i / 50);
            WriteShortcut(programs + L"\\" + entry + L"\\Program " + number + L".lnk", target);
        } else {
            WriteShortcut(programs + L"\\" + entry, target);
        }
        topLevel.insert(entry);
    }
    return static_cast<int>(topLevel.size());
}
