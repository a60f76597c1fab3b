#pragma once
// A file's creation, last-write or last-access time as a date-time value.

#include <string>

#include "catalogue/dos_date_time.h"

inline constexpr int kCreationTime = 0;
inline constexpr int kLastWriteTime = 1;
// Any other kind means the last-access time.
inline constexpr int kLastAccessTime = 2;

// Local time, to the 2 seconds that DOS dates keep; 0 when the file is not found.
[[nodiscard]] DateTime GetFileTimeStamp(const std::wstring& path, int kind);
