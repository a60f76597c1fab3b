// How long the start menu takes to open, against a bare popup of the same size
// shown the same way. Not a test: run it by hand under the Wine session
//   tools/wine-exec build/win64/wine build/win64/bin/menu_open_benchmark.exe [runs] [win8|win7]
// (20 runs, the "win8" look unless told otherwise).
//
// A window counts as open when, after the message that opens it was posted:
//   1. IsWindowVisible says so;
//   2. a WM_NULL sent to it comes back, so the handler that showed it has
//      returned and whatever it invalidated is in the update regions;
//   3. neither it nor any visible child window has an update region left,
//      so every WM_PAINT it needed has at least begun (BeginPaint validates);
//   4. a second WM_NULL comes back, so the last of those paints has ended.
// That is "painted into the window", not "on the monitor": Wine copies a
// window's pixels to the X server a moment later, equally for both windows.
// The bare popup lives on a thread of this process with its own message loop,
// so it is observed from outside its thread just as the menu is.

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/harness/debug_capture.h"
#include "tests/harness/files.h"
#include "tests/harness/paths.h"
#include "tests/harness/program_under_test.h"
#include "tests/harness/taskbar_standin.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr UINT kToggleMenu = 0x7E8;  // what the Windows key sends the start button
constexpr ULONGLONG kTimeoutMs = 10000;
constexpr wchar_t kPopupClass[] = L"DravixBenchmarkPopup";

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool TimedOut(ULONGLONG deadline) { return ::GetTickCount64() >= deadline; }

bool RoundTrip(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &result) != 0;
}

BOOL CALLBACK NoteUnpaintedChild(HWND child, LPARAM param) {
    if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

bool HasPendingPaint(HWND window) {
    bool pending = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending) ::EnumChildWindows(window, NoteUnpaintedChild, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// Milliseconds from the post to each step above.
struct OpenResult {
    double visible;
    double handled;
    double painted;        // the step that counts
    bool sawPendingPaint;  // a paint was still due after the show handler returned
};

// Posts the toggle to `target` and times `window` until it is open as
// described at the top. Polls about every millisecond: spinning would take a
// core from the programs being measured, and a build machine may have two.
std::optional<OpenResult> TimeOpen(HWND target, HWND window) {
    const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
    const auto start = Clock::now();
    if (!::PostMessageW(target, kToggleMenu, 0, 0)) return std::nullopt;
    while (!::IsWindowVisible(window)) {
        if (TimedOut(deadline)) return std::nullopt;
        ::Sleep(1);
    }
    const double visible = MillisecondsSince(start);
    if (!RoundTrip(window)) return std::nullopt;
    const double handled = MillisecondsSince(start);
    bool sawPending = false;
    while (HasPendingPaint(window)) {
        sawPending = true;
        if (TimedOut(deadline)) return std::nullopt;
        ::Sleep(1);
    }
    if (!RoundTrip(window)) return std::nullopt;
    return OpenResult{visible, handled, MillisecondsSince(start), sawPending};
}

bool Close(HWND target, HWND window) {
    if (!::PostMessageW(target, kToggleMenu, 0, 0)) return false;
    const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
    while (::IsWindowVisible(window)) {
        if (TimedOut(deadline)) return false;
        ::Sleep(1);
    }
    return true;
}

// The baseline: a plain WS_POPUP that paints itself white and shows or hides
// on the same toggle message.
LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kToggleMenu:
        ::ShowWindow(window, ::IsWindowVisible(window) ? SW_HIDE : SW_SHOW);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        ::FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::EndPaint(window, &paint);
        return 0;
    }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class BarePopup {
public:
    explicit BarePopup(const RECT& rect) : thread_([this, rect] { Run(rect); }) {
        const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
        while (!created_.load() && !TimedOut(deadline)) ::Sleep(1);
    }
    BarePopup(const BarePopup&) = delete;
    BarePopup& operator=(const BarePopup&) = delete;
    ~BarePopup() {
        if (window_) ::PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    [[nodiscard]] HWND Window() const { return window_; }

private:
    void Run(const RECT& rect) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = PopupProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kPopupClass;
        ::RegisterClassExW(&wc);
        window_ = ::CreateWindowExW(0, kPopupClass, L"Bare popup", WS_POPUP, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                    wc.hInstance, nullptr);
        created_ = true;
        if (!window_) return;
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    }

    HWND window_ = nullptr;
    std::atomic<bool> created_{false};
    std::thread thread_;
};

struct Summary {
    double min, median, max;
};

Summary Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return {ms.front(), median, ms.back()};
}

template <typename Field>
Summary SummariseField(const std::vector<OpenResult>& runs, Field field) {
    std::vector<double> values;
    for (const OpenResult& run : runs) values.push_back(run.*field);
    return Summarise(values);
}

// One line per window: the painted times, the median of each earlier step,
// and how often a paint was still due once the show handler had returned.
Summary PrintSeries(const char* name, const std::vector<OpenResult>& runs) {
    const Summary painted = SummariseField(runs, &OpenResult::painted);
    const auto pending = std::count_if(runs.begin(), runs.end(), [](const OpenResult& r) { return r.sawPendingPaint; });
    std::printf("%-11s %8.2f %8.2f %8.2f   %8.2f %8.2f   %lld of %zu\n", name, painted.min, painted.median, painted.max,
                SummariseField(runs, &OpenResult::visible).median, SummariseField(runs, &OpenResult::handled).median,
                static_cast<long long>(pending), runs.size());
    return painted;
}

bool WaitForTextStarting(const DebugOutputCapture& debug, std::wstring_view prefix, DWORD pid) {
    const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
    for (;;) {
        for (const std::wstring& text : debug.Texts(pid))
            if (text.starts_with(prefix)) return true;
        if (TimedOut(deadline)) return false;
        ::Sleep(20);
    }
}

bool WriteStyle(const std::wstring& profile, const wchar_t* style) {
    const std::wstring folder = profile + L"\\AppData\\LocalLow\\Kavor\\Dravix";
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    std::string text = "\xEF\xBB\xBF[Main]\r\nWindowsStyle=";
    for (const wchar_t* c = style; *c; ++c) text.push_back(static_cast<char>(*c));
    text += "\r\n";
    return WriteBytes(folder + L"\\Main.ini", text);
}

int Measure(const std::wstring& profile, int runs, const wchar_t* style) {
    TaskbarStandIn taskbar;
    if (!taskbar.IsReady()) {
        std::printf("the taskbar stand-in did not start\n");
        return 1;
    }
    DebugOutputCapture debug;
    if (!debug.IsListening()) {
        std::printf("cannot read the debug output (another reader holds it?)\n");
        return 1;
    }
    if (!WriteStyle(profile, style)) {
        std::printf("cannot write Main.ini\n");
        return 1;
    }
    ProgramUnderTest dravix(ProgramPath(L"Dravix.exe"), LaunchOptions{.environment = {{L"USERPROFILE", profile}}});
    HWND menu = dravix.WaitForWindow(L"TQelStartMenuFrm", L"Kavor_Dravix");
    HWND button = dravix.WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button");
    if (!menu || !button || !WaitForTextStarting(debug, L"JisuanWidthandImagenoteWidth: ", dravix.Pid())) {
        std::printf("Dravix did not finish starting\n");
        return 1;
    }

    // The first open loads icons and pictures; it is reported on its own.
    const std::optional<OpenResult> first = TimeOpen(button, menu);
    if (!first || !Close(button, menu)) {
        std::printf("the menu did not open and close\n");
        return 1;
    }
    RECT rect{};
    ::GetWindowRect(menu, &rect);
    BarePopup popup(rect);
    if (!popup.Window()) {
        std::printf("cannot create the bare popup\n");
        return 1;
    }

    // Alternating, so a slow spell of the machine hits both series alike.
    std::vector<OpenResult> menuRuns, popupRuns;
    for (int run = 0; run < runs; ++run) {
        const std::optional<OpenResult> m = TimeOpen(button, menu);
        if (!m || !Close(button, menu)) {
            std::printf("run %d: the menu did not open and close\n", run + 1);
            return 1;
        }
        const std::optional<OpenResult> p = TimeOpen(popup.Window(), popup.Window());
        if (!p || !Close(popup.Window(), popup.Window())) {
            std::printf("run %d: the bare popup did not open and close\n", run + 1);
            return 1;
        }
        menuRuns.push_back(*m);
        popupRuns.push_back(*p);
    }

    std::printf("look %ls, window %ld x %ld, %d runs; the menu's first open: %.1f ms\n", style,
                rect.right - rect.left, rect.bottom - rect.top, runs, first->painted);
    std::printf("%-11s %8s %8s %8s   %8s %8s   %s\n", "", "painted", "", "", "visible", "handled", "paint");
    std::printf("%-11s %8s %8s %8s   %8s %8s   %s\n", "ms", "min", "median", "max", "median", "median", "still due");
    const Summary menuPainted = PrintSeries("start menu", menuRuns);
    const Summary popupPainted = PrintSeries("bare popup", popupRuns);
    std::printf("median start menu / median bare popup: %.1f\n", menuPainted.median / popupPainted.median);

    const std::vector<std::wstring> texts = debug.Texts(dravix.Pid());
    const auto shows = std::count(texts.begin(), texts.end(), std::wstring(L"FormShow end"));
    if (shows != runs + 1)
        std::printf("note: the show handler ran %lld times for %d opens\n", static_cast<long long>(shows), runs + 1);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 20;
    const wchar_t* style = argc > 2 ? argv[2] : L"win8";
    const std::wstring profile = MakeScratchFolder();
    if (profile.empty()) return 2;
    const int code = Measure(profile, runs > 0 ? runs : 20, style);
    RemoveFolder(profile);
    return code;
}
