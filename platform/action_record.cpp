#include "platform/action_record.h"

#include <charconv>

namespace {

bool IsCallName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

std::optional<std::uint32_t> ParseHex(std::string_view token) {
    if (token.size() < 3 || token[0] != '0' || token[1] != 'x') return std::nullopt;
    std::uint32_t value = 0;
    const char* first = token.data() + 2;
    const char* last = token.data() + token.size();
    const auto [end, ec] = std::from_chars(first, last, value, 16);
    if (ec != std::errc{} || end != last) return std::nullopt;
    return value;
}

}  // namespace

std::string FormatActionRecord(const ActionRecord& record) {
    std::string line = record.call;
    char buffer[16];
    for (std::uint32_t arg : record.args) {
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, arg, 16);
        (void)ec;  // eight hex digits always fit
        line += " 0x";
        line.append(buffer, end);
    }
    return line;
}

std::optional<ActionRecord> ParseActionRecord(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);

    ActionRecord record;
    bool first = true;
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        const std::string_view token = line.substr(0, space);
        line = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
        if (first) {
            if (!IsCallName(token)) return std::nullopt;
            record.call = token;
            first = false;
        } else {
            const auto value = ParseHex(token);
            if (!value) return std::nullopt;
            record.args.push_back(*value);
        }
    }
    if (first) return std::nullopt;
    return record;
}

std::vector<ActionRecord> ParseActionLog(std::string_view text) {
    std::vector<ActionRecord> records;
    // Only whole lines count: a writer that died mid-line leaves a fragment at the end.
    for (std::size_t newline; (newline = text.find('\n')) != std::string_view::npos;) {
        if (auto record = ParseActionRecord(text.substr(0, newline))) records.push_back(std::move(*record));
        text.remove_prefix(newline + 1);
    }
    return records;
}
