#include "settings/ext_ini_file.h"

#include "settings/ini_lines.h"
#include "settings/ini_text.h"

#include <utility>

void TExtIniFile::SetCaseSensitive(bool value) {
    caseSensitive_ = value;
    Reindex();
}

TExtIniFile::Section& TExtIniFile::AddSection(std::wstring_view name) {
    first_.emplace(KeyOf(name), sections_.size());
    sections_.push_back(std::make_unique<Section>(Section{std::wstring(name), {}}));
    return *sections_.back();
}

void TExtIniFile::Clear() {
    sections_.clear();
    first_.clear();
}

void TExtIniFile::SetStrings(const std::vector<std::wstring>& lines) {
    Clear();
    std::vector<std::wstring>* current = nullptr;
    for (const std::wstring& raw : lines) {
        const std::wstring_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == L';') continue;
        if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
            current = &AddSection(TrimBlanks(line.substr(1, line.size() - 2))).lines;
        } else if (current) {
            current->push_back(ini_lines::Normalise(line));
        }
    }
}

std::wstring TExtIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view fallback) const {
    if (const Section* found = Find(section)) {
        const long index = ini_lines::FindKey(found->lines, key);
        if (index >= 0) return ini_lines::ValueAfterKey(found->lines[static_cast<size_t>(index)], key);
    }
    return std::wstring(fallback);
}

void TExtIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    Section* found = Find(section);
    if (!found) found = &AddSection(section);
    ini_lines::SetKey(found->lines, key, value);
}

void TExtIniFile::ReadSection(std::wstring_view section, std::vector<std::wstring>& keys) const {
    keys.clear();
    if (const Section* found = Find(section)) ini_lines::Names(found->lines, keys);
}

void TExtIniFile::ReadSections(std::vector<std::wstring>& sections) const {
    sections.clear();
    for (const auto& section : sections_) sections.push_back(section->name);
}

void TExtIniFile::ReadSectionValues(std::wstring_view section, std::vector<std::wstring>& lines) const {
    lines.clear();
    if (const Section* found = Find(section)) lines = found->lines;
}

void TExtIniFile::EraseSection(std::wstring_view section) {
    const auto found = first_.find(KeyOf(section));
    if (found == first_.end()) return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    Reindex();
}

void TExtIniFile::DeleteKey(std::wstring_view section, std::wstring_view key) {
    if (Section* found = Find(section)) ini_lines::DeleteKey(found->lines, key);
}

std::wstring TExtIniFile::KeyOf(std::wstring_view name) const {
    return caseSensitive_ ? std::wstring(name) : FoldName(name);
}

const TExtIniFile::Section* TExtIniFile::Find(std::wstring_view name) const {
    const auto found = first_.find(KeyOf(name));
    return found == first_.end() ? nullptr : sections_[found->second].get();
}

TExtIniFile::Section* TExtIniFile::Find(std::wstring_view name) {
    return const_cast<Section*>(std::as_const(*this).Find(name));
}

void TExtIniFile::Reindex() {
    first_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) first_.emplace(KeyOf(sections_[i]->name), i);
}
