#include "settings/ext_ini_file.h"
#include "settings/text_file.h"

void TExtIniFile::LoadFromFile(const std::wstring& path) {
    SetStrings(LoadTextLines(path).value_or(std::vector<std::wstring>{}));
}
