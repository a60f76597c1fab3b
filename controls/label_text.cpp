#include "controls/label_text.h"

namespace {

bool IsDelimiter(wchar_t c) noexcept { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring ShortenWordByWord(std::wstring_view text, std::wstring_view ellipsis,
                               const std::function<bool(std::wstring_view)>& fits) {
    if (fits(text)) return std::wstring(text);
    std::wstring_view kept = text;
    while (!kept.empty()) {
        const std::size_t cut = kept.find_last_of(L" \t");
        kept = kept.substr(0, cut == std::wstring_view::npos ? kept.size() - 1 : cut);
        // The ellipsis follows the last word, not the blanks before the cut.
        while (!kept.empty() && IsDelimiter(kept.back())) kept.remove_suffix(1);
        if (kept.empty()) break;
        std::wstring candidate(kept);
        candidate += ellipsis;
        if (fits(candidate)) return candidate;
    }
    return std::wstring(ellipsis);
}

wchar_t AcceleratorChar(std::wstring_view caption) noexcept {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return caption[i + 1];
        ++i;  // "&&" is a literal ampersand
    }
    return 0;
}
