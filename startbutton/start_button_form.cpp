#include "startbutton/start_button_form.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shellapi.h>
#include <shldisp.h>
#include <wrl/client.h>

#include "app/application.h"
#include "app/process_flags.h"
#include "catalogue/window_placement.h"
#include "platform/gdi_scope.h"
#include "platform/debug_output.h"
#include "platform/system_actions.h"
#include "settings/data_folder.h"
#include "settings/language.h"
#include "settings/main_ini.h"
#include "settings/profile_ini_file.h"
#include "settings/special_paths.h"
#include "startbutton/companion_interface.h"
#include "startbutton/taskbar_placement.h"
#include "startmenu/start_menu_form.h"

namespace {

constexpr WindowClass kStartButtonClass{companion::dravix::kStartButtonClass, CS_DBLCLKS};
constexpr int kButtonSize = 54;
constexpr BYTE kNumpad1 = 0x61;
// The built-in pictures, in state order (normal, hover, pressed).
constexpr const wchar_t* kBuiltInPictures[] = {L"BUTTON_NORMAL", L"BUTTON_HOVER", L"BUTTON_PRESSED"};
constexpr const wchar_t* kSkinSuffixes[] = {L"_normal.png", L"_hover.png", L"_click.png"};
// Per-pixel alpha, drawn over what lies below: the picture is the window.
constexpr BLENDFUNCTION kBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HWND FindTaskbar() { return ::FindWindowW(companion::taskbar::kTrayClass, nullptr); }

// The picture sits against the taskbar's inner edge: down on a bottom
// taskbar, up on a top one, centred on a vertical one.
int PictureOffset(int edge) {
    switch (edge) {
    case 1: return 7;
    case 3: return -7;
    default: return 0;
    }
}

}  // namespace

TfrmStartMenu::TfrmStartMenu() : Form(L"frmStartMenu") {
    for (Component* component : std::initializer_list<Component*>{
             &PopupMenu1, &Menu_StartButtonSkin, &Menu_StartMenuMetrol, &Menu_StartButtonRun, &N2, &Menu_Exit,
             &ImageNote_Default, &lbl_Event, &Timer1})
        Own(*component);
    for (TMenuItem* item : {&Menu_StartButtonSkin, &Menu_StartMenuMetrol, &Menu_StartButtonRun, &N2, &Menu_Exit})
        PopupMenu1.Add(*item);

    ImageNote_Default.SetBounds({0, 0, kButtonSize, kButtonSize});
    ImageNote_Default.SetVisible(false);
    ImageNote_Default.SetStretch(true);
    lbl_Event.SetAutoSize(false);
    lbl_Event.SetCaption(L"");
    lbl_Event.SetBounds({0, 0, kButtonSize, kButtonSize});
    InsertControl(ImageNote_Default);
    InsertControl(lbl_Event);

    lbl_Event.OnMouseDown = [this](MouseButton button, POINT) { ImageNote_Button1MouseDown(button); };
    lbl_Event.OnMouseEnter = [this] { ImageNote_Button1MouseEnter(); };
    lbl_Event.OnMouseLeave = [this] { ImageNote_Button1MouseLeave(); };
    Menu_StartButtonSkin.OnClick = [this] { Menu_StartButtonSkinClick(); };
    Menu_StartMenuMetrol.OnClick = [this] { Menu_StartMenuMetrolClick(); };
    Menu_StartButtonRun.OnClick = [this] { Menu_StartButtonRunClick(); };
    Menu_Exit.OnClick = [this] { Menu_ExitClick(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

bool TfrmStartMenu::CreateForm() {
    // No owner, no taskbar button and no Alt+Tab entry.
    if (!Form::CreateForm(kStartButtonClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP,
                          companion::dravix::kStartButtonCaption, {0, 0, kButtonSize, kButtonSize}))
        return false;
    FormCreate();
    return true;
}

void TfrmStartMenu::FormCreate() {
    AllowClose = false;
    createdExStyle_ = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
    ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, createdExStyle_ | WS_EX_LAYERED);

    const HMODULE module = ::GetModuleHandleW(nullptr);
    for (const wchar_t* name : kBuiltInPictures) ImageNote_Default.Items.Add(Picture::FromResource(module, name));
    SkinFolder = TAppFrame().ExePath + L"StartButtonSkin\\";
    LoadButtonSkin();
    if (Language) Language->TranslateComponent(*this);
}

void TfrmStartMenu::FormShow() {
    if (shownOnce_) return;
    shownOnce_ = true;
    Timer1.SetEnabled(true);
}

bool TfrmStartMenu::FormCloseQuery() const { return AllowClose; }

void TfrmStartMenu::LoadButtonSkin() {
    SkinName = TIniFile(GetDataFolder() + std::wstring(main_ini::kFileName))
                   .ReadString(main_ini::kSkinName.section, main_ini::kSkinName.key, main_ini::kSkinName.fallback);
    DebugOut(L"StartSkinName: " + SkinName);
    CheckSkinFiles();
    ::SetWindowPos(Handle(), nullptr, 0, 0, kButtonSize, kButtonSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    DrawButtonState(0);
}

void TfrmStartMenu::CheckSkinFiles() {
    // A partial skin is no skin: all three pictures come from one source.
    UseDefaultSkin = !(FileExists(SkinFile(2)) && FileExists(SkinFile(1)) && FileExists(SkinFile(0)));
}

std::wstring TfrmStartMenu::SkinFile(int state) const { return SkinFolder + SkinName + kSkinSuffixes[state]; }

void TfrmStartMenu::DrawButtonState(int state) {
    if (!Handle() || state < 0 || state > 2) return;
    RECT rect;
    ::GetWindowRect(Handle(), &rect);
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    if (size.cx <= 0 || size.cy <= 0) return;

    WindowDc screen;
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueHbitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap) return;
    SelectedObject selected(memory.get(), bitmap.get());

    if (!(createdExStyle_ & WS_EX_LAYERED))
        ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, createdExStyle_ | WS_EX_LAYERED);

    // A skin file that is not a readable picture draws nothing: the window
    // then shows a fully transparent image.
    const Picture source = UseDefaultSkin ? ImageNote_Default.Items[state].Picture : Picture::FromFile(SkinFile(state));
    if (Gdiplus::Bitmap* picture = source.Bitmap()) {
        const int edge = GetTaskbarEdge(FindTaskbar());
        const int offset = PictureOffset(edge);
        DebugOut(std::to_wstring(offset) + L"," + std::to_wstring(size.cy) + L"," + std::to_wstring(edge));
        Gdiplus::Graphics graphics(memory.get());
        graphics.DrawImage(picture, 0, offset, static_cast<INT>(picture->GetWidth()),
                           static_cast<INT>(picture->GetHeight()));
    }

    POINT destination{rect.left, rect.top};
    POINT origin{0, 0};
    ::UpdateLayeredWindow(Handle(), screen.get(), &destination, const_cast<SIZE*>(&size), memory.get(), &origin, 0,
                          const_cast<BLENDFUNCTION*>(&kBlend), ULW_ALPHA);
}

void TfrmStartMenu::RedrawButton() { DrawButtonState(MenuShown ? 2 : ButtonHover ? 1 : 0); }

void TfrmStartMenu::ToggleStartMenu() {
    if (!StartupLoaded) return;  // WinKeyOpenPending stays as it is
    try {
        if (QelStartMenuFrm && QelStartMenuFrm->IsVisible()) {
            DebugOut(L"v_Show_StartMenu False");
            QelStartMenuFrm->HideMenu();
        } else if (QelStartMenuFrm) {
            DebugOut(L"v_Show_StartMenu True");
            QelStartMenuFrm->ShowStartMenuForm();
            ::SetFocus(Handle());
            ::SetFocus(QelStartMenuFrm->Handle());
            ::SwitchToThisWindow(QelStartMenuFrm->Handle(), TRUE);
        }
    } catch (...) {
    }
    WinKeyOpenPending = false;
}

void TfrmStartMenu::ExitProgram(bool releaseKeys) {
    AllowClose = true;
    RestoreTaskbar();
    if (!releaseKeys) return;
    // Numpad 1 goes down around the Windows-key releases so the system never
    // sees a lone Windows-key press (which would open its start screen).
    SystemActions& actions = Actions();
    actions.KeyEvent(kNumpad1, 0, 0, 0);
    actions.KeyEvent(VK_LWIN, 0, KEYEVENTF_KEYUP, 0);
    actions.KeyEvent(VK_RWIN, 0, KEYEVENTF_KEYUP, 0);
    actions.KeyEvent(kNumpad1, 0, KEYEVENTF_KEYUP, 0);
    if (App) App->Terminate();
}

void TfrmStartMenu::ImageNote_Button1MouseDown(MouseButton button) {
    if (button == MouseButton::Left) {
        ToggleStartMenu();
    } else if (button == MouseButton::Right) {
        // The button's own menu opens next, through the label's popup binding.
        if (QelStartMenuFrm && QelStartMenuFrm->IsVisible()) QelStartMenuFrm->HideMenu();
    }
}

void TfrmStartMenu::ImageNote_Button1MouseEnter() {
    ButtonHover = true;
    DebugOut(std::to_wstring(Width()) + L"," + std::to_wstring(Height()));
    if (!MenuShown) DrawButtonState(1);
}

void TfrmStartMenu::ImageNote_Button1MouseLeave() {
    ButtonHover = false;
    if (!MenuShown) DrawButtonState(0);
}

void TfrmStartMenu::Menu_StartButtonSkinClick() {
    const std::wstring settings = TAppFrame().ExePath + companion::files::kCalibrixExe;
    ::ShellExecuteW(nullptr, L"open", settings.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmStartMenu::Menu_StartMenuMetrolClick() {
    // The switch to the start screen joins with the global hotkeys.
}

void TfrmStartMenu::Menu_StartButtonRunClick() {
    Microsoft::WRL::ComPtr<IShellDispatch> shell;
    if (SUCCEEDED(::CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shell))))
        shell->FileRun();
}

void TfrmStartMenu::Menu_ExitClick() { ExitProgram(true); }

void TfrmStartMenu::Timer1Timer() {
    HWND taskbar = FindTaskbar();
    Timer1.SetEnabled(false);
    EmbedButtonInTaskbar(Handle());
    // Just above the taskbar in the z-order, and in front.
    constexpr UINT kKeep = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
    ::SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
    ::SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, kKeep);
    ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, kKeep);
    if (taskbar) ::SetWindowPos(taskbar, Handle(), 0, 0, 0, 0, kKeep);
    ::BringWindowToTop(Handle());
    BringWindowToFront(Handle());
}

bool TfrmStartMenu::SnapToTaskbar(int& x, int& y) const {
    HWND taskbar = FindTaskbar();
    return taskbar && PositionWindowAtTaskbar(Handle(), taskbar, &x, &y);
}

LRESULT TfrmStartMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Alt+F4 and every other close request is refused unless the program is ending.
        if (FormCloseQuery()) SetVisible(false);
        return 0;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
        AllowClose = true;
        return TRUE;
    case WM_SHOWWINDOW:
        if (wParam) FormShow();
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) {
            if (HWND taskbar = FindTaskbar()) PositionWindowAtTaskbar(Handle(), taskbar);
        }
        break;
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOMOVE)) SnapToTaskbar(pos->x, pos->y);
        break;
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOMOVE)) DrawButtonState(0);  // a move shows the normal face
        break;
    }
    case companion::dravix::kToggleMenuMessage:
        if (!WinKeyOpenPending) {
            WinKeyOpenPending = true;
            ToggleStartMenu();
        }
        return 0;
    case companion::dravix::kHideAndReleaseMessage:
        DebugOut(L"WMKillExe");
        if (QelStartMenuFrm) QelStartMenuFrm->HideMenu();
        SetVisible(false);
        RestoreTaskbar();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
