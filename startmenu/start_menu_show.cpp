// Showing and hiding the start menu: what each show resets and rebuilds,
// placement next to the taskbar, and holding the window where it was put.

#include "app/process_flags.h"
#include "catalogue/pinned_manage.h"
#include "catalogue/use_program_manage.h"
#include "catalogue/window_placement.h"
#include "platform/debug_output.h"
#include "startbutton/start_button_form.h"
#include "startmenu/start_menu_form.h"

namespace {

constexpr int kFrequentListHeight = 404;
constexpr int kListBottomMargin = 150;
constexpr COLORREF kHintColour = 0x808080;

// The pinned manager fills the pinned tree through this.
class PinnedTree final : public IPinnedTreeView {
public:
    explicit PinnedTree(TTreeView& tree) : tree_(tree) {}
    void BeginUpdate() override { tree_.BeginUpdate(); }
    void Clear() override { tree_.Clear(); }
    void AddNode(const std::wstring& caption, int iconIndex, TUserPinedInfo* record) override {
        (void)tree_.AddNode(nullptr, caption, iconIndex, record);
    }
    void SetHeight(int height) override {
        Bounds b = tree_.GetBounds();
        b.height = height;
        tree_.SetBounds(b);
    }
    void EndUpdate() override { tree_.EndUpdate(); }

private:
    TTreeView& tree_;
};

int WorkAreaHeight() {
    RECT area{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return ::GetSystemMetrics(SM_CYSCREEN);
    return area.bottom - area.top;
}

void SetHeight(Control& control, int height) {
    Bounds b = control.GetBounds();
    b.height = height;
    control.SetBounds(b);
}

}  // namespace

void TQelStartMenuFrm::ShowStartMenuForm() {
    RightColumnActive = false;
    for (auto& highlight : highlights_) highlight->SetImageIndex(-1);
    for (TImageNote* part :
         {&ImageNote_ShotDown_Left, &ImageNote_ShotDown_Middle, &ImageNote_ShotDown_Right, &ImageNote_PopMenu})
        part->SetImageIndex(0);
    DebugOut(L"ShowStartMenuForm");
    MenuShown = true;
    if (frmStartMenu) frmStartMenu->RedrawButton();
    HideSearchLayout();
    // The show handler runs before the window reaches the screen, so the
    // "win7" background is the desktop behind the menu.
    if (!IsVisible()) FormShow();
    SetVisible(true);
    try {
        ::SetFocus(Handle());
        Edit_Search.SetFocus();
        // Just below the button, which stays above the menu.
        if (frmStartMenu)
            ::SetWindowPos(Handle(), frmStartMenu->Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        BringWindowToFront(Handle());
    } catch (...) {
    }
}

void TQelStartMenuFrm::FormShow() {
    DebugOut(L"FormShow begin");
    RightIndex = 0;
    ::MenuHeight = kMenuStartHeight;
    SetBounds({Left(), Top(), Width(), kMenuStartHeight});
    FillProgramLists();
    LogoPicturePath = programFolder_ + L"Resources\\userframe.png";
    DebugOut(L"InitControlMarInset");
    InitControlMarInset();
    if (TreeView_Program.IsVisible()) {
        // The All Programs tree was left open: back to the two lists.
        AllProgramsShown = false;
        TreeView_StartProgramLst.SetVisible(true);
        TreeView_Program.SetVisible(false);
        lbl_Program.SetCaption(AllProgramsCaption);
        Image_ProgramLogo.SetImageIndex(0);
        if (TreeView_UserPind.Count() > 0) {
            TreeView_UserPind.SetVisible(true);
            Pnl_Step1.SetVisible(true);
        }
    }
    DebugOut(L"SetLeaveSearchEditData");
    SetLeaveSearchEditData();
    lbl_Program.SetCaption(AllProgramsCaption);
    try {
        Edit_Search.SetFocus();
        Edit_Search.SetSelection(0, 0);
    } catch (...) {
    }
    DebugOut(L"JisuanControlHeightLeftTop");
    JisuanControlHeightLeftTop();
    DebugOut(L"LoadWindowsStyle");
    LoadWindowsStyle();
    DebugOut(L"FormShow end");
}

void TQelStartMenuFrm::FillProgramLists() {
    SetHeight(TreeView_StartProgramLst, kFrequentListHeight);
    TreeView_StartProgramLst.Clear();
    TreeView_UserPind.Clear();

    DebugOut(L"GetUserPinSoftwareList");
    PinnedTree pinned(TreeView_UserPind);
    const int pinnedHeight =
        UserPinedManage().GetUserPinSoftwareList(pinned, Height(), WorkAreaHeight() - kListBottomMargin, false);

    DebugOut(L"GetUsuallySoftwareList");
    const FrequentListPlan plan = UseProgramManage().GetUsuallySoftwareList(
        Height() + pinnedHeight, false,
        [](std::wstring_view target) { return UserPinedManage().FindByTarget(target) != nullptr; });
    TreeView_StartProgramLst.BeginUpdate();
    for (const FrequentRow& row : plan.Rows)
        (void)TreeView_StartProgramLst.AddNode(nullptr, row.Caption, row.IconIndex, row.Record);
    SetHeight(TreeView_StartProgramLst, plan.TreeHeight);
    TreeView_StartProgramLst.SetVisible(plan.Visible);
    TreeView_StartProgramLst.EndUpdate();
}

void TQelStartMenuFrm::SetLeaveSearchEditData() {
    if (pnl_SearchClient.IsVisible()) return;
    Edit_Search.SetTextColor(kHintColour);
    Edit_Search.SetText(SearchHint);
}

void TQelStartMenuFrm::JisuanControlHeightLeftTop() {
    PlaceMenuWindow(Handle(), LogoX, LogoY);
    LayoutRightColumn();
    ShownLogoPath.clear();
    Timer_LogoShow.SetInterval(200);
    Timer_LogoShow.SetEnabled(true);
}

void TQelStartMenuFrm::HideMenu() {
    try {
        SetVisible(false);
        MenuShown = false;
        if (frmStartMenu) frmStartMenu->RedrawButton();
    } catch (...) {
    }
}

void TQelStartMenuFrm::HoldPosition(WINDOWPOS& pos) const {
    // Nobody moves the menu or changes its height; only the width may change.
    if (!(pos.flags & SWP_NOMOVE)) {
        pos.x = MenuX;
        pos.y = MenuY;
    }
    if (!(pos.flags & SWP_NOSIZE)) pos.cy = ::MenuHeight;
}
