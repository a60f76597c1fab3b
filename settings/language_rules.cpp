#include "settings/language_rules.h"

#include "settings/ini_text.h"
#include "settings/language_texts.h"

namespace {

constexpr std::wstring_view kExtension = L".lng";
constexpr std::wstring_view kFallbackLanguage = L"English";

// Nested containers the language files address with a section of their own.
bool IsNestedContainer(std::wstring_view className) {
    return className == L"TReportTab" || className == L"TReportContent";
}

void TranslateItems(ItemCaptions& items, const std::wstring& name, const TExtIniFile& file,
                    const std::wstring& section) {
    for (int i = 0, count = items.ItemCount(); i < count; ++i)
        items.SetItemCaption(i, file.ReadString(section, ItemKey(name, i), items.ItemCaption(i)));
}

}  // namespace

std::optional<std::wstring> LanguageNameOf(std::wstring_view fileName) {
    if (fileName.size() <= kExtension.size()) return std::nullopt;
    const std::wstring_view name = fileName.substr(0, fileName.size() - kExtension.size());
    if (!SameName(fileName.substr(name.size()), kExtension)) return std::nullopt;
    return std::wstring(name);
}

std::optional<std::size_t> ResolveLanguage(const std::vector<std::wstring>& names, std::wstring_view requested,
                                           const std::function<bool(const std::wstring& name)>& fileExists) {
    const auto usable = [&](std::wstring_view wanted) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (SameName(names[i], wanted)) return fileExists(names[i]) ? std::optional(i) : std::nullopt;
        return std::nullopt;
    };
    if (auto index = usable(requested)) return index;
    return usable(kFallbackLanguage);
}

std::wstring FormSection(std::wstring_view productName, std::wstring_view formName) {
    return std::wstring(productName) + L"_" + std::wstring(formName);
}

std::wstring CaptionKey(std::wstring_view name) { return std::wstring(name) + L".Caption"; }

std::wstring HintKey(std::wstring_view name) { return std::wstring(name) + L".Hint"; }

std::wstring ItemKey(std::wstring_view name, int index) {
    return std::wstring(name) + L".Items[" + std::to_wstring(index) + L"].Caption";
}

std::wstring ColumnKey(std::wstring_view name, int index) {
    return std::wstring(name) + L".Columns[" + std::to_wstring(index) + L"].Caption";
}

void TranslateContainer(Container& container, std::wstring_view productName, const TExtIniFile& file,
                        const HintAccess& hints) {
    const std::wstring& formName = container.ContainerName();
    if (formName.empty()) return;
    const std::wstring section = FormSection(productName, formName);

    const std::wstring formKey = CaptionKey(formName);
    if (file.ValueExists(section, formKey))
        container.SetContainerCaption(file.ReadString(section, formKey, container.ContainerCaption()));

    for (Component* component : container.Components()) {
        const std::wstring& name = component->Name();
        const std::wstring_view className = component->ClassName();
        if (auto* items = dynamic_cast<ItemCaptions*>(component); items && className == L"TLabelNote") {
            TranslateItems(*items, name, file, section);
        } else if (className == L"TImageNote") {
            if (auto hint = hints.ShownHint(*component))
                hints.SetHint(*component, file.ReadString(section, HintKey(name), *hint));
        } else if (auto* captioned = dynamic_cast<CaptionedComponent*>(component)) {
            captioned->SetCaption(file.ReadString(section, CaptionKey(name), captioned->Caption()));
        } else if (auto* lines = dynamic_cast<ItemCaptions*>(component)) {
            TranslateItems(*lines, name, file, section);
        } else if (auto* columns = dynamic_cast<ColumnCaptions*>(component)) {
            for (int i = 0, count = columns->ColumnCount(); i < count; ++i)
                columns->SetColumnCaption(i, file.ReadString(section, ColumnKey(name, i), columns->ColumnCaption(i)));
        } else if (auto* nested = dynamic_cast<Container*>(component);
                   nested && nested != &container && IsNestedContainer(className)) {
            TranslateContainer(*nested, productName, file, hints);
        }
    }
}

void OwnTextList::Assign(std::vector<std::wstring> lines) {
    lines_ = std::move(lines);
    byName_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::size_t equals = lines_[i].find(L'=');
        if (equals == std::wstring::npos) continue;
        byName_.try_emplace(FoldName(std::wstring_view(lines_[i]).substr(0, equals)), i);
    }
}

void OwnTextList::Clear() { Assign({}); }

std::optional<std::wstring_view> OwnTextList::Value(std::wstring_view name) const {
    const auto found = byName_.find(FoldName(name));
    if (found == byName_.end()) return std::nullopt;
    const std::wstring& line = lines_[found->second];
    return std::wstring_view(line).substr(line.find(L'=') + 1);
}

void ApplyGroupCaptions(const TExtIniFile& file, std::wstring_view section, const ListGroupCaptionSink& setCaption) {
    int group = 0;
    for (const LanguageText& text : kListGroupTexts) setCaption(group++, file.ReadString(section, text.key, text.text));
}
