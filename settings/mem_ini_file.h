#pragma once
// An ini file held in memory: sections of name=value lines, parsed from and
// rendered to a list of lines. Nothing reaches a disk from here; the class
// that owns a file name decides when to write (see TSafeIniFile).
//
// Parse rules (SetStrings), on each line trimmed of blanks:
//  - empty lines and lines starting with ";" are skipped;
//  - "[name]" starts section `name` (trimmed); a repeated section name
//    continues the first section of that name, so a hand-edited file with a
//    section split in two keeps all of its keys in one place after a save;
//  - other lines belong to the current section, split at the first "=" with
//    blanks around name and value removed; a line without "=" is kept as it
//    is (it is written back but gives no value);
//  - lines before the first section are dropped.
// Names compare without regard to ASCII case. With a key given twice, reads
// and writes use the first; the others are kept and written back.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/custom_ini_file.h"

class MemIniFile : public CustomIniFile {
public:
    void Clear();
    void SetStrings(const std::vector<std::wstring>& lines);
    // "[name]", the section's lines, and an empty line between sections.
    [[nodiscard]] std::vector<std::wstring> GetStrings() const;

    [[nodiscard]] std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                          std::wstring_view fallback) const override;
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
    void ReadSection(std::wstring_view section, std::vector<std::wstring>& keys) const override;
    void ReadSections(std::vector<std::wstring>& sections) const override;
    void ReadSectionValues(std::wstring_view section, std::vector<std::wstring>& lines) const override;
    void EraseSection(std::wstring_view section) override;
    void DeleteKey(std::wstring_view section, std::wstring_view key) override;
    // No file of its own: writing back is the owner's business.
    void UpdateFile() override {}

private:
    struct Section {
        std::wstring name;
        std::vector<std::wstring> lines;
    };

    [[nodiscard]] const Section* Find(std::wstring_view name) const;
    Section& FindOrAdd(std::wstring_view name);

    std::vector<Section> sections_;
    std::unordered_map<std::wstring, std::size_t> index_;  // folded name -> position in sections_
};
