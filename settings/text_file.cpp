#include "settings/text_file.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/unique_handle.h"
#include "settings/ini_text.h"

namespace {

// Settings and language files are a few kilobytes; anything near this size is
// not one of them and is refused instead of exhausting memory.
constexpr LONGLONG kLargestFile = 256LL * 1024 * 1024;

}  // namespace

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    // Shared for writing and deleting: the settings program may be rewriting
    // the file at the same moment, and reading must not get in its way.
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestFile) return std::nullopt;

    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(bytes.size() - done);
        if (!::ReadFile(file.get(), bytes.data() + done, wanted, &read, nullptr)) return std::nullopt;
        if (read == 0) break;  // the file shrank under us; take what is there
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

std::wstring DecodeAnsi(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return DecodeWindows1252(bytes);
    std::wstring text(static_cast<size_t>(needed), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), needed);
    return text;
}

std::optional<std::vector<std::wstring>> LoadTextLines(const std::wstring& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return SplitLines(DecodeText(*bytes, DecodeAnsi));
}

bool ReplaceFileContents(const std::wstring& path, std::string_view bytes) {
    const std::wstring temporary = path + L".tmp";
    // A temporary file left read-only by someone would block CREATE_ALWAYS.
    ::SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);

    bool written = false;
    {
        UniqueFileHandle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (!file) return false;
        written = true;
        size_t done = 0;
        while (written && done < bytes.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
            DWORD wrote = 0;
            written = ::WriteFile(file.get(), bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
            done += wrote;
        }
        written = written && ::FlushFileBuffers(file.get());
    }
    if (written && ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFileW(temporary.c_str());
    return false;
}
