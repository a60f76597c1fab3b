// The named channel (Relaybus.dll) and the main program's wrapper around it:
// senders in this process, receivers in a probe process or on a thread here.

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "channel/channel.h"
#include "relaybus.h"
#include "startbutton/companion_interface.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/program_under_test.h"

namespace {

using namespace companion;

constexpr wchar_t kProbeReady[] = L"RelayReceiverProbe ready";
constexpr DWORD kReplyCapacity = 4096;

// The probe's line for one received string (its escaping keeps the text ANSI-safe).
std::wstring ProbeLine(std::wstring_view channel, std::wstring_view data) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring line = L"RelayReceiverProbe: " + std::wstring(channel) + L" ";
    for (const wchar_t c : data) {
        const auto unit = static_cast<unsigned>(c);
        if (unit >= 0x20 && unit < 0x7F && c != L'\\') {
            line.push_back(c);
            continue;
        }
        line += L"\\x";
        for (int shift = 12; shift >= 0; shift -= 4) line.push_back(kHex[(unit >> shift) & 0xF]);
    }
    return line;
}

// A probe process serving `channels` (separated by spaces), ready to receive.
class ProbeReceiver {
public:
    ProbeReceiver(const DebugOutputCapture& capture, const std::wstring& channels)
        : capture_(capture), probe_(ToolPath(L"RelayReceiverProbe.exe"), channels) {}

    [[nodiscard]] bool Ready() const { return probe_.IsRunning() && capture_.WaitFor(kProbeReady, probe_.Pid()); }

    // What the probe has written after its ready line, once `last` has arrived.
    std::vector<std::wstring> ReceivedUpTo(const std::wstring& last) const {
        if (!capture_.WaitFor(last, probe_.Pid())) return {L"(timed out waiting for: " + last + L")"};
        std::vector<std::wstring> texts = capture_.Texts(probe_.Pid());
        if (!texts.empty() && texts.front() == kProbeReady) texts.erase(texts.begin());
        return texts;
    }

    ProgramUnderTest& Process() { return probe_; }

private:
    const DebugOutputCapture& capture_;
    ProgramUnderTest probe_;
};

struct FuncResult {
    BYTE result = 0;
    DWORD replyBytes = 0;
    std::vector<wchar_t> reply;
};

// Func with a reply buffer pre-filled with 'x', as a caller that does not clear it.
FuncResult CallFunc(const wchar_t* channel, const wchar_t* data, DWORD dataBytes,
                    DWORD capacity = kReplyCapacity, bool withBuffer = true, bool withCapacity = true) {
    FuncResult call;
    call.reply.assign(kReplyCapacity, L'x');
    call.replyBytes = capacity;
    call.result = Func(channel, data, dataBytes, withBuffer ? call.reply.data() : nullptr,
                       withCapacity ? &call.replyBytes : nullptr);
    return call;
}

DWORD BytesOf(std::wstring_view text) { return static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)); }

}  // namespace

TEST(Channel, SendChannelString_DeliversEachStringOnItsChannelExactlyAndInOrder) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    ProbeReceiver receiver(capture, std::wstring(keyvane::kEnableChannel) + L" " + qorvit::kHookChannel);
    ASSERT_TRUE(receiver.Ready());

    const struct {
        const wchar_t* channel;
        std::wstring value;
    } sends[] = {
        {keyvane::kEnableChannel, keyvane::kDisableValue},
        {qorvit::kHookChannel, qorvit::kStartValue},
        {keyvane::kEnableChannel, keyvane::kEnableValue},
        {qorvit::kHookChannel, L""},
        {keyvane::kEnableChannel, L"two  words,\ta tab \\ and a backslash "},
        {keyvane::kEnableChannel, L"Gr\u00fc\u00dfe \u65e5\u672c \U0001F600"},
        {qorvit::kHookChannel, std::wstring(1500, L'k') + L"end"},
        {qorvit::kHookChannel, qorvit::kKillValue},
    };
    std::vector<std::wstring> expected;
    for (const auto& send : sends) {
        // The library's receivers answer nothing, delivered or not.
        EXPECT_EQ(SendChannelString(send.channel, send.value), L"") << ProbeLine(send.channel, send.value);
        expected.push_back(ProbeLine(send.channel, send.value));
    }
    EXPECT_EQ(receiver.ReceivedUpTo(expected.back()), expected);
}

TEST(Channel, Func_AnswersZeroAndAnEmptyReplyWhenNoReceiverHasTheChannel) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    ProbeReceiver receiver(capture, qorvit::kHookChannel);
    ASSERT_TRUE(receiver.Ready());

    const struct {
        const char* name;
        const wchar_t* channel;
        const wchar_t* data;
    } cases[] = {
        {"never registered", L"Relay_NobodyListens", L"Start"},
        {"same name in other case", L"keyvane_win", L"Start"},
        {"prefix of a served name", L"Keyvane_Wi", L"Start"},
        {"served name plus a space", L"Keyvane_Win ", L"Start"},
        {"empty name", L"", L"Start"},
        {"no name", nullptr, L"Start"},
        {"no data", qorvit::kHookChannel, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FuncResult call = CallFunc(c.channel, c.data, c.data ? BytesOf(c.data) : 0);
        EXPECT_EQ(call.result, 0);
        EXPECT_EQ(call.reply[0], L'\0');
        EXPECT_EQ(call.replyBytes, 0u);
        if (c.channel && c.data) {
            EXPECT_EQ(SendChannelString(c.channel, c.data), L"");
        }
    }

    // Nothing of the above reached the receiver of the served channel.
    ASSERT_EQ(CallFunc(qorvit::kHookChannel, L"marker", BytesOf(L"marker")).result, 1);
    EXPECT_EQ(receiver.ReceivedUpTo(ProbeLine(qorvit::kHookChannel, L"marker")),
              std::vector<std::wstring>{ProbeLine(qorvit::kHookChannel, L"marker")});
}

TEST(Channel, Func_AnswersZeroOnceTheReceiverProcessHasEnded) {
    const struct {
        const char* name;
        void (*end)(ProgramUnderTest&);
    } endings[] = {
        {"terminated", [](ProgramUnderTest& probe) { probe.End(); }},
        {"closed normally",
         [](ProgramUnderTest& probe) {
             HWND window = probe.WaitForWindow(L"RelayReceiverProbe", L"RelayReceiverProbe");
             ASSERT_NE(window, nullptr);
             ::PostMessageW(window, WM_CLOSE, 0, 0);
             ASSERT_EQ(probe.WaitForExit(), std::optional<DWORD>(0));
         }},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        DebugOutputCapture capture;
        ASSERT_TRUE(capture.IsListening());
        ProbeReceiver receiver(capture, L"Relay_GoesAway");
        ASSERT_TRUE(receiver.Ready());
        ASSERT_EQ(CallFunc(L"Relay_GoesAway", L"before", BytesOf(L"before")).result, 1);

        ending.end(receiver.Process());
        ASSERT_FALSE(receiver.Process().IsRunning());
        const FuncResult after = CallFunc(L"Relay_GoesAway", L"after", BytesOf(L"after"));
        EXPECT_EQ(after.result, 0);
        EXPECT_EQ(after.reply[0], L'\0');
        EXPECT_EQ(SendChannelString(L"Relay_GoesAway", L"after"), L"");
    }
}

TEST(Channel, Func_WithAWrongDataLengthDeliversTheStringAndReadsNoFurtherThanItsEnd) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    ProbeReceiver receiver(capture, qorvit::kHookChannel);
    ASSERT_TRUE(receiver.Ready());

    // "Start" with its terminator ends exactly at a page that cannot be read:
    // any read past the string faults.
    SYSTEM_INFO system{};
    ::GetSystemInfo(&system);
    const std::size_t page = system.dwPageSize;
    auto* pages = static_cast<BYTE*>(::VirtualAlloc(nullptr, 2 * page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(pages, nullptr);
    DWORD old = 0;
    ASSERT_TRUE(::VirtualProtect(pages + page, page, PAGE_NOACCESS, &old));
    const std::wstring_view value = qorvit::kStartValue;
    auto* data = reinterpret_cast<wchar_t*>(pages + page - BytesOf(value));
    value.copy(data, value.size());
    data[value.size()] = L'\0';

    const DWORD exact = BytesOf(value);
    constexpr DWORD kChar = sizeof(wchar_t);
    const struct {
        const char* name;
        DWORD dataBytes;
        std::wstring_view delivered;
    } cases[] = {
        {"exact", exact, value},
        {"a page too large", exact + static_cast<DWORD>(page), value},
        {"largest possible", 0xFFFFFFFFu, value},
        {"odd, one byte more", exact + 1, value},
        {"odd, one byte less", exact - 1, value},
        {"without the terminator", exact - kChar, value},
        {"shorter than the string", 2 * kChar, value.substr(0, 2)},
        {"odd and shorter", 2 * kChar + 1, value.substr(0, 2)},
        {"zero", 0, L""},
    };
    std::vector<std::wstring> expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CallFunc(qorvit::kHookChannel, data, c.dataBytes).result, 1);
        expected.push_back(ProbeLine(qorvit::kHookChannel, c.delivered));
    }
    ::VirtualFree(pages, 0, MEM_RELEASE);

    ASSERT_EQ(CallFunc(qorvit::kHookChannel, L"marker", BytesOf(L"marker")).result, 1);
    expected.push_back(ProbeLine(qorvit::kHookChannel, L"marker"));
    EXPECT_EQ(receiver.ReceivedUpTo(expected.back()), expected);
}

TEST(Channel, Func_WritesTheEmptyReplyOnlyWhereTheCapacityLeavesRoomForIt) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    ProbeReceiver receiver(capture, qorvit::kHookChannel);
    ASSERT_TRUE(receiver.Ready());

    const struct {
        const char* name;
        DWORD capacity;
        bool withBuffer;
        bool withCapacity;
        bool replyWritten;
    } cases[] = {
        {"4096 bytes", kReplyCapacity, true, true, true},
        {"room for the terminator only", sizeof(wchar_t), true, true, true},
        {"one byte", 1, true, true, false},
        {"no room", 0, true, true, false},
        {"no buffer", kReplyCapacity, false, true, false},
        {"no capacity", kReplyCapacity, true, false, false},
    };
    std::vector<std::wstring> expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring value = L"reply " + std::wstring(c.name, c.name + strlen(c.name));
        const FuncResult call =
            CallFunc(qorvit::kHookChannel, value.c_str(), BytesOf(value), c.capacity, c.withBuffer, c.withCapacity);
        EXPECT_EQ(call.result, 1);
        EXPECT_EQ(call.reply[0], c.replyWritten ? L'\0' : L'x');
        EXPECT_EQ(call.reply[1], L'x') << "only the terminator is written";
        if (c.withCapacity) {
            EXPECT_EQ(call.replyBytes, c.replyWritten ? sizeof(wchar_t) : 0u);
        }
        expected.push_back(ProbeLine(qorvit::kHookChannel, value));
    }
    EXPECT_EQ(receiver.ReceivedUpTo(expected.back()), expected);
}

namespace {

struct Received {
    DWORD thread;
    std::wstring channel;
    std::wstring data;
    DWORD unused[3];
};

std::mutex g_receivedLock;
std::vector<Received> g_received;

void WINAPI RecordMessage(const wchar_t* channel, const wchar_t* data, DWORD a, DWORD b, DWORD c) {
    const std::lock_guard lock(g_receivedLock);
    g_received.push_back({::GetCurrentThreadId(), channel, data, {a, b, c}});
}

// A thread that registers `channel` and pumps messages until told to quit.
class ReceiverThread {
public:
    explicit ReceiverThread(const wchar_t* channel) {
        std::promise<std::pair<DWORD, BOOL>> started;
        std::future<std::pair<DWORD, BOOL>> result = started.get_future();
        thread_ = std::thread([channel, &started] {
            MSG message;
            ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts
            const BOOL ok = Server(channel, RecordMessage);
            started.set_value({::GetCurrentThreadId(), ok});
            while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
        });
        std::tie(id_, registered_) = result.get();
    }
    ReceiverThread(const ReceiverThread&) = delete;
    ReceiverThread& operator=(const ReceiverThread&) = delete;
    ~ReceiverThread() { Stop(); }

    [[nodiscard]] DWORD Id() const { return id_; }
    [[nodiscard]] bool Registered() const { return registered_ != FALSE; }
    void Stop() {
        if (!thread_.joinable()) return;
        ::PostThreadMessageW(id_, WM_QUIT, 0, 0);
        thread_.join();
    }

private:
    std::thread thread_;
    DWORD id_ = 0;
    BOOL registered_ = FALSE;
};

}  // namespace

TEST(Channel, Server_RunsTheCallbackOnTheThreadThatRegistered) {
    constexpr wchar_t kChannel[] = L"Relay_ThreadReceiver";
    g_received.clear();
    ReceiverThread receiver(kChannel);
    ASSERT_TRUE(receiver.Registered());
    ASSERT_NE(receiver.Id(), ::GetCurrentThreadId());

    const std::wstring values[] = {
        keyvane::kDisableValue,
        L"Gr\u00fc\u00dfe \u65e5\u672c \U0001F600",
        std::wstring(kReplyCapacity - 1, L'\u00e9'),
        keyvane::kEnableValue,
    };
    for (const std::wstring& value : values) EXPECT_EQ(CallFunc(kChannel, value.c_str(), BytesOf(value)).result, 1);

    {
        const std::lock_guard lock(g_receivedLock);
        ASSERT_EQ(g_received.size(), std::size(values));
        for (std::size_t i = 0; i < g_received.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(g_received[i].thread, receiver.Id());
            EXPECT_EQ(g_received[i].channel, kChannel);
            EXPECT_EQ(g_received[i].data, values[i]);
            EXPECT_EQ(g_received[i].unused[0] | g_received[i].unused[1] | g_received[i].unused[2], 0u);
        }
    }

    // The thread's end takes its channel with it.
    receiver.Stop();
    EXPECT_EQ(CallFunc(kChannel, L"late", BytesOf(L"late")).result, 0);
}

TEST(Channel, Server_RefusesWhatCannotBeAChannel) {
    const std::wstring longest(255, L'c');
    const std::wstring tooLong(256, L'c');
    const struct {
        const char* name;
        const wchar_t* channel;
        RelaybusCallback callback;
        BOOL registered;
    } cases[] = {
        {"no name", nullptr, RecordMessage, FALSE},
        {"empty name", L"", RecordMessage, FALSE},
        {"no callback", L"Relay_NoCallback", nullptr, FALSE},
        {"256 characters", tooLong.c_str(), RecordMessage, FALSE},
        {"255 characters", longest.c_str(), RecordMessage, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Server(c.channel, c.callback) != FALSE, c.registered != FALSE);
        if (c.channel && *c.channel) {
            EXPECT_EQ(CallFunc(c.channel, L"x", BytesOf(L"x")).result, c.registered ? 1 : 0);
        }
    }
}
