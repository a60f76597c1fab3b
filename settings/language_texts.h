#pragma once
// The program's own texts of the language files (section product word + "_M"):
// their keys and the English text the program shows when a file lacks a key.
// The English language file carries exactly these texts.

#include <array>
#include <string_view>

struct LanguageText {
    std::wstring_view key;
    std::wstring_view text;
};

// Texts of the start menu and its pop-out menus.
inline constexpr std::array<LanguageText, 4> kMenuTexts{{
    {L"lbl_Program_Common", L"All Programs"},
    {L"lbl_Program_back", L"Back"},
    {L"Edit_Search_Title", L"Search programs and files"},
    {L"Folder_M", L"(Empty)"},
}};

// The headers of the search result groups 0 to 6, in group order.
inline constexpr std::array<LanguageText, 7> kListGroupTexts{{
    {L"NodeApplicationText", L"Programs"},
    {L"NodeControlText", L"Control Panel"},
    {L"NodeDocumentText", L"Document"},
    {L"NodePictureText", L"Pictures"},
    {L"NodeVideoText", L"Videos"},
    {L"NodeMusicText", L"Music"},
    {L"NodeFileText", L"Files"},
}};

// The Control Panel items of the search catalogue, in icon order: the key is
// "Search_" and the English name with its blanks written as "_" (one key,
// "Search_Restore_Windows7_Backups", was fixed before that rule and keeps its
// spelling, since translators' files use it).
inline constexpr std::array<LanguageText, 48> kControlPanelTexts{{
    {L"Search_Power_Options", L"Power Options"},
    {L"Search_Notification_Area_Icons", L"Notification Area Icons"},
    {L"Search_Taskbar", L"Taskbar"},
    {L"Search_Credential_Manager", L"Credential Manager"},
    {L"Search_Default_Programs", L"Default Programs"},
    {L"Search_RemoteApp_and_Desktop_Connections", L"RemoteApp and Desktop Connections"},
    {L"Search_Windows_Update", L"Windows Update"},
    {L"Search_Desktop_Gadgets", L"Desktop Gadgets"},
    {L"Search_Windows_Firewall", L"Windows Firewall"},
    {L"Search_Phone_and_Modem", L"Phone and Modem"},
    {L"Search_Speech_Recognition", L"Speech Recognition"},
    {L"Search_User_Accounts", L"User Accounts"},
    {L"Search_Region", L"Region"},
    {L"Search_HomeGroup", L"HomeGroup"},
    {L"Search_Mouse", L"Mouse"},
    {L"Search_Folder_Options", L"Folder Options"},
    {L"Search_Keyboard", L"Keyboard"},
    {L"Search_Device_Manager", L"Device Manager"},
    {L"Search_Performance_Information_and_Tools", L"Performance Information and Tools"},
    {L"Search_Programs_and_Features", L"Programs and Features"},
    {L"Search_Tablet_PC_Settings", L"Tablet PC Settings"},
    {L"Search_Indexing_Options", L"Indexing Options"},
    {L"Search_Network_and_Sharing_Center", L"Network and Sharing Center"},
    {L"Search_Parental_Controls", L"Parental Controls"},
    {L"Search_AutoPlay", L"AutoPlay"},
    {L"Search_Sync_Center", L"Sync Center"},
    {L"Search_Recovery", L"Recovery"},
    {L"Search_Internet_Options", L"Internet Options"},
    {L"Search_Devices_and_Printers", L"Devices and Printers"},
    {L"Search_Color_Management", L"Color Management"},
    {L"Search_Restore_Windows7_Backups", L"Restore Windows 7 Backups"},
    {L"Search_System", L"System"},
    {L"Search_Action_Center", L"Action Center"},
    {L"Search_Fonts", L"Fonts"},
    {L"Search_Language", L"Language"},
    {L"Search_Display", L"Display"},
    {L"Search_Troubleshooting", L"Troubleshooting"},
    {L"Search_Administrative_Tools", L"Administrative Tools"},
    {L"Search_Ease_of_Access_Center", L"Ease of Access Center"},
    {L"Search_Windows_Defender", L"Windows Defender"},
    {L"Search_BitLocker_Drive_Encryption", L"BitLocker Drive Encryption"},
    {L"Search_Date_and_Time", L"Date and Time"},
    {L"Search_Location_Settings", L"Location Settings"},
    {L"Search_Personalization", L"Personalization"},
    {L"Search_Sound", L"Sound"},
    {L"Search_File_History", L"File History"},
    {L"Search_Pen_and_Touch", L"Pen and Touch"},
    {L"Search_16-Bit_Application_Support", L"16-Bit Application Support"},
}};
