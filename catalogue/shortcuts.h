#pragma once
// Reading and writing shell shortcuts (.lnk files).

#include <string>
#include <string_view>

// The target of a shortcut, or "" when the file is no shortcut, cannot be
// loaded or resolved, or names no target. Whether the target still exists is
// the caller's check (the shell may resolve a shortcut to a deleted file).
// Throws std::system_error when the shell-link object cannot be created.
[[nodiscard]] std::wstring ResolveShortcut(const std::wstring& shortcutPath);

// Writes a shortcut to `target` whose working folder is the target's folder.
// Writes nothing unless `shortcutPath` ends in ".lnk" (any case). Throws
// std::system_error when a step of the shell fails.
void CreateShortcut(const std::wstring& target, const std::wstring& arguments, const std::wstring& shortcutPath,
                    const std::wstring& description);
