#include "tests/wine/frequent_fixture.h"

#include <shlobj.h>

#include <atomic>

#include "catalogue/shortcuts.h"
#include "platform/unique_handle.h"
#include "tests/harness/files.h"
#include "tests/harness/paths.h"

namespace {

constexpr wchar_t kTestRoot[] = L"Software\\DravixTest";

void MakeFolders(const std::wstring& folder) { ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr); }

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

}  // namespace

FrequentScratch::FrequentScratch() {
    static std::atomic<unsigned> counter{0};
    folder_ = MakeScratchFolder();
    if (folder_.empty()) return;
    testKey_ = std::wstring(kTestRoot) + L"\\Frequent-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
               std::to_wstring(counter++);
    locations_.UserAssistRoot = HKEY_CURRENT_USER;
    locations_.UserAssistKey = testKey_ + L"\\Count";
    locations_.UserDataFileName = folder_ + L"\\Data\\UserData.ini";
    locations_.Roots = KnownFolderRoots{folder_ + L"\\Roaming", folder_ + L"\\Common", folder_ + L"\\Local"};
    MakeFolders(ProgramsFolder());
    MakeFolders(folder_ + L"\\Apps");
    UniqueHkey key;
    ready_ = ::RegCreateKeyExW(HKEY_CURRENT_USER, locations_.UserAssistKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                               nullptr, key.put(), nullptr) == ERROR_SUCCESS;
}

FrequentScratch::~FrequentScratch() {
    if (!testKey_.empty()) {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, testKey_.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestRoot);  // only when no other test still uses it
    }
    RemoveFolder(folder_);
}

std::wstring FrequentScratch::ProgramsFolder() const {
    return folder_ + L"\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\";
}

GeneratedProgram FrequentScratch::MakeProgram(const std::wstring& relativeShortcut, const std::wstring& targetName) {
    GeneratedProgram program{folder_ + L"\\Apps\\" + targetName, ProgramsFolder() + relativeShortcut + L".lnk"};
    MakeFile(program.Target);
    MakeFolders(FolderOf(program.Shortcut));
    CreateShortcut(program.Target, L"", program.Shortcut, L"");
    return program;
}

void FrequentScratch::MakeFile(const std::wstring& path, std::string_view bytes) {
    MakeFolders(FolderOf(path));
    WriteBytes(path, bytes);
}

void FrequentScratch::SetValue(const std::wstring& encodedName, const std::string& data) {
    UniqueHkey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, locations_.UserAssistKey.c_str(), 0, KEY_SET_VALUE, key.put()) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExW(key.get(), encodedName.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
}

std::vector<std::wstring> FrequentScratch::ValueNames() const {
    std::vector<std::wstring> names;
    UniqueHkey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, locations_.UserAssistKey.c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
        ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD length = 16384;
        if (::RegEnumValueW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

std::string UserAssistData(const FILETIME& lastRun, size_t length) {
    std::string data(length, '\xA5');
    const std::uint64_t value = (static_cast<std::uint64_t>(lastRun.dwHighDateTime) << 32) | lastRun.dwLowDateTime;
    for (size_t i = 0; i < 8 && 60 + i < length; ++i) data[60 + i] = static_cast<char>(value >> (8 * i));
    return data;
}

FILETIME FileTimeOfLocal(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(year);
    local.wMonth = static_cast<WORD>(month);
    local.wDay = static_cast<WORD>(day);
    local.wHour = static_cast<WORD>(hour);
    local.wMinute = static_cast<WORD>(minute);
    local.wSecond = static_cast<WORD>(second);
    FILETIME localTime{}, utc{};
    ::SystemTimeToFileTime(&local, &localTime);
    ::LocalFileTimeToFileTime(&localTime, &utc);
    return utc;
}

std::string ReadBytes(const std::wstring& path) {
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file.get(), &size);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}
