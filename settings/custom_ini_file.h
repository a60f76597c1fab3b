#pragma once
// The common face of the ini classes: string operations are each class's own;
// the typed ones are built on them here, so every class reads and writes
// integers the same way.

#include <string>
#include <string_view>
#include <vector>

class CustomIniFile {
public:
    virtual ~CustomIniFile() = default;

    [[nodiscard]] virtual std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                                  std::wstring_view fallback) const = 0;
    virtual void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;
    // The key names of a section; `keys` is cleared first.
    virtual void ReadSection(std::wstring_view section, std::vector<std::wstring>& keys) const = 0;
    virtual void ReadSections(std::vector<std::wstring>& sections) const = 0;
    // The section's lines as name=value; `lines` is cleared first.
    virtual void ReadSectionValues(std::wstring_view section, std::vector<std::wstring>& lines) const = 0;
    virtual void EraseSection(std::wstring_view section) = 0;
    virtual void DeleteKey(std::wstring_view section, std::wstring_view key) = 0;
    virtual void UpdateFile() = 0;

    // ParseIniInteger's rule: a value that is not a number gives `fallback`.
    [[nodiscard]] int ReadInteger(std::wstring_view section, std::wstring_view key, int fallback) const;
    void WriteInteger(std::wstring_view section, std::wstring_view key, int value);
    [[nodiscard]] bool SectionExists(std::wstring_view section) const;
    // Whether ReadSection lists the key, compared without regard to ASCII case.
    [[nodiscard]] bool ValueExists(std::wstring_view section, std::wstring_view key) const;

protected:
    // Copied and moved only as the whole derived object, never sliced.
    CustomIniFile() = default;
    CustomIniFile(const CustomIniFile&) = default;
    CustomIniFile(CustomIniFile&&) = default;
    CustomIniFile& operator=(const CustomIniFile&) = default;
    CustomIniFile& operator=(CustomIniFile&&) = default;
};
