// Dravix: the start menu program. The entry sequence: settle the single
// instance, read the language, create the three windows in order, run.

#include <windows.h>
#include <objbase.h>

#include "app/application.h"
#include "app/main_form.h"
#include "app/module_init.h"
#include "app/process_flags.h"
#include "catalogue/pinned_manage.h"
#include "catalogue/start_menu_manage.h"
#include "catalogue/use_program_manage.h"
#include "platform/debug_output.h"
#include "settings/data_folder.h"
#include "settings/language.h"
#include "startbutton/start_button_form.h"
#include "startbutton/taskbar_placement.h"
#include "startmenu/start_menu_form.h"

namespace {

// COM for the main thread: the shell objects the windows use live here.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) ::CoUninitialize();
    }

private:
    bool initialised_;
};

// Clears a window's global reference before the window itself goes away, so
// no late message reaches a destroyed object through it.
template <typename T>
class GlobalReference {
public:
    GlobalReference(T*& global, T& object) : global_(global) { global_ = &object; }
    GlobalReference(const GlobalReference&) = delete;
    GlobalReference& operator=(const GlobalReference&) = delete;
    ~GlobalReference() { global_ = nullptr; }

private:
    T*& global_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    EnableDpiAwareness();
    (void)LoginUserName();
    (void)UseProgramManage();
    (void)UserPinedManage();
    (void)StartMenuManage();
    GdiplusSession gdiplus;
    ComApartment com;

    Application application;
    GlobalReference appReference(App, application);
    if (!application.Initialize()) return 0;

    CreateGlobalLanguage().LoadLanguage(GetLanguageSetting());

    // Each window is created completely before the next one.
    TfrmMainForm mainForm;
    GlobalReference mainReference(frmMainForm, mainForm);
    TQelStartMenuFrm startMenu;
    GlobalReference menuReference(QelStartMenuFrm, startMenu);
    TfrmStartMenu startButton;
    GlobalReference buttonReference(frmStartMenu, startButton);
    if (!mainForm.CreateForm() || !startMenu.CreateForm() || !startButton.CreateForm()) return 1;
    DebugOut(L"TfrmStartMenu.Create");

    EmbedButtonInTaskbar(startButton.Handle());
    startButton.lbl_Event.PopupMenu = &startButton.PopupMenu1;

    // Until the start-up loader takes this over: the lists are loaded here,
    // and the button answers clicks as soon as they are.
    UserPinedManage().LoadPinnedPrograms();
    UseProgramManage().LoadFrequentPrograms();
    startMenu.ApplyMenuFonts();
    startMenu.LoadSystemImageLists();
    startMenu.ApplyLanguageCaptions();
    startMenu.JisuanWidthandImagenoteWidth();
    StartupLoaded = true;
    return application.Run();
}
