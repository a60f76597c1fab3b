#pragma once
// The rules of the language files that need no file system: which files are
// languages, which language a request resolves to, the keys derived from
// component names and the order in which a form is translated, the lookup of
// the program's own texts and the search result group headers. TLanguage
// (language.h) binds them to the disk and to the window layer.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/ext_ini_file.h"
#include "ui/component.h"

// The language a file name stands for: the name without ".lng" (the
// extension in any letter case). Nothing for other names and for ".lng" alone,
// which a file search with "*.lng" can still return (8.3 aliases of longer
// extensions, for instance).
[[nodiscard]] std::optional<std::wstring> LanguageNameOf(std::wstring_view fileName);

// The index of the language that a request for `requested` makes current:
// that name (letter case aside, the first of equal names) when its file is
// there, else "English" when its file is there, else nothing.
[[nodiscard]] std::optional<std::size_t> ResolveLanguage(
    const std::vector<std::wstring>& names, std::wstring_view requested,
    const std::function<bool(const std::wstring& name)>& fileExists);

// Section and keys of a translated form: "<product>_<form>", then per component
// "<name>.Caption", "<name>.Hint", "<name>.Items[N].Caption", "<name>.Columns[N].Caption".
[[nodiscard]] std::wstring FormSection(std::wstring_view productName, std::wstring_view formName);
[[nodiscard]] std::wstring CaptionKey(std::wstring_view name);
[[nodiscard]] std::wstring HintKey(std::wstring_view name);
[[nodiscard]] std::wstring ItemKey(std::wstring_view name, int index);
[[nodiscard]] std::wstring ColumnKey(std::wstring_view name, int index);

// Reaches the hint of a component that has one. The window layer's controls
// keep it; the binding lives with the callers so that the settings code needs
// nothing of the window layer but its component interfaces.
class HintAccess {
public:
    virtual ~HintAccess() = default;
    // The hint of a component that shows one; nothing otherwise.
    [[nodiscard]] virtual std::optional<std::wstring> ShownHint(const Component& component) const = 0;
    virtual void SetHint(Component& component, std::wstring hint) const = 0;
};

// Applies the language file to a form or a nested container and the
// components it owns. Every text found is the default of its own key, so a
// missing key leaves it as it is and translating twice changes nothing more.
// Per component the first matching rule applies:
//   "TLabelNote" with items       -> each item from <name>.Items[N].Caption
//   "TImageNote" showing its hint -> the hint from <name>.Hint (no hint: nothing)
//   anything with a caption       -> <name>.Caption
//   anything with items           -> <name>.Items[N].Caption (tree views: all
//                                    nodes in absolute order, collapsed included)
//   anything with columns         -> <name>.Columns[N].Caption
//   a "TReportTab"/"TReportContent" container -> translated with its own section
void TranslateContainer(Container& container, std::wstring_view productName, const TExtIniFile& file,
                        const HintAccess& hints);

// The program's own texts: a copy of the name=value lines of one section with
// a look-up by name (ASCII letter case aside; the first line of a name wins;
// a line without "=" names nothing).
class OwnTextList {
public:
    void Assign(std::vector<std::wstring> lines);
    void Clear();
    [[nodiscard]] const std::vector<std::wstring>& Lines() const noexcept { return lines_; }
    [[nodiscard]] std::optional<std::wstring_view> Value(std::wstring_view name) const;

private:
    std::vector<std::wstring> lines_;
    std::unordered_map<std::wstring, std::size_t> byName_;  // folded name -> line
};

// Receives the header of one search result group (0 to 6); the result list
// binds it to its groups.
using ListGroupCaptionSink = std::function<void(int group, const std::wstring& caption)>;

// The seven group headers from `section` of the file, in group order, each
// with its English text when the key is missing.
void ApplyGroupCaptions(const TExtIniFile& file, std::wstring_view section, const ListGroupCaptionSink& setCaption);

// The language the group headers were last given in. Before the first time
// every chosen language counts as a change, an empty name included.
class AppliedLanguage {
public:
    [[nodiscard]] bool DiffersFrom(std::wstring_view chosen) const { return !last_ || *last_ != chosen; }
    void Remember(std::wstring chosen) { last_ = std::move(chosen); }
    [[nodiscard]] const std::optional<std::wstring>& Last() const noexcept { return last_; }

private:
    std::optional<std::wstring> last_;
};
