#include "app/application.h"

namespace {

constexpr WindowClass kApplicationClass{L"TApplication"};

}  // namespace

bool Application::Initialize() {
    if (guard_.Settle() != SingleInstanceGuard::Outcome::First) return false;
    // Hidden and zero-sized: the main window owns the taskbar presence.
    if (!Create(kApplicationClass, WS_EX_TOOLWINDOW, WS_POPUP, L"Dravix", {}, nullptr)) return false;
    guard_.Subclass(Handle());
    return true;
}

int Application::Run() {
    MSG message;
    while (!terminated_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    terminated_ = true;
    return 0;
}

void Application::Terminate() noexcept {
    terminated_ = true;
    ::PostQuitMessage(0);
}
