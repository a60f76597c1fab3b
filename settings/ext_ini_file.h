#pragma once
// The read-only in-memory ini parser of the language files. Unlike MemIniFile
// a repeated section header makes a second section of that name (lookups find
// the first), and it never writes to disk.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/custom_ini_file.h"

class TExtIniFile : public CustomIniFile {
public:
    struct Section {
        std::wstring name;
        std::vector<std::wstring> lines;
    };

    // Section names compare without regard to ASCII case unless set otherwise;
    // a section added later takes the setting it finds.
    [[nodiscard]] bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);

    // The new section stays where it is until it is erased or cleared.
    Section& AddSection(std::wstring_view name);
    void Clear();
#ifdef _WIN32
    // The file's text as TSafeIniFile loads it, then SetStrings. A file that
    // cannot be read leaves the parser empty.
    void LoadFromFile(const std::wstring& path);
#endif
    void SetStrings(const std::vector<std::wstring>& lines);

    // The line of the first matching key from position length(key)+2 on.
    [[nodiscard]] std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                          std::wstring_view fallback) const override;
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
    // A line without "=" is listed with an empty name.
    void ReadSection(std::wstring_view section, std::vector<std::wstring>& keys) const override;
    void ReadSections(std::vector<std::wstring>& sections) const override;
    void ReadSectionValues(std::wstring_view section, std::vector<std::wstring>& lines) const override;
    void EraseSection(std::wstring_view section) override;
    void DeleteKey(std::wstring_view section, std::wstring_view key) override;
    // Language files are never written.
    void UpdateFile() override {}

private:
    [[nodiscard]] std::wstring KeyOf(std::wstring_view name) const;
    [[nodiscard]] const Section* Find(std::wstring_view name) const;
    [[nodiscard]] Section* Find(std::wstring_view name);
    void Reindex();

    bool caseSensitive_ = false;
    std::vector<std::unique_ptr<Section>> sections_;
    std::unordered_map<std::wstring, std::size_t> first_;  // name key -> first section of that name
};
