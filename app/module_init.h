#pragma once
// Process-wide set-up that runs before the entry sequence makes any window.

#include <string>
#include <vector>

// Opts the process into system DPI awareness where the call exists (looked
// up at run time); any failure is ignored.
void EnableDpiAwareness();

// GDI+ for the whole process: started once, shut down at the end.
class GdiplusSession {
public:
    GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession();

    [[nodiscard]] bool Started() const noexcept { return token_ != 0; }

private:
    unsigned long long token_ = 0;
};

// File extensions of programs the lists show: ".exe" and ".lnk".
const std::vector<std::wstring>& ProgramExtensions();

// The logged-on user's login name, read once.
const std::wstring& LoginUserName();
