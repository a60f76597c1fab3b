#include "settings/profile_ini_file.h"

#include <windows.h>

#include <algorithm>
#include <system_error>

#include "settings/data_folder.h"

namespace {

// Values larger than this are not settings; reading stops growing the buffer.
constexpr DWORD kLargestRead = 16u * 1024 * 1024;

// Calls `read(buffer, size)` with a growing buffer until the answer fits.
// `truncatedAt` is how far below the size the system answers when it cut the
// text: one for a single string, two for a list of strings.
template <typename Read>
std::wstring ReadGrowing(Read read, DWORD truncatedAt) {
    std::wstring buffer;
    for (DWORD size = 1024;; size *= 2) {
        buffer.assign(size, L'\0');
        const DWORD length = read(buffer.data(), size);
        if (length + truncatedAt != size || size >= kLargestRead) {
            buffer.resize(std::min(length, size));
            return buffer;
        }
    }
}

std::vector<std::wstring> SplitNullSeparated(const std::wstring& list) {
    std::vector<std::wstring> items;
    size_t start = 0;
    while (start < list.size()) {
        const size_t end = list.find(L'\0', start);
        const size_t stop = end == std::wstring::npos ? list.size() : end;
        if (stop > start) items.push_back(list.substr(start, stop - start));
        start = stop + 1;
    }
    return items;
}

// The profile functions take terminated strings.
std::wstring Terminated(std::wstring_view text) { return std::wstring(text); }

// The folder and the file are made ready before the base class sees the name.
std::wstring Prepared(std::wstring fileName) {
    PrepareFileForWrite(fileName);
    return fileName;
}

void ThrowIfFailed(BOOL ok, const char* what) {
    if (!ok) throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

}  // namespace

std::wstring ProfileIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                        std::wstring_view fallback) const {
    const std::wstring s = Terminated(section), k = Terminated(key), d = Terminated(fallback);
    return ReadGrowing(
        [&](wchar_t* buffer, DWORD size) {
            return ::GetPrivateProfileStringW(s.c_str(), k.c_str(), d.c_str(), buffer, size, fileName_.c_str());
        },
        1);
}

void ProfileIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const std::wstring s = Terminated(section), k = Terminated(key), v = Terminated(value);
    ThrowIfFailed(::WritePrivateProfileStringW(s.c_str(), k.c_str(), v.c_str(), fileName_.c_str()),
                  "WritePrivateProfileString");
}

void ProfileIniFile::ReadSection(std::wstring_view section, std::vector<std::wstring>& keys) const {
    const std::wstring s = Terminated(section);
    keys = SplitNullSeparated(ReadGrowing(
        [&](wchar_t* buffer, DWORD size) {
            return ::GetPrivateProfileStringW(s.c_str(), nullptr, L"", buffer, size, fileName_.c_str());
        },
        2));
}

void ProfileIniFile::ReadSections(std::vector<std::wstring>& sections) const {
    sections = SplitNullSeparated(ReadGrowing(
        [&](wchar_t* buffer, DWORD size) {
            return ::GetPrivateProfileSectionNamesW(buffer, size, fileName_.c_str());
        },
        2));
}

void ProfileIniFile::ReadSectionValues(std::wstring_view section, std::vector<std::wstring>& lines) const {
    const std::wstring s = Terminated(section);
    lines = SplitNullSeparated(ReadGrowing(
        [&](wchar_t* buffer, DWORD size) {
            return ::GetPrivateProfileSectionW(s.c_str(), buffer, size, fileName_.c_str());
        },
        2));
}

void ProfileIniFile::EraseSection(std::wstring_view section) {
    const std::wstring s = Terminated(section);
    ThrowIfFailed(::WritePrivateProfileStringW(s.c_str(), nullptr, nullptr, fileName_.c_str()),
                  "WritePrivateProfileString");
}

void ProfileIniFile::DeleteKey(std::wstring_view section, std::wstring_view key) {
    const std::wstring s = Terminated(section), k = Terminated(key);
    // Deleting a key that is not there is no failure.
    ::WritePrivateProfileStringW(s.c_str(), k.c_str(), nullptr, fileName_.c_str());
}

void ProfileIniFile::UpdateFile() { ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, fileName_.c_str()); }

TIniFile::TIniFile(std::wstring fileName) : ProfileIniFile(Prepared(std::move(fileName))) {}

void TIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const std::wstring s = Terminated(section), k = Terminated(key), v = Terminated(value);
    ::WritePrivateProfileStringW(s.c_str(), k.c_str(), v.c_str(), FileName().c_str());
}
