#include "catalogue/user_avatar.h"

#include "platform/debug_output.h"
#include "settings/data_folder.h"
#include "settings/main_ini.h"
#include "settings/profile_ini_file.h"

std::wstring v_UserLogoFileName;

void LoadUserAvatarSetting() {
    const ProfileIniFile mainIni(GetDataFolder().append(main_ini::kFileName));
    v_UserLogoFileName =
        mainIni.ReadString(main_ini::kUserAvatar.section, main_ini::kUserAvatar.key, main_ini::kUserAvatar.fallback);
    DebugOut(L"v_UserLogoFileName: " + v_UserLogoFileName);
}
