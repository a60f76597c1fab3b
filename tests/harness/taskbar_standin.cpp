#include "tests/harness/taskbar_standin.h"

TaskbarStandIn::TaskbarStandIn(TaskbarEdge edge)
    : program_(ToolPath(L"TaskbarStandIn.exe"), TaskbarEdgeName(edge)) {
    tray_ = program_.WaitForWindow(L"Shell_TrayWnd");
    if (tray_) band_ = ::FindWindowExW(tray_, nullptr, L"ReBarWindow32", nullptr);
    // Shown without activation; wait until it is visible so callers see it placed.
    for (int i = 0; tray_ && !IsShown(tray_) && i < 250; ++i) ::Sleep(20);
}

bool TaskbarStandIn::IsFoundFirst() const { return tray_ && ::FindWindowW(L"Shell_TrayWnd", nullptr) == tray_; }
