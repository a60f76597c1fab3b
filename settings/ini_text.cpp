#include "settings/ini_text.h"

#include <cstdint>
#include <optional>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendCodePoint(std::wstring& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(cp));
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::wstring> DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            out.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, cp = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, cp = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, cp = lead & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i <= static_cast<size_t>(extra)) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || IsHighSurrogate(cp) || IsLowSurrogate(cp)) return std::nullopt;
        AppendCodePoint(out, cp);
        i += extra + 1;
    }
    return out;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    const size_t count = bytes.size() / 2;  // an odd last byte is no character
    std::wstring out;
    out.reserve(count);
    auto unitAt = [&](size_t index) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * index]);
        const auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
        return bigEndian ? (char32_t{first} << 8 | second) : (char32_t{second} << 8 | first);
    };
    for (size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i);
        if constexpr (sizeof(wchar_t) == 2) {
            // wchar_t is a UTF-16 unit: pass every unit through as Windows does.
            out.push_back(static_cast<wchar_t>(unit));
        } else if (IsHighSurrogate(unit) && i + 1 < count && IsLowSurrogate(unitAt(i + 1))) {
            AppendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            out.push_back(static_cast<wchar_t>(kReplacement));
        } else {
            out.push_back(static_cast<wchar_t>(unit));
        }
    }
    return out;
}

void AppendUtf16Le(std::string& out, char32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

}  // namespace

std::wstring DecodeWindows1252(std::string_view bytes) {
    static constexpr char16_t kHighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::wstring out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(byte >= 0x80 && byte < 0xA0 ? static_cast<wchar_t>(kHighControls[byte - 0x80])
                                                  : static_cast<wchar_t>(byte));
    }
    return out;
}

std::wstring DecodeText(std::string_view bytes, const AnsiDecoder& ansi) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        if (auto text = DecodeUtf8(bytes.substr(3))) return std::move(*text);
        return ansi(bytes.substr(3));
    }
    if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
    return ansi(bytes);
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == L'\r' && start < text.size() && text[start] == L'\n') ++start;
    }
    return lines;
}

std::string EncodeUtf16LeWithBom(const std::vector<std::wstring>& lines) {
    std::string out = "\xFF\xFE";
    for (const std::wstring& line : lines) {
        for (const wchar_t c : line) {
            const auto cp = static_cast<char32_t>(c);
            if (sizeof(wchar_t) > 2 && cp >= 0x10000 && cp <= 0x10FFFF) {
                AppendUtf16Le(out, 0xD800 + ((cp - 0x10000) >> 10));
                AppendUtf16Le(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                AppendUtf16Le(out, cp > 0x10FFFF ? kReplacement : cp);
            }
        }
        out.append("\r\0\n\0", 4);
    }
    return out;
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<std::uint32_t>(text[first]) <= L' ') ++first;
    while (last > first && static_cast<std::uint32_t>(text[last - 1]) <= L' ') --last;
    return text.substr(first, last - first);
}

std::wstring FoldName(std::wstring_view name) {
    std::wstring folded(name);
    for (wchar_t& c : folded) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return folded;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i];
        wchar_t y = b[i];
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
        if (x != y) return false;
    }
    return true;
}

int ParseIniInteger(std::wstring_view text, int fallback) {
    size_t i = 0;
    while (i < text.size() && text[i] == L' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';

    int base = 10;
    if (i < text.size() && text[i] == L'$') {
        base = 16, ++i;
    } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
        base = 16, i += 2;
    }
    if (i == text.size()) return fallback;

    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const wchar_t c = text[i];
        int digit;
        if (c >= L'0' && c <= L'9') {
            digit = c - L'0';
        } else if (base == 16 && c >= L'a' && c <= L'f') {
            digit = c - L'a' + 10;
        } else if (base == 16 && c >= L'A' && c <= L'F') {
            digit = c - L'A' + 10;
        } else {
            return fallback;
        }
        value = value * base + digit;
        if (value > limit) return fallback;
    }
    // Two's complement on 32 bits: hexadecimal wraps, decimal stays in range.
    const auto bits = static_cast<std::uint32_t>(negative ? 0u - value : value);
    return static_cast<int>(bits);
}

std::wstring DataFolderFor(std::wstring_view userProfile) {
    std::wstring folder(TrimBlanks(userProfile));
    if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
    folder += L"AppData\\LocalLow\\Kavor\\Dravix\\";
    return folder;
}
