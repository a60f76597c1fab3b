#include "startmenu/start_menu_form.h"

#include <initializer_list>

#include "app/process_flags.h"
#include "catalogue/window_placement.h"
#include "platform/debug_output.h"
#include "settings/data_folder.h"
#include "settings/language.h"
#include "settings/special_paths.h"
#include "startbutton/companion_interface.h"
#include "startbutton/start_button_form.h"
#include "startmenu/right_links.h"

namespace {

constexpr WindowClass kStartMenuClass{companion::dravix::kStartMenuClass, CS_DBLCLKS};
// Fail critical errors, no fault dialog, no open-file error box: a start menu
// must never stop on a system message box.
constexpr UINT kErrorMode = SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The label members by tag, in the order of the links' table.
constexpr TLabel TQelStartMenuFrm::*kLinkLabels[kRightLinkCount] = {
    &TQelStartMenuFrm::lbl_User,           &TQelStartMenuFrm::lbl_Document,
    &TQelStartMenuFrm::lbl_Picture,        &TQelStartMenuFrm::lbl_Music,
    &TQelStartMenuFrm::lbl_Homegroup,      &TQelStartMenuFrm::lbl_Videos,
    &TQelStartMenuFrm::lbl_Downloads,      &TQelStartMenuFrm::lbl_RecordedTV,
    &TQelStartMenuFrm::lbl_Game,           &TQelStartMenuFrm::lbl_RecentItems,
    &TQelStartMenuFrm::lbl_Favorites,      &TQelStartMenuFrm::lbl_Computer,
    &TQelStartMenuFrm::lbl_Network,        &TQelStartMenuFrm::lbl_ConnectTo,
    &TQelStartMenuFrm::lbl_Controlpanel,   &TQelStartMenuFrm::lbl_Print,
    &TQelStartMenuFrm::lbl_DefaultProgram, &TQelStartMenuFrm::lbl_AdministrativeTools,
    &TQelStartMenuFrm::lbl_Help,           &TQelStartMenuFrm::lbl_Run,
};

Font MenuFont(int height, COLORREF colour) {
    Font font;
    font.height = height;
    font.color = colour;
    return font;
}

void SetUpLabel(TLabel& label, const wchar_t* caption, const Font& font, LabelAlignment alignment) {
    label.BeginLoading();
    label.SetAutoSize(false);
    label.SetCaption(caption);
    label.SetFont(font);
    label.SetAlignment(alignment);
    label.EndLoading();
}

}  // namespace

TQelStartMenuFrm::TQelStartMenuFrm() : Form(L"QelStartMenuFrm") {
    SetFont(MenuFont(-11, ::GetSysColor(COLOR_WINDOWTEXT)));
    BuildComponents();
}

TQelStartMenuFrm::~TQelStartMenuFrm() = default;

void TQelStartMenuFrm::BuildComponents() {
    layout_ = DesignLayout();
    for (int tag = 0; tag < kRightLinkCount; ++tag) {
        linkLabels_[tag] = &(this->*kLinkLabels[tag]);
        highlights_[tag] = std::make_unique<TImageNote>(L"ImageNote_" + std::to_wstring(tag));
        if (kRightLinks[tag].hasPopup)
            arrows_[tag] = std::make_unique<TImageNote>(L"ImageNote_Popup_" + std::to_wstring(tag));
        for (Component* part :
             {static_cast<Component*>(linkLabels_[tag]), static_cast<Component*>(highlights_[tag].get()),
              static_cast<Component*>(arrows_[tag].get())})
            if (part) part->SetTag(tag);
    }

    // Ownership order is the order the language files and the paint see.
    for (Component* c : std::initializer_list<Component*>{
             &Image_bg_menu_topleft, &Image_bg_menu_topcenter, &Image_bg_menu_topright, &Image_bg_menu_centerleft,
             &Image_bg_menu, &Image_bg_menu_centerright, &Image_bg_menu_bottomleft, &Image_bg_menu_bottomcenter,
             &Image_bg_menu_bottomright, &TreeView_UserPind, &Pnl_Step1, &Image_Step1, &TreeView_StartProgramLst,
             &Pnl_Step2, &Image_Step2, &TreeView_Program, &ImageNote_ProgramLeft, &ImageNote_ProgramCenter,
             &ImageNote_ProgramRight, &Image_ProgramLogo, &lbl_Program, &Image_Search_bg, &Image_SearchFrame,
             &Edit_Search, &ImageNote_SearchButton, &ImageNote_SearchCloseButton, &pnl_SearchClient,
             &Label_SearchTitle, &Label_Search, &Image_SendBack, &Label_Sendback})
        Own(*c);
    for (TLabel* label : linkLabels_) Own(*label);
    for (auto& highlight : highlights_) Own(*highlight);
    for (auto& arrow : arrows_)
        if (arrow) Own(*arrow);
    for (Component* c : std::initializer_list<Component*>{
             &Image_Right_Step1, &Image_Right_Step2, &ImageNote_ShotDown_Left, &ImageNote_ShotDown_Middle,
             &ImageNote_ShotDown_Right, &lab_Powner, &ImageNote_PopMenu, &ImgTop, &ImgBottom, &ImgLeft, &ImgRight,
             &ImgTopLeft, &ImgTopRight, &PopupMenu_UserPin, &Menu_Userpin_RunsAdmin, &N7, &Menu_Userpin_Manage,
             &Menu_Userpin_Delete, &N13, &Menu_Userpin_property, &PopupMenu_UsuallySoftware,
             &Menu_UsuallySoftware_RunAsAdmin, &MenuItem4, &Menu_UsuallySoftware_PinManage,
             &Menu_UsuallySoftware_AddStartMenu, &N3, &Menu_UsuallySoftware_Delete, &MenuItem7,
             &Menu_UsuallySoftware_Property, &PopupMenu_Shutdown, &PopupMenu_Label, &Menu_Lable_Open,
             &PopupMenu_LabelButton, &PopupActionBar_LabelControl, &ImageList_Treeview, &ImageList_AllPrograms,
             &IcoImgList, &Control_IcoImgList, &ImageList_PopMenu, &ImageList_Popup_64, &Timer_LogoShow, &DelayTimer})
        Own(*c);

    for (TMenuItem* item :
         {&Menu_Userpin_RunsAdmin, &N7, &Menu_Userpin_Manage, &Menu_Userpin_Delete, &N13, &Menu_Userpin_property})
        PopupMenu_UserPin.Add(*item);
    for (TMenuItem* item : {&Menu_UsuallySoftware_RunAsAdmin, &MenuItem4, &Menu_UsuallySoftware_PinManage,
                            &Menu_UsuallySoftware_AddStartMenu, &N3, &Menu_UsuallySoftware_Delete, &MenuItem7,
                            &Menu_UsuallySoftware_Property})
        PopupMenu_UsuallySoftware.Add(*item);
    PopupMenu_Label.Add(Menu_Lable_Open);

    // The layout's names for the components it places.
    layoutBindings_ = {
        {&layout_.pinnedList, &TreeView_UserPind},
        {&layout_.frequentList, &TreeView_StartProgramLst},
        {&layout_.programTree, &TreeView_Program},
        {&layout_.step1, &Pnl_Step1},
        {&layout_.step2, &Pnl_Step2},
        {&layout_.searchClient, &pnl_SearchClient},
        {&layout_.searchTitle, &Label_SearchTitle},
        {&layout_.searchLabel, &Label_Search},
        {&layout_.bgTopLeft, &Image_bg_menu_topleft},
        {&layout_.bgTopCenter, &Image_bg_menu_topcenter},
        {&layout_.bgTopRight, &Image_bg_menu_topright},
        {&layout_.bgCenterLeft, &Image_bg_menu_centerleft},
        {&layout_.bgCenter, &Image_bg_menu},
        {&layout_.bgCenterRight, &Image_bg_menu_centerright},
        {&layout_.bgBottomLeft, &Image_bg_menu_bottomleft},
        {&layout_.bgBottomCenter, &Image_bg_menu_bottomcenter},
        {&layout_.bgBottomRight, &Image_bg_menu_bottomright},
        {&layout_.programLeft, &ImageNote_ProgramLeft},
        {&layout_.programCenter, &ImageNote_ProgramCenter},
        {&layout_.programRight, &ImageNote_ProgramRight},
        {&layout_.programLogo, &Image_ProgramLogo},
        {&layout_.programLabel, &lbl_Program},
        {&layout_.searchBand, &Image_Search_bg},
        {&layout_.searchFrame, &Image_SearchFrame},
        {&layout_.searchButton, &ImageNote_SearchButton},
        {&layout_.searchClose, &ImageNote_SearchCloseButton},
        {&layout_.searchEdit, &Edit_Search},
        {&layout_.shutdownLeft, &ImageNote_ShotDown_Left},
        {&layout_.shutdownMiddle, &ImageNote_ShotDown_Middle},
        {&layout_.shutdownRight, &ImageNote_ShotDown_Right},
        {&layout_.shutdownArrow, &ImageNote_PopMenu},
        {&layout_.shutdownCaption, &lab_Powner},
        {&layout_.sendBack, &Image_SendBack},
        {&layout_.sendBackLabel, &Label_Sendback},
        {&layout_.rightStep1, &Image_Right_Step1},
        {&layout_.rightStep2, &Image_Right_Step2},
    };
    for (int tag = 0; tag < kRightLinkCount; ++tag) {
        layoutBindings_.emplace_back(&layout_.linkLabels[tag], linkLabels_[tag]);
        layoutBindings_.emplace_back(&layout_.highlights[tag], highlights_[tag].get());
        if (arrows_[tag]) layoutBindings_.emplace_back(&layout_.arrows[tag], arrows_[tag].get());
    }
    // The design places; the graphic controls paint in this order, the
    // background first.
    for (auto [box, control] : layoutBindings_) {
        control->SetBounds({box->left, box->top, box->width, box->height});
        control->SetVisible(box->visible);
    }
    for (TImage* part :
         {&Image_bg_menu_topleft, &Image_bg_menu_topcenter, &Image_bg_menu_topright, &Image_bg_menu_centerleft,
          &Image_bg_menu, &Image_bg_menu_centerright, &Image_bg_menu_bottomleft, &Image_bg_menu_bottomcenter,
          &Image_bg_menu_bottomright, &Image_Search_bg, &Image_SearchFrame, &Image_Right_Step1, &Image_Right_Step2})
        InsertControl(*part);
    for (TImageNote* part :
         {&ImageNote_ProgramLeft, &ImageNote_ProgramCenter, &ImageNote_ProgramRight, &Image_ProgramLogo,
          &ImageNote_SearchButton, &ImageNote_SearchCloseButton, &Image_SendBack, &ImageNote_ShotDown_Left,
          &ImageNote_ShotDown_Middle, &ImageNote_ShotDown_Right, &ImageNote_PopMenu})
        InsertControl(*part);
    for (auto& highlight : highlights_) InsertControl(*highlight);
    for (auto& arrow : arrows_)
        if (arrow) InsertControl(*arrow);
    for (TLabel* label : linkLabels_) InsertControl(*label);
    for (TLabel* label : {&lbl_Program, &Label_Sendback, &lab_Powner}) InsertControl(*label);
    Image_Step1.SetBounds({0, 0, layout_.step1.width, 5});
    Image_Step2.SetBounds({0, 0, layout_.step2.width, 5});
    Pnl_Step1.InsertControl(Image_Step1);
    Pnl_Step2.InsertControl(Image_Step2);
    pnl_SearchClient.InsertControl(Label_SearchTitle);
    pnl_SearchClient.InsertControl(Label_Search);

    for (TImage* stretched : {&Image_bg_menu_topcenter, &Image_bg_menu_centerleft, &Image_bg_menu,
                              &Image_bg_menu_centerright, &Image_bg_menu_bottomcenter, &Image_Step1, &Image_Step2,
                              &Image_Search_bg, &Image_SearchFrame, &Image_Right_Step1, &Image_Right_Step2})
        stretched->SetStretch(true);
    for (auto& highlight : highlights_) highlight->SetStretch(true);
    ImageNote_ProgramCenter.SetStretch(true);
    ImageNote_ShotDown_Middle.SetStretch(true);

    const Font links = MenuFont(-12, kWhite);
    for (int tag = 0; tag < kRightLinkCount; ++tag)
        SetUpLabel(*linkLabels_[tag], kRightLinks[tag].caption, links, LabelAlignment::Left);
    SetUpLabel(lbl_Program, L"All Programs", MenuFont(-12, ::GetSysColor(COLOR_WINDOWTEXT)), LabelAlignment::Left);
    SetUpLabel(Label_Sendback, L"Send Feedback", MenuFont(-11, kWhite), LabelAlignment::Center);
    SetUpLabel(lab_Powner, L"Shut down", links, LabelAlignment::Center);
    SetUpLabel(Label_SearchTitle, L"No items match your search.", MenuFont(-12, ::GetSysColor(COLOR_WINDOWTEXT)),
               LabelAlignment::Left);
    SetUpLabel(Label_Search, L"Searching...", MenuFont(-12, ::GetSysColor(COLOR_WINDOWTEXT)), LabelAlignment::Left);

    const Font lists = MenuFont(-12, ::GetSysColor(COLOR_WINDOWTEXT));
    for (TTreeView* tree : {&TreeView_UserPind, &TreeView_StartProgramLst, &TreeView_Program}) tree->SetFont(lists);
    TreeView_Program.SetColor(kWhite);
    Pnl_Step1.SetColor(kWhite);
    Pnl_Step2.SetColor(kWhite);
    pnl_SearchClient.SetColor(kWhite);
    Edit_Search.SetTabOrder(0);
    TreeView_Program.SetTabOrder(1);
    TreeView_StartProgramLst.SetTabOrder(2);
    TreeView_UserPind.SetTabOrder(3);
    pnl_SearchClient.SetTabOrder(4);
    Pnl_Step1.SetTabOrder(5);
    Pnl_Step2.SetTabOrder(6);
}

void TQelStartMenuFrm::LoadPictures() {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    auto resource = [module](const wchar_t* name) { return Picture::FromResource(module, name); };
    const std::pair<TImage*, const wchar_t*> images[] = {
        {&Image_bg_menu_topleft, L"MENU_BG_TOPLEFT"},
        {&Image_bg_menu_topcenter, L"MENU_BG_TOPCENTER"},
        {&Image_bg_menu_topright, L"MENU_BG_TOPRIGHT"},
        {&Image_bg_menu_centerleft, L"MENU_BG_CENTERLEFT"},
        {&Image_bg_menu, L"MENU_BG_CENTER"},
        {&Image_bg_menu_centerright, L"MENU_BG_CENTERRIGHT"},
        {&Image_bg_menu_bottomleft, L"MENU_BG_BOTTOMLEFT"},
        {&Image_bg_menu_bottomcenter, L"MENU_BG_BOTTOMCENTER"},
        {&Image_bg_menu_bottomright, L"MENU_BG_BOTTOMRIGHT"},
        {&Image_Step1, L"MENU_STEP"},
        {&Image_Step2, L"MENU_STEP"},
        {&Image_Search_bg, L"MENU_SEARCH_BAND"},
        {&Image_SearchFrame, L"MENU_SEARCH_FRAME"},
        {&Image_Right_Step1, L"MENU_RIGHT_STEP"},
        {&Image_Right_Step2, L"MENU_RIGHT_STEP"},
        {&ImgTop, L"MENU_BORDER_TOP"},
        {&ImgBottom, L"MENU_BORDER_BOTTOM"},
        {&ImgLeft, L"MENU_BORDER_LEFT"},
        {&ImgRight, L"MENU_BORDER_RIGHT"},
        {&ImgTopLeft, L"MENU_BORDER_TOPLEFT"},
        {&ImgTopRight, L"MENU_BORDER_TOPRIGHT"},
    };
    for (auto [image, name] : images) image->SetPicture(resource(name));

    // Multi-state buttons: normal, hover, pressed (or open) in that order.
    auto fill = [&](TImageNote& note, std::initializer_list<const wchar_t*> names, int index) {
        note.BeginLoading();
        for (const wchar_t* name : names) note.Items.Add(resource(name));
        note.EndLoading();
        note.SetImageIndex(index);
    };
    fill(ImageNote_ProgramLeft, {L"MENU_PROGRAM_LEFT"}, -1);
    fill(ImageNote_ProgramCenter, {L"MENU_PROGRAM_CENTER"}, -1);
    fill(ImageNote_ProgramRight, {L"MENU_PROGRAM_RIGHT"}, -1);
    fill(Image_ProgramLogo, {L"MENU_PROGRAM_FORWARD", L"MENU_PROGRAM_BACK"}, 0);
    fill(ImageNote_SearchButton, {L"MENU_SEARCH_BUTTON"}, 0);
    fill(ImageNote_SearchCloseButton, {L"MENU_SEARCH_CLEAR", L"MENU_SEARCH_CLEAR_HOVER"}, 0);
    fill(Image_SendBack, {L"MENU_FEEDBACK_NORMAL", L"MENU_FEEDBACK_HOVER", L"MENU_FEEDBACK_PRESSED"}, 0);
    fill(ImageNote_ShotDown_Left,
         {L"MENU_SHUTDOWN_LEFT_NORMAL", L"MENU_SHUTDOWN_LEFT_HOVER", L"MENU_SHUTDOWN_LEFT_PRESSED"}, 0);
    fill(ImageNote_ShotDown_Middle,
         {L"MENU_SHUTDOWN_MIDDLE_NORMAL", L"MENU_SHUTDOWN_MIDDLE_HOVER", L"MENU_SHUTDOWN_MIDDLE_PRESSED"}, 0);
    fill(ImageNote_ShotDown_Right,
         {L"MENU_SHUTDOWN_RIGHT_NORMAL", L"MENU_SHUTDOWN_RIGHT_HOVER", L"MENU_SHUTDOWN_RIGHT_PRESSED"}, 0);
    fill(ImageNote_PopMenu, {L"MENU_SHUTDOWN_ARROW_NORMAL", L"MENU_SHUTDOWN_ARROW_HOVER", L"MENU_SHUTDOWN_ARROW_OPEN"},
         0);
    for (auto& highlight : highlights_) fill(*highlight, {L"MENU_LINK_HIGHLIGHT"}, -1);
    for (auto& arrow : arrows_)
        if (arrow) fill(*arrow, {L"MENU_POPUP_ARROW"}, 0);

    const Picture icons = resource(L"MENU_CONTROL_ICONS");
    if (!icons.Empty()) (void)Control_IcoImgList.LoadStrip(icons.Data());
}

bool TQelStartMenuFrm::CreateForm() {
    // A plain top-level window of the desktop, no taskbar button, above normal windows.
    if (!Form::CreateForm(kStartMenuClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP | WS_CLIPCHILDREN,
                          companion::dravix::kStartMenuCaption, {0, 0, layout_.clientWidth, layout_.windowHeight}))
        return false;
    for (NativeControl* control : std::initializer_list<NativeControl*>{&Edit_Search, &TreeView_Program,
                                                                        &TreeView_StartProgramLst, &TreeView_UserPind})
        if (!control->CreateIn(*this)) return false;
    for (TPanel* panel : {&pnl_SearchClient, &Pnl_Step1, &Pnl_Step2})
        if (!panel->CreateIn(*this)) return false;
    LoadPictures();
    FormCreate();
    return true;
}

void TQelStartMenuFrm::FormCreate() {
    ::SetErrorMode(kErrorMode);
    programFolder_ = TAppFrame().ExePath;
    DebugOut(L"FormCreate Begin");
    DebugOut(L"FormCreate v_bit64windows");
    DebugOut(L"FormCreate AttchDll");
    RightColumnFocus = false;
    DebugOut(L"FormCreate SetTimer");
    if (Language) Language->TranslateComponent(*this);
    ReadCaptions();
    DebugOut(L"FormCreate end");
}

void TQelStartMenuFrm::SettingsChanged() {
    if (frmStartMenu) frmStartMenu->LoadButtonSkin();
    if (Language) {
        Language->LoadLanguage(GetLanguageSetting());
        Language->TranslateComponent(*this);
    }
    ApplyLanguageCaptions();
    JisuanWidthandImagenoteWidth();
    if (IsVisible()) HideMenu();
}

void TQelStartMenuFrm::BringToFrontIfShown() {
    if (IsVisible()) BringWindowToFront(Handle());
}

LRESULT TQelStartMenuFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        HoldPosition(*reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case companion::dravix::kQuitMessage:
        if (frmStartMenu) frmStartMenu->ExitProgram(true);
        return 0;
    case companion::dravix::kSettingsChangedMessage:
        SettingsChanged();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
