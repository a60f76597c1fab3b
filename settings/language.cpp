#include "settings/language.h"

#include <windows.h>

#include <memory>

#include "platform/debug_output.h"
#include "platform/unique_handle.h"
#include "settings/data_folder.h"
#include "settings/text_file.h"

namespace {

std::wstring ProgramLanguageFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return L"Language";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"Language";
}

}  // namespace

TLanguage::TLanguage(std::wstring productName) : TLanguage(std::move(productName), ProgramLanguageFolder()) {}

TLanguage::TLanguage(std::wstring productName, std::wstring folder)
    : ProductName(std::move(productName)), LanguageFolder(folder) {
    ScanLanguages(std::move(folder));
}

void TLanguage::ScanLanguages(std::wstring folder) {
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    LanguageFolder = folder;
    if (folder.empty()) return;  // "\*.lng" would search the root of the current drive

    WIN32_FIND_DATAW found{};
    const UniqueFindHandle search(::FindFirstFileW((folder + L"\\*.lng").c_str(), &found));
    if (!search) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::optional<std::wstring> name = LanguageNameOf(found.cFileName);
        if (!name) continue;
        LanguageNames.push_back(std::move(*name));
        LoadFile(LanguageNames.size() - 1);
        DisplayNames.push_back(ReadText(L"Main", L"DisplayName", LanguageNames.back()));
    } while (::FindNextFileW(search.get(), &found));
}

void TLanguage::LoadLanguage(std::wstring_view name) {
    const auto index = ResolveLanguage(LanguageNames, name, [this](const std::wstring& listed) {
        return FileExists(FileOf(listed));
    });
    if (index) LoadFile(*index);
}

void TLanguage::LoadFile(std::size_t index) {
    LanguageIndex = static_cast<std::int32_t>(index);
    const std::wstring path = FileOf(LanguageNames[index]);
    LanguageFile.LoadFromFile(path);
    DebugOut(path);
    std::vector<std::wstring> lines;
    LanguageFile.ReadSectionValues(ProductName + L"_M", lines);
    OwnTexts.Assign(std::move(lines));
}

std::wstring TLanguage::FileOf(const std::wstring& name) const { return LanguageFolder + L"\\" + name + L".lng"; }

std::wstring TLanguage::ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const {
    return LanguageFile.ReadString(section, key, fallback);
}

std::wstring TLanguage::GetText(std::wstring_view key) const { return GetTextOrDefault(key, {}); }

std::wstring TLanguage::GetTextOrDefault(std::wstring_view key, std::wstring_view fallback) const {
    return std::wstring(OwnTexts.Value(key).value_or(fallback));
}

TLanguage& CreateGlobalLanguage() {
    static const std::unique_ptr<TLanguage> language = std::make_unique<TLanguage>(std::wstring(kProductWord));
    Language = language.get();
    return *language;
}

void ApplyListGroupCaptions(const ListGroupCaptionSink& setCaption) {
    ApplyListGroupCaptions(setCaption, ProgramLanguageFolder());
}

void ApplyListGroupCaptions(const ListGroupCaptionSink& setCaption, const std::wstring& languageFolder) {
    TLanguage language(std::wstring(kProductWord), languageFolder);
    std::wstring chosen = GetLanguageSetting();
    language.LoadLanguage(chosen);
    LastListGroupLanguage().Remember(std::move(chosen));
    ApplyGroupCaptions(language.LanguageFile, std::wstring(kProductWord) + L"_M", setCaption);
}

AppliedLanguage& LastListGroupLanguage() {
    static AppliedLanguage last;
    return last;
}
