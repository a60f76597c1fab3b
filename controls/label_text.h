#pragma once
// Text rules of the labels that need no device context: shortening a
// wrapped caption word by word, and finding its accelerator character.
// Measuring is the caller's: it passes a test that says whether a text fits.

#include <functional>
#include <string>
#include <string_view>

inline constexpr std::wstring_view kLabelEllipsis = L"...";

// `text` itself when it fits; otherwise the longest prefix obtained by
// cutting at the last blank or tab (or, inside one long word, the last
// character) followed by `ellipsis` that fits. When nothing fits, the
// ellipsis alone: the label still shows that text was cut.
[[nodiscard]] std::wstring ShortenWordByWord(std::wstring_view text, std::wstring_view ellipsis,
                                             const std::function<bool(std::wstring_view)>& fits);

// The character after the first single "&" ("&&" shows one "&"), or 0 when
// the caption marks none.
[[nodiscard]] wchar_t AcceleratorChar(std::wstring_view caption) noexcept;
