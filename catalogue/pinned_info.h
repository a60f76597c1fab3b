#pragma once
// One pinned program: a shortcut lying directly in the pinned folder. The
// pinned-programs manager owns its records.

#include <string>

#include "catalogue/dos_date_time.h"

struct TUserPinedInfo {
    std::wstring LinkPath;     // the shortcut in the pinned folder; what is started
    std::wstring TargetPath;   // its resolved, trimmed target; the entry's identity
    std::wstring DisplayName;  // the shell's name of the shortcut
    DateTime CreationTime = 0; // the shortcut file's creation time; the sort key
    int IconIndex = -1;        // system image list index (large icon)
};
