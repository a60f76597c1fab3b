#include "catalogue/file_time_stamp.h"

#include <windows.h>

#include "platform/unique_handle.h"

DateTime GetFileTimeStamp(const std::wstring& path, int kind) {
    WIN32_FIND_DATAW found{};
    const UniqueFindHandle find(::FindFirstFileW(path.c_str(), &found));
    if (!find) return 0;
    const FILETIME& time = kind == kCreationTime    ? found.ftCreationTime
                           : kind == kLastWriteTime ? found.ftLastWriteTime
                                                    : found.ftLastAccessTime;
    FILETIME local{};
    WORD dosDate = 0, dosTime = 0;
    // Times outside the DOS range (before 1980) cannot be expressed: 0 as for a missing file.
    if (!::FileTimeToLocalFileTime(&time, &local) || !::FileTimeToDosDateTime(&local, &dosDate, &dosTime)) return 0;
    return DosDateTimeToDateTime(dosDate, dosTime);
}
