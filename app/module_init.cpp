#include "app/module_init.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <versionhelpers.h>

#include "platform/debug_output.h"

void EnableDpiAwareness() {
    if (!::IsWindowsVistaOrGreater()) return;
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32) return;
    using DpiCall = BOOL(WINAPI*)();
    const auto setAware = reinterpret_cast<DpiCall>(reinterpret_cast<void*>(::GetProcAddress(user32, "SetProcessDPIAware")));
    try {
        if (setAware) setAware();
    } catch (...) {
    }
    DebugOut(L"SetProcessDPIAware");
}

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;  // version 1
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) token_ = token;
}

GdiplusSession::~GdiplusSession() {
    if (token_) Gdiplus::GdiplusShutdown(static_cast<ULONG_PTR>(token_));
}

const std::vector<std::wstring>& ProgramExtensions() {
    static const std::vector<std::wstring> extensions{L".exe", L".lnk"};
    return extensions;
}

const std::wstring& LoginUserName() {
    static const std::wstring name = [] {
        wchar_t buffer[260];
        DWORD length = 260;
        if (!::GetUserNameW(buffer, &length) || length == 0) return std::wstring();
        return std::wstring(buffer, length - 1);  // length counts the terminator
    }();
    return name;
}
