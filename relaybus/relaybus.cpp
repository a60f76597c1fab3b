#include "relaybus.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>
#include <string_view>

namespace {

constexpr wchar_t kReceiverClass[] = L"RelaybusReceiver";
constexpr ULONG_PTR kChannelData = 0x52424453;  // 'RBDS': tells our blocks from stray WM_COPYDATA
constexpr UINT kSendTimeoutMs = 5000;
constexpr DWORD kMaxChannelChars = 255;

HINSTANCE g_module = nullptr;

struct Receiver {
    std::wstring channel;
    RelaybusCallback callback;
};

// The data as a string, whatever the sender put in the block: a block of odd
// size or without its terminator is cut at the last whole character.
std::wstring CopyString(const COPYDATASTRUCT& block) {
    if (!block.lpData) return {};
    const auto* chars = static_cast<const wchar_t*>(block.lpData);
    std::size_t count = block.cbData / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < count && chars[length] != L'\0') ++length;
    return std::wstring(chars, length);
}

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* receiver = reinterpret_cast<Receiver*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_COPYDATA: {
        const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!receiver || !block || block->dwData != kChannelData) return FALSE;
        // Nothing may unwind into user32: a failed copy (or a throwing
        // callback) counts as not delivered.
        try {
            const std::wstring data = CopyString(*block);
            receiver->callback(receiver->channel.c_str(), data.c_str(), 0, 0, 0);
            return TRUE;
        } catch (...) {
            return FALSE;
        }
    }
    case WM_NCDESTROY:
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete receiver;
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterReceiverClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ReceiverProc;
    wc.hInstance = g_module;
    wc.lpszClassName = kReceiverClass;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool ValidChannel(const wchar_t* channel) {
    if (!channel || !*channel) return false;
    DWORD length = 0;
    while (channel[length] && length <= kMaxChannelChars) ++length;
    return length <= kMaxChannelChars;
}

// FindWindowEx matches captions without regard to case; channel names are
// exact, so "keyvane_win" must not reach the receiver of "Keyvane_Win".
// InternalGetWindowText reads the stored caption without sending a message,
// so a receiver thread that is busy cannot stall the search.
HWND FindReceiver(const wchar_t* channel) {
    const std::wstring_view wanted(channel);
    wchar_t caption[kMaxChannelChars + 2];
    for (HWND window = ::FindWindowExW(HWND_MESSAGE, nullptr, kReceiverClass, channel); window;
         window = ::FindWindowExW(HWND_MESSAGE, window, kReceiverClass, channel)) {
        const int length = ::InternalGetWindowText(window, caption, static_cast<int>(std::size(caption)));
        if (length > 0 && wanted == std::wstring_view(caption, static_cast<std::size_t>(length))) return window;
    }
    return nullptr;
}

void WriteReply(wchar_t* reply, DWORD* replyBytes, bool delivered) {
    if (!replyBytes) return;
    if (reply && *replyBytes >= sizeof(wchar_t)) {
        reply[0] = L'\0';
        *replyBytes = delivered ? sizeof(wchar_t) : 0;
    } else {
        *replyBytes = 0;
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        ::DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

BOOL WINAPI Server(const wchar_t* channel, RelaybusCallback callback) {
    if (!ValidChannel(channel) || !callback || !RegisterReceiverClass()) return FALSE;
    // Callers need not be C++: no exception leaves this function.
    Receiver* receiver = nullptr;
    try {
        receiver = new Receiver{channel, callback};
    } catch (...) {
        return FALSE;
    }
    // A message-only window: the channel is found by class and name, never shown.
    HWND window = ::CreateWindowExW(0, kReceiverClass, channel, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, g_module,
                                    receiver);
    if (!window) {
        delete receiver;
        return FALSE;
    }
    // Senders may run at a lower integrity level than the receiver (a checker
    // started elevated); without this, UIPI drops their WM_COPYDATA silently.
    ::ChangeWindowMessageFilterEx(window, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    return TRUE;
}

BYTE WINAPI Func(const wchar_t* channel, const wchar_t* data, DWORD dataBytes, wchar_t* reply, DWORD* replyBytes) {
    bool delivered = false;
    if (ValidChannel(channel) && data) {
        if (HWND receiver = FindReceiver(channel)) {
            // Never send past the string's terminator, whatever length the caller gave.
            const std::size_t chars = wcsnlen(data, dataBytes / sizeof(wchar_t));
            const DWORD bytes = static_cast<DWORD>(std::min<std::size_t>(dataBytes, (chars + 1) * sizeof(wchar_t)));
            COPYDATASTRUCT block{kChannelData, bytes, const_cast<wchar_t*>(data)};
            DWORD_PTR answer = FALSE;
            delivered = ::SendMessageTimeoutW(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&block),
                                              SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs, &answer) != 0 &&
                        answer == TRUE;
        }
    }
    WriteReply(reply, replyBytes, delivered);
    return delivered ? 1 : 0;
}
