#pragma once
// The rules of the pinned list that need no system call: its order, how many
// rows the pinned view shows and how high it is, and the shortcut file name a
// pinned caption gets.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/pinned_info.h"

inline constexpr int kPinnedRowHeight = 40;

struct PinnedListFit {
    std::size_t shown = 0;  // rows shown, from the start of the list
    int height = 0;         // the view's height in pixels
};

// The view starts `top` pixels below the pane and must end, with a 2-pixel
// margin below its 2-pixel frame, by `bottomLimit`. Rows that do not fit
// whole are left out, except the first, which is always shown. The view is
// rows x 40 + 2 high, so an empty list gives 2.
[[nodiscard]] PinnedListFit FitPinnedList(std::size_t entries, int top, int bottomLimit);

// Newest creation time first; equal times keep their order.
void SortPinnedNewestFirst(std::vector<std::unique_ptr<TUserPinedInfo>>& items);

// The shortcut's file name for a caption: the caption + ".lnk", with each
// character a file name cannot hold (\ / : * ? " < > | and control
// characters) replaced by "_", so that a caption never names another folder.
// "" for an empty caption.
[[nodiscard]] std::wstring PinnedShortcutFileName(std::wstring_view caption);
