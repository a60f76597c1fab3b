#include "catalogue/account_query.h"

#include "settings/ini_text.h"

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

std::wstring ChooseUserDisplayName(std::wstring_view loginName,
                                   const std::vector<std::optional<std::wstring>>& fullNames) {
    for (const auto& fullName : fullNames) {
        if (!fullName) continue;
        const std::wstring_view trimmed = TrimBlanks(*fullName);
        if (!trimmed.empty()) return std::wstring(trimmed);
    }
    return std::wstring(loginName);
}
