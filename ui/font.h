#pragma once
// A font as the forms describe it: face, height in the logical units of the
// form (negative: character height), colour and style.

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

struct Font {
    std::wstring face = L"Tahoma";
    int height = -11;
    COLORREF color = ::GetSysColor(COLOR_WINDOWTEXT);
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const Font&) const = default;
};

[[nodiscard]] UniqueHfont CreateFontHandle(const Font& font);
