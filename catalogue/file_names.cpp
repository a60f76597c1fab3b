#include "catalogue/file_names.h"

namespace {

constexpr std::wstring_view kSeparators = L"\\/:";

constexpr wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

}  // namespace

std::wstring_view ExtractFileExt(std::wstring_view path) {
    const size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring_view::npos) return {};
    const size_t separator = path.find_last_of(kSeparators);
    if (separator != std::wstring_view::npos && separator > dot) return {};
    return path.substr(dot);
}

std::wstring_view ExtractFilePath(std::wstring_view path) {
    const size_t separator = path.find_last_of(kSeparators);
    return separator == std::wstring_view::npos ? std::wstring_view{} : path.substr(0, separator + 1);
}

std::wstring_view ExtractFileName(std::wstring_view path) {
    const size_t separator = path.find_last_of(kSeparators);
    return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

bool HasExtension(std::wstring_view path, std::wstring_view extension) {
    const std::wstring_view actual = ExtractFileExt(path);
    if (actual.size() != extension.size()) return false;
    for (size_t i = 0; i < actual.size(); ++i) {
        if (AsciiUpper(actual[i]) != AsciiUpper(extension[i])) return false;
    }
    return true;
}

bool IsExecutableFile(std::wstring_view path) { return HasExtension(path, L".exe"); }
