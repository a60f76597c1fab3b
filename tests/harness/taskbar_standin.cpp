#include "tests/harness/taskbar_standin.h"

TaskbarStandIn::TaskbarStandIn(TaskbarEdge edge)
    : program_(ToolPath(L"TaskbarStandIn.exe"), TaskbarEdgeName(edge)) {
    tray_ = program_.WaitForWindow(L"Shell_TrayWnd");
    // The stand-in shows the tray only once its band exists: wait for that,
    // since the tray is found while it is still being created.
    if (!tray_ || !WaitForShown(tray_)) return;
    band_ = ::FindWindowExW(tray_, nullptr, L"ReBarWindow32", nullptr);
}

bool TaskbarStandIn::IsFoundFirst() const { return tray_ && ::FindWindowW(L"Shell_TrayWnd", nullptr) == tray_; }
