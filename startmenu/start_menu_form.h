#pragma once
// TQelStartMenuFrm: the start menu window, "Kavor_Dravix". Created once at
// start-up, shown and hidden, never destroyed in between. Its geometry is
// computed on every show (menu_layout.h); this class owns the components and
// applies the computed places to them.

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/image.h"
#include "controls/image_note.h"
#include "controls/label.h"
#include "platform/unique_handle.h"
#include "startmenu/glass_style.h"
#include "startmenu/menu_layout.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/timer.h"
#include "ui/tree_view.h"

// The height the menu window is held to (MenuX and MenuY, its place, are
// kept with the placement code).
inline int MenuHeight = kMenuStartHeight;

class TQelStartMenuFrm : public Form {
public:
    TQelStartMenuFrm();
    ~TQelStartMenuFrm() override;
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TQelStartMenuFrm"; }

    [[nodiscard]] bool CreateForm();

    // Showing and hiding.
    void ShowStartMenuForm();
    void HideMenu();
    // Brings the menu forward when it is shown; a hidden menu stays hidden.
    void BringToFrontIfShown();

    // Layout.
    void InitControlMarInset();
    void LayoutBottomArea();
    void LayoutBackgroundPanel();
    void JisuanWidthandImagenoteWidth();
    void LayoutRightColumn();
    void ShowSearchLayout();
    void HideSearchLayout();

    // Looks, captions, fonts and icons.
    void LoadWindowsStyle();
    void ApplyLanguageCaptions();
    void ApplyMenuFonts();
    void LoadSystemImageLists();

    // The display state of each right-hand link, by tag (0 hidden, 1 a link,
    // 2 a link with a pop-out menu), the installation's defaults until the
    // links' own settings take this over.
    RightLinkStates LinkStates = kDefaultLinkStates;

    bool AllProgramsShown = false;
    bool RightColumnActive = false;
    bool RightColumnFocus = false;
    int RightIndex = 0;
    std::wstring AllProgramsCaption = L"All Programs";
    std::wstring BackCaption = L"Back";
    std::wstring SearchHint = L"Search programs and files";
    bool WindowsStyleWin8 = true;
    // Where the floating user picture goes (screen), and the picture it should show.
    int LogoX = 0;
    int LogoY = 0;
    std::wstring LogoPicturePath;
    std::wstring ShownLogoPath;

    // Left background: nine parts.
    TImage Image_bg_menu_topleft{L"Image_bg_menu_topleft"};
    TImage Image_bg_menu_topcenter{L"Image_bg_menu_topcenter"};
    TImage Image_bg_menu_topright{L"Image_bg_menu_topright"};
    TImage Image_bg_menu_centerleft{L"Image_bg_menu_centerleft"};
    TImage Image_bg_menu{L"Image_bg_menu"};
    TImage Image_bg_menu_centerright{L"Image_bg_menu_centerright"};
    TImage Image_bg_menu_bottomleft{L"Image_bg_menu_bottomleft"};
    TImage Image_bg_menu_bottomcenter{L"Image_bg_menu_bottomcenter"};
    TImage Image_bg_menu_bottomright{L"Image_bg_menu_bottomright"};

    // Left lists.
    TTreeView TreeView_UserPind{L"TreeView_UserPind"};
    TPanel Pnl_Step1{L"Pnl_Step1"};
    TImage Image_Step1{L"Image_Step1"};
    TTreeView TreeView_StartProgramLst{L"TreeView_StartProgramLst"};
    TPanel Pnl_Step2{L"Pnl_Step2"};
    TImage Image_Step2{L"Image_Step2"};
    TTreeView TreeView_Program{L"TreeView_Program"};

    // All Programs button.
    TImageNote ImageNote_ProgramLeft{L"ImageNote_ProgramLeft"};
    TImageNote ImageNote_ProgramCenter{L"ImageNote_ProgramCenter"};
    TImageNote ImageNote_ProgramRight{L"ImageNote_ProgramRight"};
    TImageNote Image_ProgramLogo{L"Image_ProgramLogo"};
    TLabel lbl_Program{L"lbl_Program"};

    // Search box and results.
    TImage Image_Search_bg{L"Image_Search_bg"};
    TImage Image_SearchFrame{L"Image_SearchFrame"};
    TEdit Edit_Search{L"Edit_Search"};
    TImageNote ImageNote_SearchButton{L"ImageNote_SearchButton"};
    TImageNote ImageNote_SearchCloseButton{L"ImageNote_SearchCloseButton"};
    TPanel pnl_SearchClient{L"pnl_SearchClient"};
    TLabel Label_SearchTitle{L"Label_SearchTitle"};
    TLabel Label_Search{L"Label_Search"};

    // Right column.
    TImageNote Image_SendBack{L"Image_SendBack"};
    TLabel Label_Sendback{L"Label_Sendback"};
    TLabel lbl_User{L"lbl_User"};
    TLabel lbl_Document{L"lbl_Document"};
    TLabel lbl_Picture{L"lbl_Picture"};
    TLabel lbl_Music{L"lbl_Music"};
    TLabel lbl_Homegroup{L"lbl_Homegroup"};
    TLabel lbl_Videos{L"lbl_Videos"};
    TLabel lbl_Downloads{L"lbl_Downloads"};
    TLabel lbl_RecordedTV{L"lbl_RecordedTV"};
    TLabel lbl_Game{L"lbl_Game"};
    TLabel lbl_RecentItems{L"lbl_RecentItems"};
    TLabel lbl_Favorites{L"lbl_Favorites"};
    TLabel lbl_Computer{L"lbl_Computer"};
    TLabel lbl_Network{L"lbl_Network"};
    TLabel lbl_ConnectTo{L"lbl_ConnectTo"};
    TLabel lbl_Controlpanel{L"lbl_Controlpanel"};
    TLabel lbl_Print{L"lbl_Print"};
    TLabel lbl_DefaultProgram{L"lbl_DefaultProgram"};
    TLabel lbl_AdministrativeTools{L"lbl_AdministrativeTools"};
    TLabel lbl_Help{L"lbl_Help"};
    TLabel lbl_Run{L"lbl_Run"};
    TImage Image_Right_Step1{L"Image_Right_Step1"};
    TImage Image_Right_Step2{L"Image_Right_Step2"};

    // The label, highlight ("ImageNote_<tag>") and pop-out arrow
    // ("ImageNote_Popup_<tag>", null for links without one) of a link.
    [[nodiscard]] TLabel& LinkLabel(int tag) const { return *linkLabels_.at(tag); }
    [[nodiscard]] TImageNote& ImageNote(int tag) const { return *highlights_.at(tag); }
    [[nodiscard]] TImageNote* ImageNote_Popup(int tag) const { return arrows_.at(tag).get(); }

    // Shut-down button.
    TImageNote ImageNote_ShotDown_Left{L"ImageNote_ShotDown_Left"};
    TImageNote ImageNote_ShotDown_Middle{L"ImageNote_ShotDown_Middle"};
    TImageNote ImageNote_ShotDown_Right{L"ImageNote_ShotDown_Right"};
    TLabel lab_Powner{L"lab_Powner"};
    TImageNote ImageNote_PopMenu{L"ImageNote_PopMenu"};

    // "win7" border pictures, drawn by the paint handler, never shown as controls.
    TImage ImgTop{L"ImgTop"};
    TImage ImgBottom{L"ImgBottom"};
    TImage ImgLeft{L"ImgLeft"};
    TImage ImgRight{L"ImgRight"};
    TImage ImgTopLeft{L"ImgTopLeft"};
    TImage ImgTopRight{L"ImgTopRight"};

    // Menus.
    TPopupMenu PopupMenu_UserPin{L"PopupMenu_UserPin"};
    TMenuItem Menu_Userpin_RunsAdmin{L"Menu_Userpin_RunsAdmin", L"Run as administrator"};
    TMenuItem N7{L"N7", L"-"};
    TMenuItem Menu_Userpin_Manage{L"Menu_Userpin_Manage", L"Pin to Taskbar"};
    TMenuItem Menu_Userpin_Delete{L"Menu_Userpin_Delete", L"Unpin from Start Menu"};
    TMenuItem N13{L"N13", L"-"};
    TMenuItem Menu_Userpin_property{L"Menu_Userpin_property", L"Properties"};
    TPopupMenu PopupMenu_UsuallySoftware{L"PopupMenu_UsuallySoftware"};
    TMenuItem Menu_UsuallySoftware_RunAsAdmin{L"Menu_UsuallySoftware_RunAsAdmin", L"Run as administrator"};
    TMenuItem MenuItem4{L"MenuItem4", L"-"};
    TMenuItem Menu_UsuallySoftware_PinManage{L"Menu_UsuallySoftware_PinManage", L"Pin to Taskbar"};
    TMenuItem Menu_UsuallySoftware_AddStartMenu{L"Menu_UsuallySoftware_AddStartMenu", L"Pin to Start Menu"};
    TMenuItem N3{L"N3", L"-"};
    TMenuItem Menu_UsuallySoftware_Delete{L"Menu_UsuallySoftware_Delete", L"Remove from this list"};
    TMenuItem MenuItem7{L"MenuItem7", L"-"};
    TMenuItem Menu_UsuallySoftware_Property{L"Menu_UsuallySoftware_Property", L"Properties"};
    TPopupMenu PopupMenu_Shutdown{L"PopupMenu_Shutdown"};
    TPopupMenu PopupMenu_Label{L"PopupMenu_Label"};
    TMenuItem Menu_Lable_Open{L"Menu_Lable_Open", L"Open"};
    TPopupMenu PopupMenu_LabelButton{L"PopupMenu_LabelButton"};
    TPopupMenu PopupActionBar_LabelControl{L"PopupActionBar_LabelControl"};

    // Image lists.
    TImageList ImageList_Treeview{L"ImageList_Treeview", 32, 32};
    TImageList ImageList_AllPrograms{L"ImageList_AllPrograms"};
    TImageList IcoImgList{L"IcoImgList"};
    TImageList Control_IcoImgList{L"Control_IcoImgList"};
    TImageList ImageList_PopMenu{L"ImageList_PopMenu"};
    TImageList ImageList_Popup_64{L"ImageList_Popup_64"};

    // Timers.
    TTimer Timer_LogoShow{L"Timer_LogoShow", 200, false};
    TTimer DelayTimer{L"DelayTimer", 250, false};

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc, const RECT& client) override;

private:
    void BuildComponents();
    void LoadPictures();
    void FormCreate();
    void FormShow();
    // Another program changed the settings: skin, language, captions, width.
    void SettingsChanged();
    // The All Programs button's two captions and the search hint, from the language.
    void ReadCaptions();
    void FillProgramLists();
    void SetLeaveSearchEditData();
    // Runs the placement and lays out the right column from it.
    void JisuanControlHeightLeftTop();
    void HoldPosition(WINDOWPOS& pos) const;
    void PaintWin7Border(HDC dc, const RECT& client) const;

    // The layout's view of the components: read before a layout step,
    // applied after it.
    void PullLayout();
    void PushLayout();
    template <typename Step>
    void RunLayout(Step step) {
        PullLayout();
        step(layout_);
        PushLayout();
    }

    std::wstring programFolder_;  // with a trailing backslash; Resources\ lies below it
    MenuLayout layout_;
    std::vector<std::pair<LayoutBox*, Control*>> layoutBindings_;
    std::array<TLabel*, kRightLinkCount> linkLabels_{};
    std::array<std::unique_ptr<TImageNote>, kRightLinkCount> highlights_;
    std::array<std::unique_ptr<TImageNote>, kRightLinkCount> arrows_;
    UniqueHbitmap BackgroundBitmap;
    COLORREF menuColour_ = RGB(215, 215, 215);
};

inline TQelStartMenuFrm* QelStartMenuFrm = nullptr;
