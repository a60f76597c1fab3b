#include "catalogue/use_program_manage.h"

#include <algorithm>
#include <map>
#include <vector>

#include "catalogue/file_names.h"
#include "catalogue/shell_info.h"
#include "catalogue/shortcuts.h"
#include "catalogue/user_data_lines.h"
#include "catalogue/wow64.h"
#include "platform/debug_output.h"
#include "platform/unique_handle.h"
#include "settings/data_folder.h"
#include "settings/ini_text.h"
#include "settings/special_paths.h"
#include "settings/text_file.h"

namespace {

// Both registry views hold the same descriptions and usage records; the
// 64-bit one is what Explorer itself reads.
constexpr REGSAM kView = KEY_WOW64_64KEY;

std::optional<std::wstring> ReadRegistryString(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    // The stored string need not end in a terminator, or may end in several.
    text.resize(size / sizeof(wchar_t));
    const size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
}

// The shortcut's target, trimmed; "" when it has none or the shell cannot say.
std::wstring ResolvedTarget(const std::wstring& path) {
    try {
        return std::wstring(TrimBlanks(ResolveShortcut(path)));
    } catch (...) {
        return {};
    }
}

// The last start a UserAssist value records, in local time to the 2 seconds
// of a DOS time (as file times are shown); 0 when it has none.
DateTime UserAssistLastRun(std::string_view data) {
    const std::optional<std::uint64_t> raw = UserAssistLastRunFileTime(data);
    if (!raw) return 0;
    FILETIME utc{static_cast<DWORD>(*raw), static_cast<DWORD>(*raw >> 32)};
    FILETIME local{};
    WORD dosDate = 0, dosTime = 0;
    if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToDosDateTime(&local, &dosDate, &dosTime)) return 0;
    return DosDateTimeToDateTime(dosDate, dosTime);
}

CivilTime LocalTimeNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

enum class UsageFile { Missing, Read, Unreadable };

// Reads UserData.ini. A file that exists but cannot be read is not treated as
// missing: rewriting it from nothing would lose its lines.
UsageFile ReadUsageLines(const std::wstring& fileName, std::vector<std::wstring>& lines) {
    if (::GetFileAttributesW(fileName.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? UsageFile::Missing
                                                                                : UsageFile::Unreadable;
    }
    const std::optional<std::string> bytes = ReadFileBytes(fileName);
    if (!bytes) return UsageFile::Unreadable;
    lines = DecodeUsageFile(*bytes, DecodeAnsi);
    return UsageFile::Read;
}

int WorkAreaHeight() {
    RECT area{};
    if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return area.bottom - area.top;
    return ::GetSystemMetrics(SM_CYSCREEN);
}

}  // namespace

TUseProgramManage::TUseProgramManage() : TUseProgramManage(UseProgramLocations{}) {}

TUseProgramManage::TUseProgramManage(UseProgramLocations locations) : locations_(std::move(locations)) {
    if (locations_.UserDataFileName.empty()) locations_.UserDataFileName = GetDataFolder() + L"UserData.ini";
    roots_ = locations_.Roots;
}

const KnownFolderRoots& TUseProgramManage::Roots() const {
    if (!roots_) {
        const TAppFrame frame;
        roots_ = KnownFolderRoots{frame.AppDataPath, frame.CommonAppDataPath, frame.GetPath(13)};
    }
    return *roots_;
}

std::wstring TUseProgramManage::GetFolderDescriptionPath(std::wstring_view guid) const {
    const auto lookup = [this](std::wstring_view id) -> std::optional<FolderDescription> {
        const std::wstring keyName = locations_.FolderDescriptionsKey + L"\\" + std::wstring(id);
        UniqueHkey key;
        if (::RegOpenKeyExW(locations_.FolderDescriptionsRoot, keyName.c_str(), 0, KEY_QUERY_VALUE | kView,
                            key.put()) != ERROR_SUCCESS)
            return std::nullopt;
        FolderDescription entry;
        entry.ParentFolder = ReadRegistryString(key.get(), L"ParentFolder").value_or(L"");
        entry.RelativePath = ReadRegistryString(key.get(), L"RelativePath").value_or(L"");
        entry.Name = ReadRegistryString(key.get(), L"Name").value_or(L"");
        return entry;
    };
    return FolderDescriptionPath(guid, lookup);
}

std::wstring TUseProgramManage::KnownFolderToStartMenuPath(std::wstring_view guid) const {
    return StartMenuFolderFromDescription(GetFolderDescriptionPath(guid), Roots());
}

std::wstring TUseProgramManage::DecodeUserAssistName(std::wstring_view valueName) const {
    return ::DecodeUserAssistName(valueName, [this](std::wstring_view guid) { return KnownFolderToStartMenuPath(guid); });
}

void TUseProgramManage::Merge(const std::wstring& linkPath, const std::wstring& targetPath, DateTime lastRun,
                              std::wstring_view valueName) {
    const MergeResult merged = MergeSighting(items_, linkPath, targetPath, lastRun, valueName);
    if (merged.Created) merged.Record->IconIndex = GetSystemIconIndex(linkPath, true, false);
    merged.Record->DisplayName = GetShellDisplayName(linkPath);
}

void TUseProgramManage::LoadFrequentPrograms() {
    Clear();
    const ScopedWow64RedirectionOff redirection;

    UniqueHkey key;
    if (::RegOpenKeyExW(locations_.UserAssistRoot, locations_.UserAssistKey.c_str(), 0, KEY_QUERY_VALUE | kView,
                        key.put()) == ERROR_SUCCESS) {
        DWORD longestName = 0, largestData = 0;
        if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                               &largestData, nullptr, nullptr) != ERROR_SUCCESS) {
            longestName = 16383;  // the longest value name the registry allows
            largestData = 0;
        }
        std::vector<wchar_t> name(longestName + 1);
        std::string data(largestData, '\0');
        // Most values name the same few known folders.
        std::map<std::wstring, std::wstring> folderOfGuid;
        const auto startMenuFolder = [&](std::wstring_view guid) {
            const auto [found, added] = folderOfGuid.try_emplace(FoldName(guid));
            if (added) found->second = KnownFolderToStartMenuPath(guid);
            return found->second;
        };

        for (DWORD index = 0;; ++index) {
            DWORD nameLength = 0, dataSize = 0;
            LONG status = ERROR_MORE_DATA;
            // A value written while we enumerate may outgrow the buffers.
            for (int attempt = 0; attempt < 3 && status == ERROR_MORE_DATA; ++attempt) {
                nameLength = static_cast<DWORD>(name.size());
                dataSize = static_cast<DWORD>(data.size());
                status = ::RegEnumValueW(key.get(), index, name.data(), &nameLength, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(data.data()), &dataSize);
                if (status == ERROR_MORE_DATA) {
                    name.resize(16384);
                    data.resize(std::max<size_t>(dataSize, data.size() * 2 + 64));
                }
            }
            if (status == ERROR_NO_MORE_ITEMS) break;
            if (status != ERROR_SUCCESS) continue;

            const std::wstring valueName(name.data(), nameLength);
            const std::wstring path = ::DecodeUserAssistName(valueName, startMenuFolder);
            if (path.empty() || !FileExists(path)) continue;
            // An executable recorded directly has no shortcut to resolve: skipped.
            const std::wstring target = ResolvedTarget(path);
            if (target.empty() || !FileExists(target) || !IsExecutableFile(target)) continue;
            Merge(path, target, UserAssistLastRun(std::string_view(data.data(), dataSize)), valueName);
        }
    }

    LoadUserFastSoftware();
    SortByLastRun(items_);
}

void TUseProgramManage::LoadUserFastSoftware() {
    const ScopedWow64RedirectionOff redirection;
    std::vector<std::wstring> lines;
    if (ReadUsageLines(locations_.UserDataFileName, lines) != UsageFile::Read) return;
    for (const UsageLine& line : DistinctUsagePaths(lines)) {
        if (!FileExists(line.Path)) continue;
        DebugOut(L"LoadUserFastSoftware: " + line.Path);
        const std::wstring target = IsExecutableFile(line.Path) ? line.Path : ResolvedTarget(line.Path);
        if (target.empty() || !FileExists(target) || !IsExecutableFile(target)) continue;
        Merge(line.Path, target, line.LastRun.value_or(0), L"");
    }
}

bool TUseProgramManage::RecordProgramStart(const std::wstring& path) {
    try {
        const std::wstring& fileName = locations_.UserDataFileName;
        PrepareFileForWrite(fileName);
        std::vector<std::wstring> lines;
        if (ReadUsageLines(fileName, lines) == UsageFile::Unreadable) return false;
        if (!RecordStartInLines(lines, path, LocalTimeNow())) return false;
        return ReplaceFileContents(fileName, EncodeUtf16LeWithBom(lines));
    } catch (...) {
        // Out of memory on a huge file: the file stays as it was.
        return false;
    }
}

void TUseProgramManage::AddProgram(const std::wstring& shortcutPath) {
    const ScopedWow64RedirectionOff redirection;
    const std::wstring target = ResolvedTarget(shortcutPath);
    if (target.empty() || !FileExists(target) || !IsExecutableFile(target) || FindByTarget(target)) return;
    auto record = std::make_unique<TUseProgramInfo>();
    record->LinkPath = shortcutPath;
    record->TargetPath = target;
    record->DisplayName = GetShellDisplayName(shortcutPath);
    record->IconIndex = GetSystemIconIndex(shortcutPath, true, false);
    items_.push_back(std::move(record));
}

bool TUseProgramManage::RemoveProgram(const TUseProgramInfo& record) {
    if (!record.UserAssistValueName.empty()) {
        UniqueHkey key;
        if (::RegOpenKeyExW(locations_.UserAssistRoot, locations_.UserAssistKey.c_str(), 0, KEY_SET_VALUE | kView,
                            key.put()) != ERROR_SUCCESS)
            return false;
        return ::RegDeleteValueW(key.get(), record.UserAssistValueName.c_str()) == ERROR_SUCCESS;
    }
    try {
        std::vector<std::wstring> lines;
        if (ReadUsageLines(locations_.UserDataFileName, lines) != UsageFile::Read) return false;
        if (RemoveUsageLines(lines, record.LinkPath) == 0) return false;
        return ReplaceFileContents(locations_.UserDataFileName, EncodeUtf16LeWithBom(lines));
    } catch (...) {
        return false;
    }
}

std::unique_ptr<TUseProgramInfo> TUseProgramManage::Remove(const TUseProgramInfo* record) {
    for (auto it = items_.begin(); it != items_.end(); ++it) {
        if (it->get() != record) continue;
        std::unique_ptr<TUseProgramInfo> taken = std::move(*it);
        items_.erase(it);
        return taken;
    }
    return nullptr;
}

TUseProgramInfo* TUseProgramManage::FindByTarget(std::wstring_view targetPath) const {
    return ::FindByTarget(items_, targetPath);
}

TUseProgramInfo* TUseProgramManage::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<size_t>(index)].get();
}

FrequentListPlan TUseProgramManage::GetUsuallySoftwareList(int top, bool reload, const PinnedTargetTest& isPinned) {
    if (reload) LoadFrequentPrograms();
    constexpr int kBottomMargin = 150;
    return PlanFrequentList(items_, isPinned, top, WorkAreaHeight() - kBottomMargin);
}

TUseProgramManage& UseProgramManage() {
    static TUseProgramManage manage;
    return manage;
}
