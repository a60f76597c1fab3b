#pragma once
// The name the start menu shows for the user.

#include <string>

// The account's full name from WMI, or the login name when WMI gives none
// (or fails). Never fails. Initialises COM on the calling thread if needed.
[[nodiscard]] std::wstring GetUserDisplayName();

// The login name of the user running this process ("" if the system refuses).
[[nodiscard]] std::wstring GetLoginName();
