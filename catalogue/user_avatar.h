#pragma once
// The user picture chosen in the settings program.

#include <string>

// "Main"/"UserAvatar" of Main.ini as last loaded; "" for the default picture.
extern std::wstring v_UserLogoFileName;

// Reads the setting into v_UserLogoFileName and notes it in the debug output.
void LoadUserAvatarSetting();
