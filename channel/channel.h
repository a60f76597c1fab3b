#pragma once
// The main program's side of the named channel (Relaybus.dll).

#include <string>
#include <string_view>

// Sends `value` on the channel named `channel`. Returns the receiver's reply,
// or "" when nothing was delivered (no receiver, or it did not answer in time).
// Callers that only send commands ignore the result.
std::wstring SendChannelString(std::wstring_view channel, std::wstring_view value);
