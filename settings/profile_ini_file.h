#pragma once
// Ini files read and written on disk through the system's profile functions:
// every read sees the file as it is at that moment, in UTF-16 or ANSI.

#include <string>

#include "settings/custom_ini_file.h"

// The plain disk-based ini file. Reading creates nothing; a write that the
// system refuses throws std::system_error.
class ProfileIniFile : public CustomIniFile {
public:
    explicit ProfileIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}

    [[nodiscard]] const std::wstring& FileName() const { return fileName_; }

    [[nodiscard]] std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                          std::wstring_view fallback) const override;
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
    void ReadSection(std::wstring_view section, std::vector<std::wstring>& keys) const override;
    void ReadSections(std::vector<std::wstring>& sections) const override;
    void ReadSectionValues(std::wstring_view section, std::vector<std::wstring>& lines) const override;
    void EraseSection(std::wstring_view section) override;
    void DeleteKey(std::wstring_view section, std::wstring_view key) override;
    // Asks the system to write out anything it still holds for the file.
    void UpdateFile() override;

private:
    std::wstring fileName_;
};

// The program's own disk-based ini file: it makes sure the data folder exists
// and the file is writable before use, and its writes never throw.
class TIniFile : public ProfileIniFile {
public:
    explicit TIniFile(std::wstring fileName);

    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
};
