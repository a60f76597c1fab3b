#pragma once
// A call through the system-actions seam, as one line of text:
//   "<Call> <arg> <arg> ..."  with each argument in hex ("0x1f").
// The recording seam appends these lines to a file; tests read them back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ActionRecord {
    std::string call;
    std::vector<std::uint32_t> args;

    bool operator==(const ActionRecord&) const = default;
};

std::string FormatActionRecord(const ActionRecord& record);

// nullopt for a line that is not a well-formed record.
std::optional<ActionRecord> ParseActionRecord(std::string_view line);

// Every well-formed, complete line of a log, in order; malformed lines and an
// unterminated last line are skipped.
std::vector<ActionRecord> ParseActionLog(std::string_view text);
