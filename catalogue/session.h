#pragma once
// Logging off, restarting and shutting down Windows.

// Session commands by mode.
inline constexpr int kExitForce = 1;     // end the session, closing programs without asking
inline constexpr int kExitLogOff = 2;
inline constexpr int kExitPowerOff = 3;
inline constexpr int kExitReboot = 4;
inline constexpr int kExitShutdown = 5;

// Enables the shutdown privilege of this process, then asks the system to end
// the session in that mode (through the system-actions seam). Any other mode
// only enables the privilege and answers false.
[[nodiscard]] bool ExitSession(int mode);

// Enables SeShutdownPrivilege in this process's token; true on success.
bool EnableShutdownPrivilege();
