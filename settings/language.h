#pragma once
// The language files of the program folder's Language\ (<name>.lng): finding
// them, making one current, translating forms by component name and looking
// up the program's own texts. language_rules.h holds the rules themselves.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ext_ini_file.h"
#include "settings/language_rules.h"
#include "ui/control.h"

class TLanguage {
public:
    // Scans the program folder's Language\ for `productName`'s texts.
    explicit TLanguage(std::wstring productName);
    // Scans `folder` instead (and only it).
    TLanguage(std::wstring productName, std::wstring folder);
    TLanguage(const TLanguage&) = delete;
    TLanguage& operator=(const TLanguage&) = delete;

    // Appends every <name>.lng of the folder to the lists, loading each in
    // turn for its "Main"/"DisplayName"; the last one found stays current.
    void ScanLanguages(std::wstring folder);
    // Makes `name` current, or "English" when `name` has no file; without an
    // English file the current language stays.
    void LoadLanguage(std::wstring_view name);
    // Translates the form or container and the components it owns.
    void TranslateComponent(Container& container) const;

    [[nodiscard]] std::wstring ReadText(std::wstring_view section, std::wstring_view key,
                                        std::wstring_view fallback) const;
    // The program's own text `key` (section ProductName + "_M"); "" when missing.
    [[nodiscard]] std::wstring GetText(std::wstring_view key) const;
    // The same, but `fallback` when the key is missing; a key with an empty
    // value gives the empty text.
    [[nodiscard]] std::wstring GetTextOrDefault(std::wstring_view key, std::wstring_view fallback) const;

    std::wstring ProductName;
    std::wstring LanguageFolder;  // no trailing backslash once scanned
    std::int32_t LanguageIndex = -1;
    std::vector<std::wstring> LanguageNames;  // file names without ".lng", in the order found
    std::vector<std::wstring> DisplayNames;   // parallel to LanguageNames
    TExtIniFile LanguageFile;
    OwnTextList OwnTexts;

private:
    void LoadFile(std::size_t index);
    [[nodiscard]] std::wstring FileOf(const std::wstring& name) const;
};

// The hint of the window layer's controls. Defined here, in the callers' code,
// so that the settings library itself does not link the window layer.
class ControlHints final : public HintAccess {
public:
    [[nodiscard]] std::optional<std::wstring> ShownHint(const Component& component) const override {
        const auto* control = dynamic_cast<const Control*>(&component);
        if (!control || !control->ShowHint()) return std::nullopt;
        return control->Hint();
    }
    void SetHint(Component& component, std::wstring hint) const override {
        if (auto* control = dynamic_cast<Control*>(&component)) control->SetHint(std::move(hint));
    }
};

inline void TLanguage::TranslateComponent(Container& container) const {
    TranslateContainer(container, ProductName, LanguageFile, ControlHints{});
}

// The product word of the program's sections ("Dravix_M", "Dravix_QelStartMenuFrm").
inline constexpr std::wstring_view kProductWord = L"Dravix";

// The one language object of the run; null until CreateGlobalLanguage.
inline TLanguage* Language = nullptr;

// Creates the run's language object for kProductWord over the program
// folder's Language\ and sets Language; later calls return the same object,
// which lives until the process ends.
TLanguage& CreateGlobalLanguage();

// Gives the search result groups 0 to 6 their headers in the chosen language
// ("Main"/"Language" of Main.ini), read by a language object of its own from
// `languageFolder` (the program folder's Language\ when omitted), and
// remembers that language in LastListGroupLanguage().
void ApplyListGroupCaptions(const ListGroupCaptionSink& setCaption);
void ApplyListGroupCaptions(const ListGroupCaptionSink& setCaption, const std::wstring& languageFolder);

// The language the group headers were last applied in. A change of language
// is decided against it: LastListGroupLanguage().DiffersFrom(GetLanguageSetting()).
[[nodiscard]] AppliedLanguage& LastListGroupLanguage();
