#include "catalogue/pinned_rules.h"

#include <algorithm>
#include <cstdint>

PinnedListFit FitPinnedList(std::size_t entries, int top, int bottomLimit) {
    PinnedListFit fit;
    if (entries > 0) {
        const long long room = static_cast<long long>(bottomLimit) - top - 4;
        const long long rowsThatFit = room > 0 ? room / kPinnedRowHeight : 0;
        // Bounded so that the height stays an int whatever the arguments.
        constexpr std::size_t kMostRows = 1'000'000;
        const auto most = static_cast<long long>(std::min(entries, kMostRows));
        fit.shown = static_cast<std::size_t>(std::clamp<long long>(rowsThatFit, 1, most));
    }
    fit.height = static_cast<int>(fit.shown) * kPinnedRowHeight + 2;
    return fit;
}

void SortPinnedNewestFirst(std::vector<std::unique_ptr<TUserPinedInfo>>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a->CreationTime > b->CreationTime; });
}

std::wstring PinnedShortcutFileName(std::wstring_view caption) {
    if (caption.empty()) return {};
    constexpr std::wstring_view kForbidden = L"\\/:*?\"<>|";
    std::wstring name(caption);
    for (wchar_t& c : name) {
        if (static_cast<std::uint32_t>(c) < 0x20 || kForbidden.find(c) != std::wstring_view::npos) c = L'_';
    }
    return name + L".lnk";
}
