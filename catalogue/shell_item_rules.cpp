#include "catalogue/shell_item_rules.h"

#include <algorithm>

#include "catalogue/file_names.h"

namespace {

// Reads a wide string as UTF-16 code units. Where wchar_t holds whole code
// points, those above U+FFFF become their surrogate pairs; where it holds
// UTF-16 already, every unit passes through unchanged.
class Utf16Units {
public:
    explicit Utf16Units(std::wstring_view text) : text_(text) {}

    bool Next(std::uint32_t& unit) {
        if (index_ >= text_.size()) return false;
        const auto c = static_cast<std::uint32_t>(text_[index_]);
        if (c <= 0xFFFF) {
            unit = c;
            ++index_;
        } else if (c > 0x10FFFF) {
            unit = 0xFFFD;
            ++index_;
        } else if (!lowHalfPending_) {
            unit = 0xD800 + ((c - 0x10000) >> 10);
            lowHalfPending_ = true;
        } else {
            unit = 0xDC00 + ((c - 0x10000) & 0x3FF);
            lowHalfPending_ = false;
            ++index_;
        }
        return true;
    }

private:
    std::wstring_view text_;
    std::size_t index_ = 0;
    bool lowHalfPending_ = false;
};

constexpr std::wstring_view kProgramFiles = L"Program Files";
constexpr std::wstring_view kProgramFilesX86 = L"Program Files (x86)";

std::wstring ReplaceAll(std::wstring_view text, std::wstring_view from, std::wstring_view to) {
    std::wstring result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::wstring_view::npos; found = text.find(from, start)) {
        result.append(text.substr(start, found - start)).append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}

}  // namespace

int CompareShellItemNames(std::wstring_view a, std::wstring_view b) {
    Utf16Units left(a), right(b);
    for (;;) {
        std::uint32_t l = 0, r = 0;
        const bool hasLeft = left.Next(l);
        const bool hasRight = right.Next(r);
        if (!hasLeft || !hasRight) return hasLeft ? 1 : hasRight ? -1 : 0;
        if (l != r) return l < r ? -1 : 1;
    }
}

int CompareShellItemNames(const TShellItem& a, const TShellItem& b) {
    return CompareShellItemNames(a.DisplayName, b.DisplayName);
}

void SortShellItems(std::vector<std::unique_ptr<TShellItem>>& items) {
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return CompareShellItemNames(*a, *b) < 0;
    });
}

FolderEntryUse ClassifyFolderEntry(std::wstring_view name, std::uint32_t attributes, bool includeFolders) {
    if (name.empty() || name.front() == L'.') return FolderEntryUse::Skip;
    if (attributes & (kFileAttributeHidden | kFileAttributeSystem)) return FolderEntryUse::Skip;
    if (attributes & kFileAttributeDirectory) return includeFolders ? FolderEntryUse::Folder : FolderEntryUse::Skip;
    return FolderEntryUse::File;
}

std::wstring FoldAsciiCase(std::wstring_view name) {
    std::wstring folded(name);
    for (wchar_t& c : folded) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return folded;
}

bool TNameList::Contains(std::wstring_view name) const { return keys_.contains(fold_(name)); }

bool TNameList::Add(std::wstring_view name) { return keys_.insert(fold_(name)).second; }

std::wstring ChooseShellItemPath(std::wstring_view shortcutPath, std::wstring_view target,
                                 const std::function<bool(const std::wstring&)>& fileExists) {
    if (target.find(kProgramFiles) == std::wstring_view::npos) return std::wstring(shortcutPath);
    std::wstring candidate(target);
    if (fileExists(candidate)) return candidate;
    candidate = ReplaceAll(target, kProgramFilesX86, kProgramFiles);
    if (candidate != target && fileExists(candidate)) return candidate;
    return std::wstring(shortcutPath);
}

std::wstring ShellItemCaption(std::wstring_view displayName) {
    const std::wstring_view extension = ExtractFileExt(displayName);
    return std::wstring(displayName.substr(0, displayName.size() - extension.size()));
}

std::unique_ptr<TShellItem> NewPlaceholderItem() {
    auto item = std::make_unique<TShellItem>();
    item->Kind = ShellItemKind::Placeholder;
    item->DisplayName = L"(None)";
    return item;
}
