#include "settings/safe_ini_file.h"

#include "settings/data_folder.h"
#include "settings/ini_text.h"
#include "settings/text_file.h"

TSafeIniFile::TSafeIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {
    if (fileName_.empty()) return;
    LoadValues(fileName_);
    // A failed rewrite changes nothing on disk; the values are still in memory.
    static_cast<void>(SaveFile(fileName_));
}

void TSafeIniFile::LoadValues(const std::wstring& fileName) {
    if (!FileExists(fileName)) {
        Clear();
        loadFailed_ = false;
        return;
    }
    const auto lines = LoadTextLines(fileName);
    loadFailed_ = !lines;
    SetStrings(lines.value_or(std::vector<std::wstring>{}));
}

bool TSafeIniFile::SaveFile(const std::wstring& fileName) {
    if (loadFailed_ || fileName.empty()) return false;
    PrepareFileForWrite(fileName);
    return ReplaceFileContents(fileName, EncodeUtf16LeWithBom(GetStrings()));
}

void TSafeIniFile::UpdateFile() {
    if (!fileName_.empty()) static_cast<void>(SaveFile(fileName_));
}
