#include "settings/mem_ini_file.h"

#include "settings/ini_lines.h"
#include "settings/ini_text.h"

void MemIniFile::Clear() {
    sections_.clear();
    index_.clear();
}

void MemIniFile::SetStrings(const std::vector<std::wstring>& lines) {
    Clear();
    Section* current = nullptr;
    for (const std::wstring& raw : lines) {
        const std::wstring_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == L';') continue;
        if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
            current = &FindOrAdd(TrimBlanks(line.substr(1, line.size() - 2)));
        } else if (current) {
            current->lines.push_back(ini_lines::Normalise(line));
        }
    }
}

std::vector<std::wstring> MemIniFile::GetStrings() const {
    std::vector<std::wstring> out;
    for (const Section& section : sections_) {
        if (!out.empty()) out.emplace_back();
        out.push_back(L"[" + section.name + L"]");
        out.insert(out.end(), section.lines.begin(), section.lines.end());
    }
    return out;
}

std::wstring MemIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                    std::wstring_view fallback) const {
    if (const Section* found = Find(section)) {
        const long index = ini_lines::FindKey(found->lines, key);
        if (index >= 0) return ini_lines::ValueAfterKey(found->lines[static_cast<size_t>(index)], key);
    }
    return std::wstring(fallback);
}

void MemIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    ini_lines::SetKey(FindOrAdd(section).lines, key, value);
}

void MemIniFile::ReadSection(std::wstring_view section, std::vector<std::wstring>& keys) const {
    keys.clear();
    if (const Section* found = Find(section)) ini_lines::Names(found->lines, keys);
}

void MemIniFile::ReadSections(std::vector<std::wstring>& sections) const {
    sections.clear();
    for (const Section& section : sections_) sections.push_back(section.name);
}

void MemIniFile::ReadSectionValues(std::wstring_view section, std::vector<std::wstring>& lines) const {
    lines.clear();
    if (const Section* found = Find(section)) lines = found->lines;
}

void MemIniFile::EraseSection(std::wstring_view section) {
    const auto found = index_.find(FoldName(section));
    if (found == index_.end()) return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    index_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) index_.emplace(FoldName(sections_[i].name), i);
}

void MemIniFile::DeleteKey(std::wstring_view section, std::wstring_view key) {
    const auto found = index_.find(FoldName(section));
    if (found != index_.end()) ini_lines::DeleteKey(sections_[found->second].lines, key);
}

const MemIniFile::Section* MemIniFile::Find(std::wstring_view name) const {
    const auto found = index_.find(FoldName(name));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

MemIniFile::Section& MemIniFile::FindOrAdd(std::wstring_view name) {
    const auto [position, added] = index_.emplace(FoldName(name), sections_.size());
    if (added) sections_.push_back({std::wstring(name), {}});
    return sections_[position->second];
}
