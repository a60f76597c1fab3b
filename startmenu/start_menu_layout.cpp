// The start menu's layout steps applied to its components, and the captions,
// fonts and icon lists the layout depends on.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/debug_output.h"
#include "platform/gdi_scope.h"
#include "settings/language.h"
#include "startmenu/start_menu_form.h"

namespace {

// The text's width in `font`, as the label draws it.
int TextWidth(const std::wstring& text, const Font& font) {
    WindowDc screen(nullptr);
    UniqueHfont handle = CreateFontHandle(font);
    if (!screen.get() || !handle) return 0;
    SelectedObject selected(screen.get(), handle.get());
    SIZE size{};
    ::GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The shell's image list of small or large icons; null when the shell does not answer.
HIMAGELIST SystemImageList(UINT sizeFlag) {
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | sizeFlag));
}

std::wstring Trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t\r\n");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t\r\n") - first + 1);
}

}  // namespace

void TQelStartMenuFrm::PullLayout() {
    for (auto [box, control] : layoutBindings_) {
        const Bounds& b = control->GetBounds();
        *box = {b.left, b.top, b.width, b.height, control->IsVisible()};
    }
    layout_.clientWidth = Width();
    layout_.windowHeight = Height();
    layout_.menuHeight = ::MenuHeight;
    layout_.pinnedHasItems = TreeView_UserPind.Count() > 0;
    layout_.allProgramsShown = AllProgramsShown;
}

void TQelStartMenuFrm::PushLayout() {
    for (auto [box, control] : layoutBindings_) {
        control->SetBounds({box->left, box->top, box->width, box->height});
        control->SetVisible(box->visible);
    }
    Image_Step1.SetBounds({0, 0, Pnl_Step1.Width(), Pnl_Step1.Height()});
    Image_Step2.SetBounds({0, 0, Pnl_Step2.Width(), Pnl_Step2.Height()});
    // The held height first: the window takes no other.
    ::MenuHeight = layout_.menuHeight;
    SetBounds({Left(), Top(), layout_.clientWidth, layout_.windowHeight});
}

void TQelStartMenuFrm::InitControlMarInset() {
    RunLayout(::InitControlMarInset);
}
void TQelStartMenuFrm::LayoutBottomArea() {
    RunLayout(::LayoutBottomArea);
}
void TQelStartMenuFrm::LayoutBackgroundPanel() {
    RunLayout(::LayoutBackgroundPanel);
}

void TQelStartMenuFrm::JisuanWidthandImagenoteWidth() {
    const TLabel& widest = WidthFromAdministrativeTools(lbl_Print.Caption(), lbl_AdministrativeTools.Caption())
                               ? lbl_AdministrativeTools
                               : lbl_Print;
    const int linkWidth = TextWidth(widest.Caption(), widest.GetFont()) + 8;
    DebugOut(L"lbl_AdministrativeTools.Width: " + std::to_wstring(linkWidth));
    const int captionWidth = TextWidth(lab_Powner.Caption(), lab_Powner.GetFont());
    RunLayout([&](MenuLayout& l) { ::JisuanWidthandImagenoteWidth(l, linkWidth, captionWidth); });
    DebugOut(L"JisuanWidthandImagenoteWidth: " + std::to_wstring(Width()));
}

void TQelStartMenuFrm::LayoutRightColumn() {
    POINT logo{LogoX, LogoY};
    ::ScreenToClient(Handle(), &logo);
    RunLayout([&](MenuLayout& l) { ::LayoutRightColumn(l, logo.y, LinkStates); });
    for (auto& highlight : highlights_) highlight->SetImageIndex(-1);
}

void TQelStartMenuFrm::ShowSearchLayout() {
    RunLayout(::ShowSearchLayout);
    Font caption = lab_Powner.GetFont();
    caption.color = RGB(0, 0, 0);
    lab_Powner.SetFont(caption);
}

void TQelStartMenuFrm::HideSearchLayout() {
    Font caption = lab_Powner.GetFont();
    caption.color = RGB(255, 255, 255);
    lab_Powner.SetFont(caption);
    Edit_Search.SetText(L"");
    RunLayout(::HideSearchLayout);
}

void TQelStartMenuFrm::ApplyLanguageCaptions() {
    const bool showedHint = Trimmed(Edit_Search.Text()) == SearchHint;
    ReadCaptions();
    lbl_Program.SetCaption(AllProgramsShown ? BackCaption : AllProgramsCaption);
    if (showedHint) Edit_Search.SetText(SearchHint);
    // The search result list and its catalogue follow the language when they exist.
    DebugOut(L"ResetLan(RdListViewSearch)");
}

void TQelStartMenuFrm::ReadCaptions() {
    if (!Language) return;
    AllProgramsCaption = Language->GetTextOrDefault(L"lbl_Program_Common", L"All Programs");
    BackCaption = Language->GetTextOrDefault(L"lbl_Program_back", L"Back");
    SearchHint = Language->GetTextOrDefault(L"Edit_Search_Title", L"Search programs and files");
}

void TQelStartMenuFrm::ApplyMenuFonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    const std::wstring face = metrics.lfMenuFont.lfFaceName;
    if (face.empty()) return;
    auto withFace = [&face](Control& control) {
        Font font = control.GetFont();
        font.face = face;
        control.SetFont(font);
    };
    for (Control* control :
         std::initializer_list<Control*>{&TreeView_UserPind, &TreeView_StartProgramLst, &TreeView_Program, &Edit_Search,
                                         &lbl_Program, &lab_Powner, &Label_SearchTitle, &Label_Search})
        withFace(*control);
    for (TLabel* label : linkLabels_) withFace(*label);
}

void TQelStartMenuFrm::LoadSystemImageLists() {
    if (HIMAGELIST small = SystemImageList(SHGFI_SMALLICON)) {
        ImageList_AllPrograms.AssignShared(small);
        IcoImgList.AssignShared(small);
        TreeView_Program.SetImageList(small);
    }
    TreeView_Program.SetItemHeight(20);
    if (HIMAGELIST large = SystemImageList(SHGFI_LARGEICON)) {
        ImageList_Treeview.AssignShared(large);
        TreeView_StartProgramLst.SetImageList(large);
        TreeView_UserPind.SetImageList(large);
    }
    TreeView_StartProgramLst.SetItemHeight(40);
    TreeView_UserPind.SetItemHeight(40);
}
