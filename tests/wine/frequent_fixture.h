#pragma once
// A frequent list over scratch places: UserAssist values under
// HKCU\Software\DravixTest, a generated Start Menu and UserData.ini in a
// scratch folder; the known folders resolve through the prefix's real
// FolderDescriptions.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/use_program_manage.h"

// A program of the generated Start Menu: its executable and its shortcut.
struct GeneratedProgram {
    std::wstring Target;
    std::wstring Shortcut;
};

class FrequentScratch {
public:
    FrequentScratch();
    FrequentScratch(const FrequentScratch&) = delete;
    FrequentScratch& operator=(const FrequentScratch&) = delete;
    ~FrequentScratch();

    [[nodiscard]] bool Ready() const { return ready_; }
    [[nodiscard]] const std::wstring& Folder() const { return folder_; }
    [[nodiscard]] const UseProgramLocations& Locations() const { return locations_; }
    // The user's Programs folder of the generated Start Menu, with a backslash.
    [[nodiscard]] std::wstring ProgramsFolder() const;
    [[nodiscard]] std::wstring UserDataFile() const { return locations_.UserDataFileName; }

    // An executable in Apps\ and a shortcut to it at Programs\<relative>.lnk.
    GeneratedProgram MakeProgram(const std::wstring& relativeShortcut, const std::wstring& targetName);
    // Any file (created with its folders).
    void MakeFile(const std::wstring& path, std::string_view bytes = "MZ");

    // A REG_BINARY value under the scratch Count key.
    void SetValue(const std::wstring& encodedName, const std::string& data);
    [[nodiscard]] std::vector<std::wstring> ValueNames() const;

private:
    std::wstring folder_;
    std::wstring testKey_;
    UseProgramLocations locations_;
    bool ready_ = false;
};

// 72 bytes of value data (filler), the last start at bytes 60-67 when the
// data is long enough.
[[nodiscard]] std::string UserAssistData(const FILETIME& lastRun, size_t length = 72);
// The UTC FILETIME of a local time, on an even second.
[[nodiscard]] FILETIME FileTimeOfLocal(int year, int month, int day, int hour, int minute, int second);
[[nodiscard]] std::string ReadBytes(const std::wstring& path);
