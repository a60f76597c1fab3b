// The language rules without a file system: which files are languages, which
// language a request resolves to, how a form and its components are
// translated, the program's own texts and the result group headers.

#include <gtest/gtest.h>

#include "tests/fakes/translatable_components.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/ext_ini_file.h"
#include "settings/language_rules.h"
#include "settings/language_texts.h"

namespace {

using Lines = std::vector<std::wstring>;

TExtIniFile Parsed(const Lines& lines) {
    TExtIniFile file;
    file.SetStrings(lines);
    return file;
}

// Components of the kinds a form is built from, with plain fields for their texts.

using Captioned = FakeCaptioned;

// A switching label: items, and a caption of its own that the items rule wins over.
class LabelNote : public Captioned, public ItemCaptions {
public:
    LabelNote(std::wstring name, Lines items) : Captioned(std::move(name), L"TLabelNote", L"own"), items(std::move(items)) {}
    int ItemCount() const override { return static_cast<int>(items.size()); }
    std::wstring ItemCaption(int index) const override { return items.at(static_cast<size_t>(index)); }
    void SetItemCaption(int index, std::wstring caption) override { items.at(static_cast<size_t>(index)) = std::move(caption); }
    Lines items;
};

// A picture button with a hint (and a caption the hint rule wins over).
class ImageNote : public Captioned {
public:
    ImageNote(std::wstring name, bool showHint, std::wstring hint)
        : Captioned(std::move(name), L"TImageNote", L"picture"), showHint(showHint), hint(std::move(hint)) {}
    bool showHint;
    std::wstring hint;
};

class ImageNoteHints : public HintAccess {
public:
    std::optional<std::wstring> ShownHint(const Component& component) const override {
        const auto* note = dynamic_cast<const ImageNote*>(&component);
        return note && note->showHint ? std::optional(note->hint) : std::nullopt;
    }
    void SetHint(Component& component, std::wstring hint) const override {
        dynamic_cast<ImageNote&>(component).hint = std::move(hint);
    }
};

// A tree view: nodes numbered over the whole tree in absolute (pre-)order,
// whether their parents are expanded or not.
using TreeView = FakeTreeView;

class ListView : public Component, public ColumnCaptions {
public:
    ListView(std::wstring name, Lines columns) : Component(std::move(name)), columns(std::move(columns)) {}
    std::wstring_view ClassName() const override { return L"TListView"; }
    int ColumnCount() const override { return static_cast<int>(columns.size()); }
    std::wstring ColumnCaption(int index) const override { return columns.at(static_cast<size_t>(index)); }
    void SetColumnCaption(int index, std::wstring caption) override { columns.at(static_cast<size_t>(index)) = std::move(caption); }
    Lines columns;
};

class Timer : public Component {
public:
    using Component::Component;
    std::wstring_view ClassName() const override { return L"TTimer"; }
};

using Form = FakeContainer;

// The start menu window in small: one component of every kind.
struct MenuForm {
    Form form{L"QelStartMenuFrm", L"TQelStartMenuFrm", L"Kavor_Dravix"};
    Captioned& label = form.Add<Captioned>(L"lbl_Document", L"TLabel", L"Documents");
    Captioned& item = form.Add<Captioned>(L"Menu_Exit", L"TMenuItem", L"Exit");
    LabelNote& note = form.Add<LabelNote>(L"LabelNote1", Lines{L"one", L"two"});
    ImageNote& hinted = form.Add<ImageNote>(L"ImageNote_Search", true, L"Search");
    ImageNote& silent = form.Add<ImageNote>(L"ImageNote_Quiet", false, L"Quiet");
    TreeView& tree = form.Add<TreeView>(
        L"TreeView_Program",
        std::vector<TreeView::Node>{{L"Accessories", false, {{L"Paint", false, {}}, {L"Tools", false, {{L"Calc", false, {}}}}}},
                                    {L"Games", true, {{L"Chess", false, {}}}}});
    ListView& list = form.Add<ListView>(L"ListView1", Lines{L"Name", L"Size"});
    Timer& timer = form.Add<Timer>(L"Timer1");
    Form& report = form.Add<Form>(L"ReportTab1", L"TReportTab", L"report");
    Captioned& reportLabel = report.Add<Captioned>(L"lbl_Title", L"TLabel", L"Title");
    Form& panel = form.Add<Form>(L"Panel1", L"TPanel", L"panel");
    Captioned& panelLabel = panel.Add<Captioned>(L"lbl_Title", L"TLabel", L"Title");

    // Every text of the form, named for failure messages.
    std::map<std::string, std::wstring> Texts() const {
        return {{"form caption", form.ContainerCaption()},
                {"label", label.Caption()},
                {"menu item", item.Caption()},
                {"note caption", note.Caption()},
                {"note item 0", note.items[0]},
                {"note item 1", note.items[1]},
                {"shown hint", hinted.hint},
                {"hidden hint", silent.hint},
                {"image note caption", hinted.Caption()},
                {"tree 0", tree.ItemCaption(0)},
                {"tree 1", tree.ItemCaption(1)},
                {"tree 2", tree.ItemCaption(2)},
                {"tree 3", tree.ItemCaption(3)},
                {"tree 4", tree.ItemCaption(4)},
                {"tree 5", tree.ItemCaption(5)},
                {"column 0", list.columns[0]},
                {"column 1", list.columns[1]},
                {"report caption", report.ContainerCaption()},
                {"report label", reportLabel.Caption()},
                {"panel label", panelLabel.Caption()}};
    }
};

const Lines kGermanMenu = {
    L"[Dravix_QelStartMenuFrm]",
    L"QelStartMenuFrm.Caption = Startmenü",
    L"lbl_Document.Caption=Dokumente",
    L"LabelNote1.Caption=eigen",
    L"LabelNote1.Items[1].Caption=zwei",
    L"ImageNote_Search.Hint=Suchen",
    L"ImageNote_Quiet.Hint=Leise",
    L"ImageNote_Search.Caption=Bild",
    L"TreeView_Program.Items[0].Caption=Zubehör",
    L"TreeView_Program.Items[3].Caption=Rechner",
    L"TreeView_Program.Items[5].Caption=Schach",
    L"ListView1.Columns[1].Caption=Größe",
    L"Timer1.Caption=Zeitgeber",
    L"lbl_Title.Caption=im Fenster",
    L"ReportTab1.Caption=Bericht",
    L"[Dravix_ReportTab1]",
    L"lbl_Title.Caption=Überschrift",
    L"[Dravix_Panel1]",
    L"lbl_Title.Caption=Tafel",
};

TEST(TranslateContainer, GivesEachKindOfComponentTheTextOfItsKey) {
    MenuForm menu;
    TranslateContainer(menu.form, L"Dravix", Parsed(kGermanMenu), ImageNoteHints());

    const std::map<std::string, std::wstring> expected = {
        {"form caption", L"Startmenü"},
        {"label", L"Dokumente"},
        {"menu item", L"Exit"},               // no key: the built-in caption stays
        {"note caption", L"own"},             // a switching label's items, not its caption
        {"note item 0", L"one"},
        {"note item 1", L"zwei"},
        {"shown hint", L"Suchen"},
        {"hidden hint", L"Quiet"},            // a picture that shows no hint is left alone
        {"image note caption", L"picture"},   // a picture's caption is no key of its
        {"tree 0", L"Zubehör"},
        {"tree 1", L"Paint"},
        {"tree 2", L"Tools"},
        {"tree 3", L"Rechner"},               // below two collapsed levels, counted all the same
        {"tree 4", L"Games"},
        {"tree 5", L"Schach"},
        {"column 0", L"Name"},
        {"column 1", L"Größe"},
        {"report caption", L"report"},        // a nested container's caption comes from its own section only
        {"report label", L"Überschrift"},     // its own section, not the form's
        {"panel label", L"Title"},            // only report containers are entered
    };
    EXPECT_EQ(menu.Texts(), expected);
}

TEST(TranslateContainer, LeavesTextsAsBuiltWithoutKeysAndChangesNothingMoreWhenRepeated) {
    const struct {
        const char* what;
        Lines file;
    } cases[] = {
        {"empty file", {}},
        {"other product", {L"[Kavor_QelStartMenuFrm]", L"lbl_Document.Caption=x", L"QelStartMenuFrm.Caption=x"}},
        {"other form", {L"[Dravix_frmStartMenu]", L"lbl_Document.Caption=x"}},
        {"keys of the wrong kind", {L"[Dravix_QelStartMenuFrm]", L"lbl_Document.Hint=x", L"ListView1.Items[0].Caption=x",
                                    L"TreeView_Program.Columns[0].Caption=x", L"LabelNote1.Items[01].Caption=x"}},
    };
    for (const auto& c : cases) {
        MenuForm menu;
        const auto built = menu.Texts();
        TranslateContainer(menu.form, L"Dravix", Parsed(c.file), ImageNoteHints());
        EXPECT_EQ(menu.Texts(), built) << c.what;
    }

    MenuForm once, twice;
    TranslateContainer(once.form, L"Dravix", Parsed(kGermanMenu), ImageNoteHints());
    TranslateContainer(twice.form, L"Dravix", Parsed(kGermanMenu), ImageNoteHints());
    TranslateContainer(twice.form, L"Dravix", Parsed(kGermanMenu), ImageNoteHints());
    EXPECT_EQ(twice.Texts(), once.Texts());
}

TEST(TranslateContainer, KeepsTheFormCaptionWhenItsKeyIsMissingAndSkipsUnnamedForms) {
    MenuForm menu;
    TranslateContainer(menu.form, L"Dravix", Parsed({L"[Dravix_QelStartMenuFrm]", L"lbl_Document.Caption=Dokumente"}),
                       ImageNoteHints());
    EXPECT_EQ(menu.form.ContainerCaption(), L"Kavor_Dravix");
    EXPECT_EQ(menu.label.Caption(), L"Dokumente");

    Form unnamed(L"", L"TForm", L"caption");
    Captioned& label = unnamed.Add<Captioned>(L"lbl_Document", L"TLabel", L"Documents");
    TranslateContainer(unnamed, L"Dravix", Parsed({L"[Dravix_]", L".Caption=x", L"lbl_Document.Caption=x"}),
                       ImageNoteHints());
    EXPECT_EQ(unnamed.ContainerCaption(), L"caption");
    EXPECT_EQ(label.Caption(), L"Documents");
}

TEST(LanguageNameOf, TakesLngFilesInAnyLetterCaseOnly) {
    const struct {
        const wchar_t* file;
        std::optional<std::wstring> name;
    } cases[] = {
        {L"English.lng", L"English"},
        {L"German.LNG", L"German"},
        {L"ChineseSimplified.Lng", L"ChineseSimplified"},
        {L"Chinese.Simplified.lng", L"Chinese.Simplified"},
        {L"x.lng", L"x"},
        {L".lng", std::nullopt},
        {L"lng", std::nullopt},
        {L"German.lngx", std::nullopt},
        {L"German.lng.bak", std::nullopt},
        {L"Germanlng", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageNameOf(c.file), c.name) << testing::PrintToString(std::wstring(c.file));
}

TEST(ResolveLanguage, FallsBackToEnglishAndOtherwiseToNothing) {
    const Lines names = {L"German", L"English", L"ChineseSimplified", L"german"};
    const struct {
        const char* what;
        const wchar_t* requested;
        std::vector<std::wstring> missingFiles;
        std::optional<size_t> index;
    } cases[] = {
        {"listed", L"ChineseSimplified", {}, 2},
        {"letter case aside, first of equal names", L"GERMAN", {}, 0},
        {"not listed", L"French", {}, 1},
        {"empty request", L"", {}, 1},
        {"listed but its file is gone", L"German", {L"German"}, 1},
        {"neither it nor English has a file", L"German", {L"German", L"English"}, std::nullopt},
        {"English requested without a file", L"English", {L"English"}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto exists = [&](const std::wstring& name) {
            return std::find(c.missingFiles.begin(), c.missingFiles.end(), name) == c.missingFiles.end();
        };
        EXPECT_EQ(ResolveLanguage(names, c.requested, exists), c.index) << c.what;
    }
    EXPECT_EQ(ResolveLanguage({}, L"English", [](const std::wstring&) { return true; }), std::nullopt);
}

TEST(OwnTextList, FindsTheFirstNamedLineWhateverTheLetterCase) {
    OwnTextList texts;
    const TExtIniFile file = Parsed({L"[Dravix_M]", L"Folder_M =", L"lbl_Program_back = Zurück", L"lbl_program_BACK=zweiter",
                                     L"Edit_Search_Title", L"Value=a=b"});
    Lines lines;
    file.ReadSectionValues(L"Dravix_M", lines);
    texts.Assign(lines);

    const struct {
        const wchar_t* key;
        std::optional<std::wstring> value;
    } cases[] = {
        {L"Folder_M", L""},                   // present and empty: not missing
        {L"LBL_PROGRAM_BACK", L"Zurück"},
        {L"Edit_Search_Title", std::nullopt},  // a line without "=" names nothing
        {L"Value", L"a=b"},
        {L"NodeFileText", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto found = texts.Value(c.key);
        EXPECT_EQ(found ? std::optional(std::wstring(*found)) : std::nullopt, c.value)
            << testing::PrintToString(std::wstring(c.key));
    }
    EXPECT_EQ(texts.Lines(), lines);
    texts.Clear();
    EXPECT_FALSE(texts.Value(L"Folder_M"));
}

TEST(ApplyGroupCaptions, GivesTheSevenGroupsTheirHeadersInOrderWithEnglishForMissingKeys) {
    const TExtIniFile file = Parsed({L"[Dravix_M]", L"NodeApplicationText=Programme", L"NodeMusicText = Musik",
                                     L"[Other]", L"NodeFileText=nicht hier"});
    std::vector<std::pair<int, std::wstring>> headers;
    ApplyGroupCaptions(file, L"Dravix_M", [&](int group, const std::wstring& caption) { headers.emplace_back(group, caption); });

    const std::vector<std::pair<int, std::wstring>> expected = {
        {0, L"Programme"}, {1, L"Control Panel"}, {2, L"Document"}, {3, L"Pictures"},
        {4, L"Videos"},    {5, L"Musik"},         {6, L"Files"}};
    EXPECT_EQ(headers, expected);
}

TEST(AppliedLanguage, CountsEveryLanguageAsAChangeBeforeTheFirstAndOnlyRealChangesAfter) {
    AppliedLanguage applied;
    EXPECT_TRUE(applied.DiffersFrom(L""));  // an empty "Main"/"Language" still gets its headers once
    EXPECT_TRUE(applied.DiffersFrom(L"English"));
    applied.Remember(L"English");
    EXPECT_FALSE(applied.DiffersFrom(L"English"));
    EXPECT_TRUE(applied.DiffersFrom(L"German"));
    EXPECT_TRUE(applied.DiffersFrom(L""));
}

}  // namespace
