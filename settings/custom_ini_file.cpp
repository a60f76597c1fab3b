#include "settings/custom_ini_file.h"

#include "settings/ini_text.h"

int CustomIniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int fallback) const {
    return ParseIniInteger(ReadString(section, key, {}), fallback);
}

void CustomIniFile::WriteInteger(std::wstring_view section, std::wstring_view key, int value) {
    WriteString(section, key, std::to_wstring(value));
}

bool CustomIniFile::SectionExists(std::wstring_view section) const {
    std::vector<std::wstring> keys;
    ReadSection(section, keys);
    return !keys.empty();
}

bool CustomIniFile::ValueExists(std::wstring_view section, std::wstring_view key) const {
    std::vector<std::wstring> keys;
    ReadSection(section, keys);
    for (const std::wstring& name : keys) {
        if (SameName(name, key)) return true;
    }
    return false;
}
