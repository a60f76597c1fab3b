#include "catalogue/shell_info.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/unique_handle.h"

int GetSystemIconIndex(const std::wstring& path, bool large, bool open) {
    SHFILEINFOW info{};
    UINT flags = SHGFI_SYSICONINDEX | SHGFI_ICON;
    if (open) flags |= SHGFI_OPENICON;
    if (!large) flags |= SHGFI_SMALLICON;
    if (!::SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, flags)) return 0;
    // Only the index is kept; the icon the call hands out must not leak.
    const UniqueHicon icon(info.hIcon);
    return info.iIcon;
}

std::wstring GetShellDisplayName(const std::wstring& path) {
    SHFILEINFOW info{};
    ::SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME);
    return std::wstring(info.szDisplayName, ::wcsnlen(info.szDisplayName, MAX_PATH));
}
