#include "catalogue/account_query.h"

std::wstring BuildAccountQuery(std::wstring_view loginName) {
    std::wstring query = L"Select * from Win32_Account where Name='";
    for (const wchar_t c : loginName) {
        // WQL string literals take a backslash escape before either character.
        if (c == L'\'' || c == L'\\') query += L'\\';
        query += c;
    }
    query += L'\'';
    return query;
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && text.front() <= L' ') text.remove_prefix(1);
    while (!text.empty() && text.back() <= L' ') text.remove_suffix(1);
    return text;
}

std::wstring ChooseUserDisplayName(std::wstring_view loginName,
                                   const std::vector<std::optional<std::wstring>>& fullNames) {
    for (const auto& fullName : fullNames) {
        if (!fullName) continue;
        const std::wstring_view trimmed = TrimBlanks(*fullName);
        if (!trimmed.empty()) return std::wstring(trimmed);
    }
    return std::wstring(loginName);
}
