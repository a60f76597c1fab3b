#pragma once
// Reads what programs write with OutputDebugString, in order, the way debug
// viewers do (the DBWIN shared buffer). Only one reader can run per Wine
// prefix or Windows session, so tests that use it hold the desktop lock.

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/unique_handle.h"

struct DebugLine {
    DWORD pid;
    std::wstring text;
};

class DebugOutputCapture {
public:
    DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;
    ~DebugOutputCapture();

    // False when another reader holds the buffer or it could not be made.
    [[nodiscard]] bool IsListening() const { return reader_.joinable(); }

    // Every line so far (of one process, when pid is not 0), in order.
    std::vector<DebugLine> Lines(DWORD pid = 0) const;
    std::vector<std::wstring> Texts(DWORD pid = 0) const;

    // Waits until a line equal to `text` has arrived (from `pid`, when not 0).
    bool WaitFor(const std::wstring& text, DWORD pid = 0, DWORD timeoutMs = 10000) const;

private:
    void Read();

    UniqueKernelHandle bufferReady_;
    UniqueKernelHandle dataReady_;
    UniqueKernelHandle section_;
    UniqueMappedView view_;
    UniqueKernelHandle stop_;
    std::thread reader_;

    mutable std::mutex lock_;
    std::vector<DebugLine> lines_;
};
