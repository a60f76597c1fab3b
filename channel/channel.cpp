#include "channel/channel.h"

#include <array>
#include <cwchar>

#include "relaybus.h"

namespace {

// Room offered for the reply. The buffer holds that many characters, so it is
// large enough whether a receiver reads the capacity as bytes or characters.
constexpr DWORD kReplyCapacity = 4096;

}  // namespace

std::wstring SendChannelString(std::wstring_view channel, std::wstring_view value) {
    const std::wstring name(channel);
    const std::wstring data(value);
    std::array<wchar_t, kReplyCapacity> reply{};
    DWORD capacity = kReplyCapacity;
    const auto dataBytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    if (!Func(name.c_str(), data.c_str(), dataBytes, reply.data(), &capacity)) return {};
    // A receiver that fills the whole buffer leaves no terminator: stop at its end.
    return std::wstring(reply.data(), wcsnlen(reply.data(), reply.size()));
}
