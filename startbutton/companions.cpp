#include "startbutton/companions.h"

#include "catalogue/processes.h"
#include "channel/channel.h"
#include "startbutton/companion_interface.h"

void StopCompanions() {
    using namespace companion;
    SendChannelString(qorvit::kHookChannel, qorvit::kKillValue);
    for (const wchar_t* exe : {files::kCalibrixExe, files::kElevon32Exe, files::kElevon64Exe}) KillProcessByName(exe);
}
