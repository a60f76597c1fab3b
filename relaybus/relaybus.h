#pragma once
// Relaybus.dll: named channels for short text commands between processes.
//
// A receiver calls Server(name, callback) on a thread that pumps messages;
// the library gives that thread a hidden window carrying the channel name, and
// the callback runs on it for every string sent on the channel. A sender calls
// Func, which finds the receiver's window and hands the data over with
// WM_COPYDATA, so the receiver gets its own copy. Channel names are compared
// exactly (case matters) and hold 1 to 255 characters.

#include <windows.h>

// Channel name, data, then three values this library always passes as 0.
using RelaybusCallback = void(WINAPI*)(const wchar_t* channel, const wchar_t* data, DWORD, DWORD, DWORD);

extern "C" {
// Registers the calling thread as the receiver of `channel`. Nonzero on success.
BOOL WINAPI Server(const wchar_t* channel, RelaybusCallback callback);

// Sends the zero-terminated `data` on `channel`; dataBytes should be
// (characters + 1) * 2, and no more than dataBytes is ever read. Nonzero only
// when a receiver got it. *replyBytes is the reply buffer's capacity in bytes:
// when it leaves room, the buffer receives a zero-terminated string (always ""
// from this library's receivers), and on return *replyBytes holds the reply's
// size with its terminator, or 0 when nothing was delivered.
BYTE WINAPI Func(const wchar_t* channel, const wchar_t* data, DWORD dataBytes, wchar_t* reply, DWORD* replyBytes);
}
