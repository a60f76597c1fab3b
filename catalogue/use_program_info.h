#pragma once
// One frequently used program, as the frequent list keeps it.

#include <memory>
#include <string>
#include <vector>

#include "catalogue/dos_date_time.h"  // DateTime

struct TUseProgramInfo {
    // The resolved executable; the identity of the entry (case-insensitive).
    std::wstring TargetPath;
    // What is started: the shortcut, or the path a UserData.ini line names
    // (which may be the executable itself).
    std::wstring LinkPath;
    // Latest start found in any source; 0 when none.
    DateTime LastRun = 0;
    // Shell display name of the source path merged last.
    std::wstring DisplayName;
    // The encoded registry value name when the entry came from UserAssist.
    std::wstring UserAssistValueName;
    // System image list index of LinkPath (large icon); -1 before a lookup.
    int IconIndex = -1;
};

// Records are held by pointer so that tree nodes can point at them while the
// list grows.
using UseProgramList = std::vector<std::unique_ptr<TUseProgramInfo>>;
