#pragma once
// 32-bit file-system redirection (System32 -> SysWOW64) of the calling thread.
// Scans of start-menu folders and program starts switch it off so that a
// 32-bit process sees and starts what a 64-bit Explorer would.

// Switches redirection off for this thread; the result is what
// RevertWow64Redirection needs to switch it back. Does nothing where the
// system has no redirection.
[[nodiscard]] void* DisableWow64Redirection();
void RevertWow64Redirection(void* savedState);

// True when this is a 32-bit process on 64-bit Windows.
[[nodiscard]] bool IsWow64();

// Redirection off for one scope of the calling thread.
class ScopedWow64RedirectionOff {
public:
    ScopedWow64RedirectionOff() : saved_(DisableWow64Redirection()) {}
    ScopedWow64RedirectionOff(const ScopedWow64RedirectionOff&) = delete;
    ScopedWow64RedirectionOff& operator=(const ScopedWow64RedirectionOff&) = delete;
    ~ScopedWow64RedirectionOff() { RevertWow64Redirection(saved_); }

private:
    void* saved_;
};
