#pragma once
// A program started for a test. Whatever happens in the test, the process
// (and any process it started, where the system supports job objects) is
// ended when this object goes away.

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/unique_handle.h"
#include "tests/harness/windows.h"

struct LaunchOptions {
    std::wstring arguments{};
    // Added to (or replacing in) the test's own environment.
    std::vector<std::pair<std::wstring, std::wstring>> environment{};
    std::wstring workingFolder{};  // empty: the program's own folder
};

class ProgramUnderTest {
public:
    // Starts `exePath`; check IsRunning() (or Pid() != 0) for success.
    explicit ProgramUnderTest(const std::wstring& exePath, const LaunchOptions& options = {});
    ProgramUnderTest(const std::wstring& exePath, const std::wstring& arguments)
        : ProgramUnderTest(exePath, LaunchOptions{.arguments = arguments}) {}
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;
    ~ProgramUnderTest();

    [[nodiscard]] DWORD Pid() const { return pid_; }
    [[nodiscard]] HANDLE Process() const { return process_.get(); }
    [[nodiscard]] bool IsRunning() const;

    // A top-level window of this process.
    HWND WaitForWindow(const wchar_t* className, const wchar_t* caption = nullptr,
                       DWORD timeoutMs = kDefaultWindowTimeoutMs) const;

    // The exit code once the process has ended, nullopt if it still runs.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = kDefaultWindowTimeoutMs) const;

    // Ends the process at once (and what it started) and waits for it.
    void End();

private:
    UniqueKernelHandle job_;
    UniqueKernelHandle process_;
    DWORD pid_ = 0;
};

// A program of the program folder, by file name ("Dravix.exe").
std::wstring ProgramPath(const std::wstring& fileName);
// A test tool built beside the tests ("TaskbarStandIn.exe").
std::wstring ToolPath(const std::wstring& fileName);
