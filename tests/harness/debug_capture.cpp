#include "tests/harness/debug_capture.h"

namespace {

constexpr DWORD kBufferSize = 4096;

struct DbwinBuffer {
    DWORD pid;
    char text[kBufferSize - sizeof(DWORD)];
};

std::wstring FromAnsi(const char* text, std::size_t maxLength) {
    const int length = static_cast<int>(strnlen(text, maxLength));
    if (length == 0) return {};
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    std::wstring result(wide, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, length, result.data(), wide);
    return result;
}

}  // namespace

DebugOutputCapture::DebugOutputCapture() {
    dataReady_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY"));
    // An existing "DBWIN_DATA_READY" means another reader is at work.
    if (!dataReady_ || ::GetLastError() == ERROR_ALREADY_EXISTS) return;
    bufferReady_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY"));
    stop_.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    section_.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize, L"DBWIN_BUFFER"));
    if (!bufferReady_ || !stop_ || !section_) return;
    view_.reset(::MapViewOfFile(section_.get(), FILE_MAP_READ, 0, 0, kBufferSize));
    if (!view_) return;
    reader_ = std::thread([this] { Read(); });
}

DebugOutputCapture::~DebugOutputCapture() {
    if (reader_.joinable()) {
        ::SetEvent(stop_.get());
        reader_.join();
    }
}

void DebugOutputCapture::Read() {
    const auto* buffer = static_cast<const DbwinBuffer*>(view_.get());
    const HANDLE waits[] = {dataReady_.get(), stop_.get()};
    for (;;) {
        ::SetEvent(bufferReady_.get());
        if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) return;
        DebugLine line{buffer->pid, FromAnsi(buffer->text, sizeof buffer->text)};
        // A writer may end a text with a line break; the text is what matters.
        while (!line.text.empty() && (line.text.back() == L'\n' || line.text.back() == L'\r')) line.text.pop_back();
        std::lock_guard guard(lock_);
        lines_.push_back(std::move(line));
    }
}

std::vector<DebugLine> DebugOutputCapture::Lines(DWORD pid) const {
    std::lock_guard guard(lock_);
    if (pid == 0) return lines_;
    std::vector<DebugLine> result;
    for (const DebugLine& line : lines_)
        if (line.pid == pid) result.push_back(line);
    return result;
}

std::vector<std::wstring> DebugOutputCapture::Texts(DWORD pid) const {
    std::vector<std::wstring> texts;
    for (DebugLine& line : Lines(pid)) texts.push_back(std::move(line.text));
    return texts;
}

bool DebugOutputCapture::WaitFor(const std::wstring& text, DWORD pid, DWORD timeoutMs) const {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        for (const DebugLine& line : Lines(pid))
            if (line.text == text) return true;
        if (::GetTickCount64() >= deadline) return false;
        ::Sleep(20);
    }
}
