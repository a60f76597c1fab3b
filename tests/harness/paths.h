#pragma once

#include <string>

// The program folder under test (Dravix.exe, Relaybus.dll, Language\ ...).
std::wstring ProgramFolder();
// The folder of the running test executable; tools such as the taskbar
// stand-in are built beside the tests.
std::wstring ToolsFolder();
// A new, empty folder for one test's files; removed by the caller.
std::wstring MakeScratchFolder();
// Deletes a folder and everything below it.
void RemoveFolder(const std::wstring& folder);
