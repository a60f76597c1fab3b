#pragma once
// Relaybus.dll: named channels for short text commands between processes.
//
// A receiver calls Server(name, callback) on a thread that pumps messages;
// the library gives that thread a hidden window carrying the channel name, and
// the callback runs on it for every string sent on the channel. A sender calls
// Func, which finds the receiver's window and hands the data over with
// WM_COPYDATA, so the receiver gets its own copy.

#include <windows.h>

// Channel name, data, then three values this library always passes as 0.
using RelaybusCallback = void(WINAPI*)(const wchar_t* channel, const wchar_t* data, DWORD, DWORD, DWORD);

extern "C" {
// Registers the calling thread as the receiver of `channel`. Nonzero on success.
BOOL WINAPI Server(const wchar_t* channel, RelaybusCallback callback);

// Sends `data` (dataBytes = (characters + 1) * 2) on `channel`. Nonzero only when
// a receiver got it. The reply buffer receives a zero-terminated string (always
// "" from this library's receivers) when *replyBytes leaves room for it; on
// return *replyBytes holds the bytes written.
BYTE WINAPI Func(const wchar_t* channel, const wchar_t* data, DWORD dataBytes,
                                       wchar_t* reply, DWORD* replyBytes);
}
