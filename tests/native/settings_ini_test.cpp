// The in-memory ini models: the writer's (MemIniFile, under TSafeIniFile) and
// the language files' parser (TExtIniFile).

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "settings/ext_ini_file.h"
#include "settings/ini_text.h"
#include "settings/main_ini.h"
#include "settings/mem_ini_file.h"

namespace {

using Lines = std::vector<std::wstring>;

template <typename Ini>
Ini Parsed(const Lines& lines) {
    Ini ini;
    ini.SetStrings(lines);
    return ini;
}

struct Lookup {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* expected;  // nullptr: the fallback
};

template <typename Ini>
void ExpectLookups(const Ini& ini, const std::vector<Lookup>& lookups, const char* what) {
    for (const Lookup& l : lookups) {
        const std::wstring expected = l.expected ? l.expected : L"<none>";
        EXPECT_EQ(ini.ReadString(l.section, l.key, L"<none>"), expected)
            << what << ": [" << testing::PrintToString(std::wstring(l.section)) << "] "
            << testing::PrintToString(std::wstring(l.key));
    }
}

// A Main.ini as the settings program leaves it, with the oddities hand
// editing adds.
const Lines kMainIni = {
    L"stray=before any section",
    L"; a comment",
    L"[Main]",
    L"  Language = Fran\u00E7ais  ",
    L"SkinName=Aero",
    L"skinname=Second",
    L"   ",
    L"\t[ Setting ]\t",
    L"HotKey=32851",
    L"Metro=$8058",
    L"Run=not a number",
    L"just text",
    L"[Menu]",
    L"Documenuts=1",
    L"Run...=0",
    L"Empty=",
    L"Url=http://x/?a=b",
    L";Computer=1",
    L"[MAIN]",
    L"WindowsStyle=win7",
    L"Language=Ignored",
};

}  // namespace

TEST(MemIniFile, ReadsByPlatformParseRules) {
    const MemIniFile ini = Parsed<MemIniFile>(kMainIni);
    ExpectLookups(ini,
                  {
                      {L"Main", L"Language", L"Fran\u00E7ais"},
                      {L"main", L"LANGUAGE", L"Fran\u00E7ais"},
                      {L"Main", L"SkinName", L"Aero"},        // first of a repeated key
                      {L"Main", L"WindowsStyle", L"win7"},    // from the repeated section
                      {L"Main", L"stray", nullptr},           // lines before a section are dropped
                      {L"Setting", L"HotKey", L"32851"},
                      {L"Menu", L"Documenuts", L"1"},
                      {L"Menu", L"Documents", nullptr},
                      {L"Menu", L"Run...", L"0"},
                      {L"Menu", L"Empty", L""},
                      {L"Menu", L"Url", L"http://x/?a=b"},
                      {L"Menu", L";Computer", nullptr},
                      {L"Menu", L"Computer", nullptr},
                      {L"Setting", L"just text", nullptr},    // a line without "=" gives no value
                      {L"Nowhere", L"Language", nullptr},
                  },
                  "MemIniFile");
    EXPECT_EQ(ini.ReadInteger(L"Setting", L"Metro", 0), 0x8058);
    EXPECT_EQ(ini.ReadInteger(L"Setting", L"Run", main_ini::kRunHotKey.fallback), 32850);
    EXPECT_EQ(ini.ReadInteger(L"Setting", L"Missing", 5), 5);

    Lines sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (Lines{L"Main", L"Setting", L"Menu"}));
    EXPECT_TRUE(ini.ValueExists(L"MENU", L"documenuts"));
    EXPECT_FALSE(ini.ValueExists(L"Menu", L"Computer"));
    EXPECT_TRUE(ini.SectionExists(L"setting"));
    EXPECT_FALSE(ini.SectionExists(L"Nowhere"));
}

TEST(MemIniFile, RendersEverySectionKeyAndValueBack) {
    const MemIniFile ini = Parsed<MemIniFile>(kMainIni);
    const Lines expected = {
        L"[Main]",  L"Language=Fran\u00E7ais", L"SkinName=Aero", L"skinname=Second", L"WindowsStyle=win7",
        L"Language=Ignored", L"",
        L"[Setting]", L"HotKey=32851", L"Metro=$8058", L"Run=not a number", L"just text", L"",
        L"[Menu]", L"Documenuts=1", L"Run...=0", L"Empty=", L"Url=http://x/?a=b",
    };
    EXPECT_EQ(ini.GetStrings(), expected);
    // Rendering is a fixed point of parsing.
    EXPECT_EQ(Parsed<MemIniFile>(ini.GetStrings()).GetStrings(), expected);
}

TEST(MemIniFile, WritesChangeTheFirstKeyOrAppend) {
    MemIniFile ini = Parsed<MemIniFile>(kMainIni);
    ini.WriteInteger(L"main", L"HeightWidth", -3);
    ini.WriteString(L"MAIN", L"skinname", L"Glass");
    ini.WriteString(L"New", L"Key", L" spaced ");
    ini.DeleteKey(L"Menu", L"Run...");
    ini.EraseSection(L"setting");

    EXPECT_EQ(ini.GetStrings(), (Lines{L"[Main]", L"Language=Fran\u00E7ais", L"skinname=Glass", L"skinname=Second",
                                       L"WindowsStyle=win7", L"Language=Ignored", L"HeightWidth=-3", L"",
                                       L"[Menu]", L"Documenuts=1", L"Empty=", L"Url=http://x/?a=b", L"",
                                       L"[New]", L"Key= spaced "}));
    EXPECT_EQ(ini.ReadInteger(L"Main", L"HeightWidth", 0), -3);
    EXPECT_EQ(ini.ReadString(L"New", L"Key", L""), L" spaced ");
    // After an erase the index still finds the sections behind it.
    EXPECT_EQ(ini.ReadString(L"Menu", L"Documenuts", L""), L"1");
    ini.WriteString(L"Setting", L"HotKey", L"0");
    EXPECT_EQ(ini.GetStrings().back(), L"HotKey=0");
}

TEST(MemIniFile, SetStringsReplacesTheWholeImage) {
    MemIniFile ini = Parsed<MemIniFile>(kMainIni);
    ini.SetStrings({L"[Other]", L"a=1"});
    EXPECT_EQ(ini.GetStrings(), (Lines{L"[Other]", L"a=1"}));
    ini.SetStrings({});
    EXPECT_TRUE(ini.GetStrings().empty());
}

TEST(TExtIniFile, ParsesLanguageFilesByItsOwnRules) {
    const Lines lines = {
        L"DisplayName=before the first header",
        L"[Main]",
        L"  DisplayName   =   Deutsch  ",
        L"; comment=1",
        L"a line without equals",
        L"Key=first",
        L"KEY=second",
        L"Formula=a=b = c",
        L"[ Captions ]",
        L"lbl_Program=Programme",
        L"[main]",
        L"DisplayName=from the second Main",
        L"Only=in the second Main",
    };
    const TExtIniFile ini = Parsed<TExtIniFile>(lines);
    ExpectLookups(ini,
                  {
                      {L"Main", L"DisplayName", L"Deutsch"},
                      {L"MAIN", L"displayname", L"Deutsch"},
                      {L"Main", L"Key", L"first"},
                      {L"Main", L"Formula", L"a=b = c"},
                      {L"Main", L"a line without equals", nullptr},
                      {L"Main", L"; comment", nullptr},
                      {L"Main", L"Only", nullptr},  // the second "main" is never looked at
                      {L"Captions", L"lbl_Program", L"Programme"},
                      {L"Nowhere", L"DisplayName", nullptr},
                  },
                  "TExtIniFile");

    Lines sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (Lines{L"Main", L"Captions", L"main"}));
    Lines values;
    ini.ReadSectionValues(L"Main", values);
    EXPECT_EQ(values, (Lines{L"DisplayName=Deutsch", L"a line without equals", L"Key=first", L"KEY=second",
                             L"Formula=a=b = c"}));
    Lines keys{L"stale"};
    ini.ReadSection(L"Main", keys);
    EXPECT_EQ(keys, (Lines{L"DisplayName", L"", L"Key", L"KEY", L"Formula"}));
    ini.ReadSection(L"Nowhere", keys);
    EXPECT_TRUE(keys.empty());
    EXPECT_TRUE(ini.ValueExists(L"Captions", L"LBL_PROGRAM"));
}

TEST(TExtIniFile, ReadStringReturnsTheLineBeyondTheKeyLength) {
    // Lines put in through AddSection are not normalised: the value is cut at
    // length(key)+1, so blanks after the "=" stay and a blank before it is
    // not a match at all.
    TExtIniFile ini;
    TExtIniFile::Section& raw = ini.AddSection(L"Raw");
    raw.lines = {L"Name= spaced", L"Pad =x", L"Short=", L"=nameless"};
    ExpectLookups(ini,
                  {
                      {L"Raw", L"Name", L" spaced"},
                      {L"Raw", L"Pad", nullptr},
                      {L"Raw", L"Pad ", L"x"},
                      {L"Raw", L"Short", L""},
                      {L"Raw", L"", L"nameless"},
                  },
                  "raw lines");
}

TEST(TExtIniFile, EditsWorkInMemoryOnFirstSectionOfAName) {
    TExtIniFile ini = Parsed<TExtIniFile>({L"[A]", L"k=1", L"x=2", L"[B]", L"k=b", L"[a]", L"k=second"});
    ini.WriteString(L"a", L"K", L"3");
    ini.WriteString(L"C", L"new", L"4");
    EXPECT_EQ(ini.ReadString(L"A", L"k", L""), L"3");
    EXPECT_EQ(ini.ReadString(L"c", L"NEW", L""), L"4");

    ini.DeleteKey(L"A", L"x");
    Lines values;
    ini.ReadSectionValues(L"A", values);
    EXPECT_EQ(values, (Lines{L"K=3"}));

    ini.EraseSection(L"A");  // the second "a" comes forward
    EXPECT_EQ(ini.ReadString(L"A", L"k", L""), L"second");
    EXPECT_EQ(ini.ReadString(L"B", L"k", L""), L"b");
    ini.EraseSection(L"a");
    EXPECT_EQ(ini.ReadString(L"A", L"k", L"gone"), L"gone");
    Lines sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (Lines{L"B", L"C"}));

    ini.UpdateFile();  // never writes; the image is unchanged
    ini.Clear();
    ini.ReadSections(sections);
    EXPECT_TRUE(sections.empty());
}

TEST(TExtIniFile, CaseSensitiveSectionListMatchesSectionsExactly) {
    TExtIniFile ini;
    ini.SetCaseSensitive(true);
    ini.SetStrings({L"[Main]", L"k=upper", L"[main]", L"k=lower"});
    EXPECT_EQ(ini.ReadString(L"main", L"k", L""), L"lower");
    EXPECT_EQ(ini.ReadString(L"MAIN", L"k", L"none"), L"none");
    ini.SetCaseSensitive(false);
    EXPECT_EQ(ini.ReadString(L"MAIN", L"k", L""), L"upper");
}

TEST(IniModels, SurviveHostileInput) {
    // Seeded, so a failure reproduces.
    std::mt19937 random(20240611);
    std::vector<std::string> inputs = {
        std::string(3 * 1024 * 1024, 'x'),                                      // one huge line
        "[Main]\r\nLanguage=" + std::string(4 * 1024 * 1024, 'y') + "\r\n",     // a huge value
        "[" + std::string(2 * 1024 * 1024, '[') + "]",                         // a huge header
        std::string("\xFF\xFE\x00", 3), "\xEF\xBB\xBF", "\xFE\xFF", "\0\0\0\0",
    };
    std::string manySections;
    for (int i = 0; i < 40000; ++i) {
        manySections += "[s" + std::to_string(i % 10000) + "]\na=" + std::to_string(i) + "\n";
    }
    inputs.push_back(manySections);
    for (int i = 0; i < 200; ++i) {
        std::string garbage(random() % 4096, '\0');
        for (char& c : garbage) c = "[]=;\r\n \tab\xFF\xFE\xEF\xBB\xBF\x80"[random() % 17];
        inputs.push_back(std::move(garbage));
    }

    for (size_t i = 0; i < inputs.size(); ++i) {
        const Lines lines = SplitLines(DecodeText(inputs[i]));
        MemIniFile mem = Parsed<MemIniFile>(lines);
        TExtIniFile ext = Parsed<TExtIniFile>(lines);
        EXPECT_EQ(mem.ReadInteger(L"Main", L"Language", 9), 9) << "input " << i;
        EXPECT_EQ(ext.ReadInteger(L"Main", L"Language", 9), 9) << "input " << i;
        // Whatever was understood is written out so that it reads back the same.
        const Lines rendered = mem.GetStrings();
        EXPECT_EQ(Parsed<MemIniFile>(SplitLines(DecodeText(EncodeUtf16LeWithBom(rendered)))).GetStrings(), rendered)
            << "input " << i;
    }
    const MemIniFile many = Parsed<MemIniFile>(SplitLines(DecodeText(manySections)));
    EXPECT_EQ(many.ReadString(L"s9999", L"a", L""), L"9999");  // first of four merged keys
    Lines values;
    many.ReadSectionValues(L"S0", values);
    EXPECT_EQ(values.size(), 4u);
}
