#pragma once
// The text side of looking up the user's full name through WMI: the query for
// one account and the choice among the names the query returns.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// WQL for the account with that login name. Quotes and backslashes in the
// name are escaped, so a name can neither end the string literal early nor
// widen the query to other accounts.
[[nodiscard]] std::wstring BuildAccountQuery(std::wstring_view loginName);

// The first FullName among the rows that is not blank after trimming (a row
// without the property counts as blank), else the login name.
[[nodiscard]] std::wstring ChooseUserDisplayName(std::wstring_view loginName,
                                                 const std::vector<std::optional<std::wstring>>& fullNames);
