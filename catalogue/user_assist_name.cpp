#include "catalogue/user_assist_name.h"

#include <cstdint>
#include <vector>

#include "settings/ini_text.h"  // FoldName, SameName

namespace {

bool IsHexDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

bool HasControlCharacter(std::wstring_view text) {
    for (const wchar_t c : text) {
        if (static_cast<std::uint32_t>(c) < 0x20) return true;
    }
    return false;
}

// Explorer records its own shortcut like any other; the menu never lists it.
bool IsExplorerShortcut(std::wstring_view path) {
    return FoldName(path).find(L"windows explorer.lnk") != std::wstring::npos;
}

}  // namespace

bool IsKnownFolderRootName(std::wstring_view name) {
    const std::wstring folded = FoldName(name);
    return folded == L"appdata" || folded == L"common appdata" || folded == L"local appdata";
}

std::wstring Rot13(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(L'a' + (c - L'a' + 13) % 26);
        } else if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(L'A' + (c - L'A' + 13) % 26);
        }
    }
    return out;
}

bool IsWellFormedGuid(std::wstring_view text) {
    static constexpr std::wstring_view kShape = L"{hhhhhhhh-hhhh-hhhh-hhhh-hhhhhhhhhhhh}";
    if (text.size() != kShape.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (kShape[i] == L'h' ? !IsHexDigit(text[i]) : text[i] != kShape[i]) return false;
    }
    return true;
}

std::wstring DecodeUserAssistName(std::wstring_view valueName, const KnownFolderResolver& startMenuFolder) {
    const std::wstring decoded = Rot13(valueName);
    if (decoded.empty() || HasControlCharacter(decoded)) return {};

    std::wstring path;
    const size_t driveColon = decoded.find(L":\\");
    if (driveColon != std::wstring::npos) {
        if (driveColon == 0) return {};  // no drive letter before it
        path = decoded.substr(driveColon - 1);
    } else {
        const size_t separator = decoded.find(L'\\');
        const std::wstring_view prefix = std::wstring_view(decoded).substr(0, separator);
        if (!IsWellFormedGuid(prefix)) return {};
        const std::wstring folder = startMenuFolder ? startMenuFolder(prefix) : std::wstring();
        if (folder.empty()) return {};
        path = folder;
        if (separator != std::wstring::npos) path += decoded.substr(separator + 1);
    }
    return IsExplorerShortcut(path) ? std::wstring() : path;
}

std::wstring FolderDescriptionPath(std::wstring_view guid, const FolderDescriptionLookup& lookup) {
    if (!lookup) return {};
    // Walk up to the root first, remembering each step's RelativePath; a GUID
    // seen twice is a loop that would never reach a root.
    std::vector<std::wstring> visited;
    std::vector<std::wstring> relativePaths;
    std::wstring current(guid);
    for (int depth = 0;; ++depth) {
        if (depth >= kMaxFolderChain) return {};
        for (const std::wstring& seen : visited) {
            if (SameName(seen, current)) return {};
        }
        visited.push_back(current);
        const std::optional<FolderDescription> entry = lookup(current);
        if (!entry) return {};
        // The mapped roots end the walk even where they have a parent of
        // their own (roaming AppData lies in the profile folder).
        if (entry->ParentFolder.empty() || IsKnownFolderRootName(entry->Name)) {
            if (entry->Name.empty()) return {};
            std::wstring path = entry->Name;
            for (auto step = relativePaths.rbegin(); step != relativePaths.rend(); ++step) {
                path += L'\\';
                path += *step;
            }
            return path;
        }
        if (entry->RelativePath.empty()) return {};
        relativePaths.push_back(entry->RelativePath);
        current = entry->ParentFolder;
    }
}

std::wstring StartMenuFolderFromDescription(std::wstring_view descriptionPath, const KnownFolderRoots& roots) {
    if (descriptionPath.empty()) return {};
    const size_t separator = descriptionPath.find(L'\\');
    const std::wstring rootName = FoldName(descriptionPath.substr(0, separator));
    const std::wstring_view tail =
        separator == std::wstring_view::npos ? std::wstring_view() : descriptionPath.substr(separator);

    std::wstring folder;
    if (rootName == L"appdata") {
        folder = roots.AppData;
    } else if (rootName == L"common appdata") {
        folder = roots.CommonAppData;
    } else if (rootName == L"local appdata") {
        folder = roots.LocalAppData;
    }
    if (folder.empty()) return {};
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    folder += tail;
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    if (FoldName(folder).find(L"\\start menu\\") == std::wstring::npos) return {};
    return folder;
}

std::optional<std::uint64_t> UserAssistLastRunFileTime(std::string_view data) {
    if (data.size() < kUserAssistLastRunOffset + 8) return std::nullopt;
    std::uint64_t value = 0;
    for (size_t i = 0; i < 8; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(data[kUserAssistLastRunOffset + i])) << (8 * i);
    }
    return value;
}
