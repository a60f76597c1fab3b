#pragma once
// The right-hand links by tag: the tag is the link's number, which the
// keyboard uses as its index and which picks the picture shown in the user
// frame while the link is hovered. The state index is the link's place in
// the links' settings, which say whether it shows and how.

#include <array>

#include "startmenu/menu_layout.h"

struct RightLink {
    const wchar_t* label;         // component name of the caption
    const wchar_t* caption;       // untranslated
    bool hasPopup;                // can open a pop-out menu: has an arrow
    int stateIndex;
    const wchar_t* hoverPicture;  // in Resources\ next to the program
};

inline constexpr std::array<RightLink, kRightLinkCount> kRightLinks{{
    {L"lbl_User", L"Administrator", true, 16, L"PersonalFolder.png"},
    {L"lbl_Document", L"Documents", true, 1, L"documents.png"},
    {L"lbl_Picture", L"Pictures", true, 20, L"pictures.png"},
    {L"lbl_Music", L"Music", true, 7, L"music.png"},
    {L"lbl_Homegroup", L"Homegroup", false, 18, L"Homegroup.png"},
    {L"lbl_Videos", L"Videos", true, 17, L"Videos.png"},
    {L"lbl_Downloads", L"Downloads", true, 11, L"Downloads.png"},
    {L"lbl_RecordedTV", L"Recorded TV", true, 10, L"RecordedTV.png"},
    {L"lbl_Game", L"Games", true, 2, L"games.png"},
    {L"lbl_RecentItems", L"Recent Items", true, 6, L"RecentItems.png"},
    {L"lbl_Favorites", L"Favorites", true, 15, L"Favorites.png"},
    {L"lbl_Computer", L"Computer", true, 12, L"Computer.png"},
    {L"lbl_Network", L"Network", false, 4, L"Network.png"},
    {L"lbl_ConnectTo", L"Connect To", false, 8, L"ConnectTo.png"},
    {L"lbl_Controlpanel", L"Control Panel", true, 5, L"ControlPanel.png"},
    {L"lbl_Print", L"Devices and Printers", false, 13, L"DevicesandPrinters.png"},
    {L"lbl_DefaultProgram", L"Default Programs", false, 14, L"DefaultPrograms.png"},
    {L"lbl_AdministrativeTools", L"Administrative Tools", true, 3, L"AdministrativeTools.png"},
    {L"lbl_Help", L"Help and Support", false, 9, L"HelpandSupport.png"},
    {L"lbl_Run", L"Run...", false, 19, L"run.png"},
}};
