// Language files on disk: finding them, choosing one, translating components
// by name, the program's own texts, damaged files, the search group headers
// in the chosen language, and the files shipped in the program folder.

#include <gtest/gtest.h>

#include "tests/fakes/translatable_components.h"

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "settings/ext_ini_file.h"
#include "settings/language.h"
#include "settings/language_texts.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/environment.h"
#include "tests/harness/files.h"
#include "tests/harness/paths.h"

namespace {

std::string Utf8(std::wstring_view text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
    return bytes;
}

// The lines as a language file: UTF-8 with a byte-order mark, CR LF.
std::string Utf8File(const std::vector<std::wstring>& lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const std::wstring& line : lines) bytes += Utf8(line) + "\r\n";
    return bytes;
}

// UTF-16 LE code units, with or without the byte-order mark.
std::string Utf16File(const std::vector<std::wstring>& lines, bool withBom) {
    std::string bytes = withBom ? "\xFF\xFE" : "";
    for (const std::wstring& line : lines)
        for (const wchar_t c : line + L"\r\n") {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>((c >> 8) & 0xFF);
        }
    return bytes;
}

// Components of the kinds a form owns, with plain fields for their texts.
using Label = FakeCaptioned;

// A picture button of the window layer: its hint is the control's own.
class ImageNote : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    std::wstring_view ClassName() const override { return L"TImageNote"; }
    void Paint(HDC) override {}
};

// A tree view whose nodes are numbered over the whole tree, collapsed ones included.
using TreeView = FakeTreeView;

using TestContainer = FakeContainer;

// The start button window in small, with a report tab nested in it.
struct ButtonForm {
    TestContainer form{L"frmStartMenu", L"TfrmStartMenu", L"Kavor_StartMenu_Button"};
    Label settings{L"Menu_StartButtonSkin", L"TMenuItem", L"Settings"};
    Label exit{L"Menu_Exit", L"TMenuItem", L"Exit"};
    ImageNote hinted{L"ImageNote_Search"};
    ImageNote silent{L"ImageNote_Default"};
    TreeView tree{L"TreeView_Program",
                  {{L"Accessories", false, {{L"System Tools", false, {{L"Calculator", false, {}}}}}},
                   {L"Games", true, {{L"Chess", false, {}}}}}};
    TestContainer report{L"ReportTab1", L"TReportTab", L"report"};
    Label reportTitle{L"lbl_Title", L"TLabel", L"Title"};

    ButtonForm() {
        hinted.SetHint(L"Search");
        hinted.SetShowHint(true);
        silent.SetHint(L"Default");
        for (Component* c : std::initializer_list<Component*>{&settings, &exit, &hinted, &silent, &tree, &report})
            form.Add(*c);
        report.Add(reportTitle);
    }

    std::map<std::string, std::wstring> Texts() const {
        std::map<std::string, std::wstring> texts = {
            {"form caption", form.ContainerCaption()}, {"settings", settings.Caption()},
            {"exit", exit.Caption()},                  {"shown hint", hinted.Hint()},
            {"hidden hint", silent.Hint()},            {"report title", reportTitle.Caption()}};
        for (int i = 0; i < tree.ItemCount(); ++i) texts["tree " + std::to_string(i)] = tree.ItemCaption(i);
        return texts;
    }
};

class LanguageTest : public testing::Test {
protected:
    void SetUp() override {
        scratch_ = MakeScratchFolder();
        ASSERT_FALSE(scratch_.empty());
        folder_ = scratch_ + L"\\Language";
        ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
    }
    void TearDown() override { RemoveFolder(scratch_); }

    void Write(const std::wstring& fileName, const std::string& bytes) {
        EXPECT_TRUE(WriteBytes(folder_ + L"\\" + fileName, bytes));
    }

    std::wstring scratch_, folder_;
};

const std::vector<std::wstring> kEnglish = {
    L"[Main]", L"DisplayName=English", L"[Dravix_M]", L"lbl_Program_back=Back", L"Folder_M=(Empty)"};
const std::vector<std::wstring> kGerman = {
    L"DisplayName=vor dem ersten Abschnitt",
    L"lbl_Program_back=vor dem ersten Abschnitt",
    L"[Main]",
    L"  DisplayName   =   Deutsch  ",
    L"; Folder_M=Kommentar",
    L"[Dravix_M]",
    L"lbl_Program_back \t=\t Zurück",
    L"Folder_M =",
    L"[Dravix_frmStartMenu]",
    L"frmStartMenu.Caption=Startschaltfläche",
    L"Menu_StartButtonSkin.Caption=Einstellungen",
    L"ImageNote_Search.Hint=Suchen",
    L"ImageNote_Default.Hint=Standard",
    L"TreeView_Program.Items[0].Caption=Zubehör",
    L"TreeView_Program.Items[2].Caption=Rechner",
    L"TreeView_Program.Items[4].Caption=Schach",
    L"lbl_Title.Caption=nicht hier",
    L"[Dravix_ReportTab1]",
    L"lbl_Title.Caption=Bericht",
};

TEST_F(LanguageTest, ListsEveryLngFileWithItsDisplayNameAndKeepsTheLastCurrent) {
    Write(L"English.lng", Utf8File(kEnglish));
    Write(L"German.LNG", Utf16File(kGerman, true));
    Write(L"Nameless.lng", Utf8File({L"[Dravix_M]", L"Folder_M=x"}));
    Write(L"German.lng.bak", Utf8File(kGerman));
    ASSERT_TRUE(::CreateDirectoryW((folder_ + L"\\Folder.lng").c_str(), nullptr));

    TLanguage language(L"Dravix", folder_ + L"\\");
    EXPECT_EQ(language.LanguageFolder, folder_);
    ASSERT_EQ(language.LanguageNames.size(), 3u);
    std::map<std::wstring, std::wstring> displayNames;
    for (size_t i = 0; i < language.LanguageNames.size(); ++i)
        displayNames[language.LanguageNames[i]] = language.DisplayNames.at(i);
    const std::map<std::wstring, std::wstring> expected = {
        {L"English", L"English"}, {L"German", L"Deutsch"}, {L"Nameless", L"Nameless"}};
    EXPECT_EQ(displayNames, expected);
    // The last file found stays current.
    EXPECT_EQ(language.LanguageIndex, 2);
    EXPECT_EQ(language.ReadText(L"Main", L"DisplayName", language.LanguageNames.back()), language.DisplayNames.back());

    // A second scan adds to the lists.
    const std::wstring more = scratch_ + L"\\More";
    ASSERT_TRUE(::CreateDirectoryW(more.c_str(), nullptr));
    EXPECT_TRUE(WriteBytes(more + L"\\French.lng", Utf8File({L"[Main]", L"DisplayName=Français"})));
    language.ScanLanguages(more);
    EXPECT_EQ(language.LanguageNames.size(), 4u);
    EXPECT_EQ(language.LanguageNames.back(), L"French");
    EXPECT_EQ(language.DisplayNames.back(), L"Français");
    EXPECT_EQ(language.LanguageIndex, 3);
}

TEST_F(LanguageTest, LoadsTheChosenLanguageOrEnglishAndKeepsTheCurrentWithoutEnglish) {
    Write(L"English.lng", Utf8File(kEnglish));
    Write(L"German.lng", Utf8File(kGerman));
    TLanguage language(L"Dravix", folder_);
    const auto indexOf = [&](std::wstring_view name) {
        for (size_t i = 0; i < language.LanguageNames.size(); ++i)
            if (language.LanguageNames[i] == name) return static_cast<int>(i);
        return -1;
    };

    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    language.LoadLanguage(L"german");
    EXPECT_EQ(language.LanguageIndex, indexOf(L"German"));
    EXPECT_EQ(language.GetText(L"lbl_Program_back"), L"Zurück");
    EXPECT_TRUE(debug.WaitFor(folder_ + L"\\German.lng", ::GetCurrentProcessId(), 3000));

    language.LoadLanguage(L"French");
    EXPECT_EQ(language.LanguageIndex, indexOf(L"English"));
    EXPECT_EQ(language.GetText(L"lbl_Program_back"), L"Back");

    // A listed language whose file has gone, with English gone as well: nothing changes.
    language.LoadLanguage(L"German");
    ASSERT_TRUE(::DeleteFileW((folder_ + L"\\German.lng").c_str()));
    ASSERT_TRUE(::DeleteFileW((folder_ + L"\\English.lng").c_str()));
    language.LoadLanguage(L"German");
    language.LoadLanguage(L"English");
    EXPECT_EQ(language.LanguageIndex, indexOf(L"German"));
    EXPECT_EQ(language.GetText(L"lbl_Program_back"), L"Zurück");
}

TEST_F(LanguageTest, ReadsOwnTextsByTheFileRules) {
    Write(L"German.lng", Utf8File(kGerman));
    TLanguage language(L"Dravix", folder_);
    ASSERT_EQ(language.LanguageIndex, 0);

    const struct {
        const wchar_t* key;
        const wchar_t* text;     // GetText
        const wchar_t* orDefault;  // GetTextOrDefault with "<default>"
    } cases[] = {
        {L"lbl_Program_back", L"Zurück", L"Zurück"},  // blanks and tabs around "=" dropped
        {L"LBL_PROGRAM_BACK", L"Zurück", L"Zurück"},
        {L"Folder_M", L"", L""},                      // present and empty: the empty text
        {L"Edit_Search_Title", L"", L"<default>"},
        {L"DisplayName", L"", L"<default>"},          // lines before the first section are dropped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(language.GetText(c.key), c.text) << testing::PrintToString(std::wstring(c.key));
        EXPECT_EQ(language.GetTextOrDefault(c.key, L"<default>"), c.orDefault)
            << testing::PrintToString(std::wstring(c.key));
    }
    EXPECT_EQ(language.ReadText(L"Main", L"DisplayName", L"<default>"), L"Deutsch");
    EXPECT_EQ(language.ReadText(L"Dravix_M", L"Folder_M", L"<default>"), L"");
}

TEST_F(LanguageTest, TranslatesAFormByComponentName) {
    Write(L"German.lng", Utf16File(kGerman, true));
    TLanguage language(L"Dravix", folder_);
    ButtonForm button;
    language.TranslateComponent(button.form);

    const std::map<std::string, std::wstring> expected = {
        {"form caption", L"Startschaltfläche"},
        {"settings", L"Einstellungen"},
        {"exit", L"Exit"},              // no key: the built-in caption stays
        {"shown hint", L"Suchen"},
        {"hidden hint", L"Default"},    // a picture that shows no hint keeps it
        {"tree 0", L"Zubehör"},
        {"tree 1", L"System Tools"},
        {"tree 2", L"Rechner"},         // under two collapsed levels
        {"tree 3", L"Games"},
        {"tree 4", L"Schach"},
        {"report title", L"Bericht"},   // the report tab's own section
    };
    EXPECT_EQ(button.Texts(), expected);
    EXPECT_EQ(button.tree.VisibleTexts(), (std::vector<std::wstring>{L"Zubehör", L"Games", L"Schach"}));
}

TEST_F(LanguageTest, DamagedFilesLoadWithoutHarmAndLeaveTheBuiltInTexts) {
    std::string garbage;
    for (unsigned i = 0; i < 70000; ++i) garbage += static_cast<char>((i * 2654435761u) >> 24);
    const std::string enormous = "\xEF\xBB\xBF[Dravix_M]\r\nlbl_Program_back" + std::string(4 << 20, ' ') + "x" +
                                 std::string(3 << 20, 'y') + "\r\n[Dravix_frmStartMenu\r\n" +
                                 std::string(2 << 20, '[') + "\r\nfrmStartMenu.Caption=" + std::string(1 << 20, 'z');
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"binary garbage", garbage},
        {"no sections", Utf8File({L"lbl_Program_back=Zurück", L"Menu_Exit.Caption=Beenden", L"frmStartMenu.Caption=x"})},
        {"enormous lines", enormous},
        {"UTF-16 without byte-order mark", Utf16File(kGerman, false)},
        {"empty", ""},
        {"byte-order mark alone", "\xFF\xFE"},
    };
    for (const auto& c : cases) {
        Write(L"English.lng", c.bytes);
        TLanguage language(L"Dravix", folder_);
        language.LoadLanguage(L"English");
        EXPECT_EQ(language.LanguageIndex, 0) << c.what;
        EXPECT_EQ(language.GetTextOrDefault(L"lbl_Program_back", L"Back"), L"Back") << c.what;
        EXPECT_EQ(language.GetTextOrDefault(L"Folder_M", L"(Empty)"), L"(Empty)") << c.what;
        ButtonForm button;
        const auto built = button.Texts();
        language.TranslateComponent(button.form);
        EXPECT_EQ(button.Texts(), built) << c.what;
    }
}

TEST_F(LanguageTest, WithoutLanguageFilesEveryTextKeepsItsDefault) {
    const std::wstring cases[] = {scratch_ + L"\\Missing", folder_};
    for (const std::wstring& folder : cases) {
        TLanguage language(L"Dravix", folder);
        language.LoadLanguage(L"English");
        language.LoadLanguage(L"German");
        EXPECT_EQ(language.LanguageIndex, -1);
        EXPECT_TRUE(language.LanguageNames.empty());
        EXPECT_TRUE(language.DisplayNames.empty());
        EXPECT_EQ(language.GetText(L"lbl_Program_back"), L"");
        EXPECT_EQ(language.GetTextOrDefault(L"lbl_Program_back", L"Back"), L"Back");
        EXPECT_EQ(language.ReadText(L"Dravix_M", L"Folder_M", L"(Empty)"), L"(Empty)");
        ButtonForm button;
        const auto built = button.Texts();
        language.TranslateComponent(button.form);
        EXPECT_EQ(button.Texts(), built);
    }
}

// Main.ini's chosen language under a scratch USERPROFILE.
class ChosenLanguage {
public:
    ChosenLanguage(const std::wstring& profile, const wchar_t* language) : userProfile_(L"USERPROFILE", profile) {
        std::wstring folder = profile;
        for (const wchar_t* part : {L"", L"\\AppData", L"\\AppData\\LocalLow", L"\\AppData\\LocalLow\\Kavor",
                                    L"\\AppData\\LocalLow\\Kavor\\Dravix"})
            ::CreateDirectoryW((profile + part).c_str(), nullptr);
        EXPECT_TRUE(WriteBytes(profile + L"\\AppData\\LocalLow\\Kavor\\Dravix\\Main.ini",
                               Utf16File({L"[Main]", std::wstring(L"Language=") + language}, true)));
    }

private:
    ScopedEnvironmentVariable userProfile_;
};

TEST_F(LanguageTest, GivesTheSearchGroupsTheirHeadersInTheChosenLanguage) {
    Write(L"English.lng", Utf8File(kEnglish));
    Write(L"German.lng", Utf8File({L"[Dravix_M]", L"NodeApplicationText=Programme", L"NodeFileText = Dateien"}));

    const struct {
        const wchar_t* chosen;
        std::vector<std::wstring> headers;
    } cases[] = {
        {L"German", {L"Programme", L"Control Panel", L"Document", L"Pictures", L"Videos", L"Music", L"Dateien"}},
        {L"Klingon", {L"Programs", L"Control Panel", L"Document", L"Pictures", L"Videos", L"Music", L"Files"}},
    };
    for (const auto& c : cases) {
        ChosenLanguage chosen(scratch_ + L"\\Profile", c.chosen);
        std::vector<std::wstring> headers(7);
        std::vector<int> groups;
        ApplyListGroupCaptions(
            [&](int group, const std::wstring& caption) {
                groups.push_back(group);
                headers.at(static_cast<size_t>(group)) = caption;
            },
            folder_);
        EXPECT_EQ(groups, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
        EXPECT_EQ(headers, c.headers) << testing::PrintToString(std::wstring(c.chosen));
        EXPECT_EQ(LastListGroupLanguage().Last(), std::optional<std::wstring>(c.chosen));
        EXPECT_FALSE(LastListGroupLanguage().DiffersFrom(c.chosen));
    }
}

// The language files shipped in the program folder.
struct ShippedFile {
    std::wstring name;
    std::map<std::wstring, std::map<std::wstring, std::wstring>> sections;  // section -> key -> text
};

ShippedFile LoadShipped(const std::wstring& name) {
    ShippedFile shipped{name, {}};
    TExtIniFile file;
    file.LoadFromFile(ProgramFolder() + L"\\Language\\" + name + L".lng");
    std::vector<std::wstring> sections, keys;
    file.ReadSections(sections);
    for (const std::wstring& section : sections) {
        file.ReadSection(section, keys);
        for (const std::wstring& key : keys) shipped.sections[section][key] = file.ReadString(section, key, L"");
    }
    return shipped;
}

TEST(ShippedLanguages, AreListedWithTheirDisplayNames) {
    TLanguage language(L"Dravix", ProgramFolder() + L"\\Language");
    std::map<std::wstring, std::wstring> displayNames;
    for (size_t i = 0; i < language.LanguageNames.size(); ++i)
        displayNames[language.LanguageNames[i]] = language.DisplayNames.at(i);
    const std::map<std::wstring, std::wstring> expected = {
        {L"English", L"English"}, {L"German", L"Deutsch"}, {L"ChineseSimplified", L"简体中文"}};
    EXPECT_EQ(displayNames, expected);
}

TEST(ShippedLanguages, EnglishCarriesTheBuiltInTexts) {
    const ShippedFile english = LoadShipped(L"English");
    std::map<std::wstring, std::wstring> builtIn;
    for (const auto& table : {std::vector<LanguageText>(kMenuTexts.begin(), kMenuTexts.end()),
                              std::vector<LanguageText>(kListGroupTexts.begin(), kListGroupTexts.end()),
                              std::vector<LanguageText>(kControlPanelTexts.begin(), kControlPanelTexts.end())})
        for (const LanguageText& text : table) builtIn.emplace(text.key, text.text);
    ASSERT_TRUE(english.sections.count(L"Dravix_M"));
    EXPECT_EQ(english.sections.at(L"Dravix_M"), builtIn);

    // The window captions are how the programs find the windows: never translated.
    for (const auto& [form, key] : {std::pair{L"Dravix_frmStartMenu", L"frmStartMenu.Caption"},
                                    std::pair{L"Dravix_QelStartMenuFrm", L"QelStartMenuFrm.Caption"}}) {
        ASSERT_TRUE(english.sections.count(form)) << testing::PrintToString(std::wstring(form));
        EXPECT_FALSE(english.sections.at(form).count(key)) << testing::PrintToString(std::wstring(key));
    }
    const auto& button = english.sections.at(L"Dravix_frmStartMenu");
    EXPECT_EQ(button.at(L"Menu_Exit.Caption"), L"Exit");
    EXPECT_EQ(english.sections.at(L"Main").at(L"DisplayName"), L"English");
}

TEST(ShippedLanguages, TranslateEveryKeyOfEnglish) {
    const ShippedFile english = LoadShipped(L"English");
    ASSERT_GE(english.sections.size(), 4u);
    for (const wchar_t* name : {L"English", L"German", L"ChineseSimplified"}) {
        const ShippedFile translation = LoadShipped(name);
        std::set<std::wstring> expectedKeys, keys;
        for (const auto& [section, texts] : english.sections)
            for (const auto& [key, text] : texts) expectedKeys.insert(section + L"/" + key);
        for (const auto& [section, texts] : translation.sections)
            for (const auto& [key, text] : texts) {
                keys.insert(section + L"/" + key);
                EXPECT_FALSE(text.empty()) << testing::PrintToString(translation.name + L": " + section + L"/" + key);
            }
        EXPECT_EQ(keys, expectedKeys) << testing::PrintToString(translation.name);
    }
}

TEST(ShippedLanguages, AreUtf8WithByteOrderMarkAndCrLfLines) {
    for (const wchar_t* name : {L"English", L"German", L"ChineseSimplified"}) {
        const std::wstring path = ProgramFolder() + L"\\Language\\" + name + L".lng";
        UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file) << testing::PrintToString(path);
        std::string bytes(1 << 20, '\0');
        DWORD read = 0;
        ASSERT_TRUE(::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr));
        bytes.resize(read);
        EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << testing::PrintToString(path);
        EXPECT_EQ(bytes.substr(3, 1), ";") << "begins with a comment: " << testing::PrintToString(path);
        for (size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << testing::PrintToString(path) << " at " << i;
            }
        EXPECT_EQ(::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                        nullptr, 0) > 0,
                  true)
            << testing::PrintToString(path);
    }
}

}  // namespace
