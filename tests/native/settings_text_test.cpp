// Bytes of settings and language files to lines and back, the integer rule
// of ini values and the data-folder rule.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/ini_text.h"

namespace {

using Lines = std::vector<std::wstring>;

// A byte string from a literal that may hold NUL bytes.
template <size_t N>
std::string B(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// UTF-16 LE bytes of a text whose characters are all in the BMP.
std::string Utf16Le(std::wstring_view text) {
    std::string bytes;
    for (const wchar_t c : text) {
        bytes.push_back(static_cast<char>(static_cast<std::uint32_t>(c) & 0xFF));
        bytes.push_back(static_cast<char>(static_cast<std::uint32_t>(c) >> 8));
    }
    return bytes;
}

// Interprets a byte string as printable hex for failure messages.
std::string Hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

// A text with one character outside the BMP (U+1F600), the way wchar_t holds it.
std::wstring WithAstral() {
    std::wstring text = L"a";
    if constexpr (sizeof(wchar_t) == 2) {
        text += static_cast<wchar_t>(0xD83D);
        text += static_cast<wchar_t>(0xDE00);
    } else {
        text += static_cast<wchar_t>(0x1F600);
    }
    return text + L"b";
}

}  // namespace

TEST(DecodeText, ChoosesEncodingByByteOrderMark) {
    struct Case {
        const char* name;
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"empty", "", L""},
        {"ansi plain", "[Main]\r\nLanguage=English", L"[Main]\r\nLanguage=English"},
        {"ansi 1252 upper half", "caf\xE9 \x80 \x9F \x81", L"caf\u00E9 \u20AC \u0178 \u0081"},
        {"utf-8 bom", "\xEF\xBB\xBF" "caf\xC3\xA9 \xE2\x82\xAC", L"caf\u00E9 \u20AC"},
        {"utf-8 bom four-byte", "\xEF\xBB\xBF" "a\xF0\x9F\x98\x80" "b", WithAstral()},
        {"utf-16 le bom", "\xFF\xFE" + Utf16Le(L"x=\u00E9\u20AC"), L"x=\u00E9\u20AC"},
        {"utf-16 le surrogate pair", B("\xFF\xFE" "a\0\x3D\xD8\x00\xDE" "b\0"), WithAstral()},
        {"utf-16 be bom", B("\xFE\xFF\0x\0=\x20\xAC"), L"x=\u20AC"},
        {"lone utf-8 bom", "\xEF\xBB\xBF", L""},
        {"lone utf-16 bom", "\xFF\xFE", L""},
        {"odd utf-16 drops last byte", B("\xFF\xFE" "a\0b"), L"a"},
        // A "UTF-8" file with broken sequences is most likely ANSI saved with a
        // wrong mark: every byte is kept rather than replaced.
        {"broken utf-8 falls back to ansi", "\xEF\xBB\xBF" "caf\xE9", L"caf\u00E9"},
        {"overlong utf-8 falls back", "\xEF\xBB\xBF\xC0\xAF", L"\u00C0\u00AF"},
        {"truncated utf-8 falls back", "\xEF\xBB\xBF\xE2\x82", L"\u00E2\u201A"},
        {"utf-8 surrogate falls back", "\xEF\xBB\xBF\xED\xA0\x80", L"\u00ED\u00A0\u20AC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeText(c.bytes), c.text) << c.name;
    }
}

TEST(DecodeText, UsesTheGivenAnsiDecoderOnlyForUnmarkedText) {
    int calls = 0;
    const AnsiDecoder upper = [&](std::string_view bytes) {
        ++calls;
        return L"<" + DecodeWindows1252(bytes) + L">";
    };
    EXPECT_EQ(DecodeText("ab", upper), L"<ab>");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" "ab", upper), L"ab");
    EXPECT_EQ(DecodeText(B("\xFF\xFE" "a\0"), upper), L"a");
    EXPECT_EQ(calls, 1);
}

TEST(DecodeText, UnpairedUtf16SurrogatesSurviveOrBecomeReplacement) {
    const std::wstring text = DecodeText(B("\xFF\xFE\x00\xD8" "a\0\x00\xDC"));
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[1], L'a');
    const wchar_t expected = sizeof(wchar_t) == 2 ? static_cast<wchar_t>(0xD800) : static_cast<wchar_t>(0xFFFD);
    EXPECT_EQ(text[0], expected);
}

TEST(SplitLines, BreaksAtEveryLineEndKind) {
    struct Case {
        std::wstring text;
        Lines lines;
    };
    const Case cases[] = {
        {L"", {}},
        {L"a", {L"a"}},
        {L"a\r\nb\nc\rd", {L"a", L"b", L"c", L"d"}},
        {L"a\r\n", {L"a"}},
        {L"a\n\n", {L"a", L""}},
        {L"\r\n\r\n", {L"", L""}},
        {L"a\n\rb", {L"a", L"", L"b"}},
        {L"a\r\r\nb", {L"a", L"", L"b"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << testing::PrintToString(c.text);
    }
}

TEST(EncodeUtf16LeWithBom, WritesMarkUnitsAndCrLf) {
    EXPECT_EQ(EncodeUtf16LeWithBom({}), "\xFF\xFE");
    const std::string bytes = EncodeUtf16LeWithBom({L"[M]", L"k=\u20AC", L""});
    EXPECT_EQ(bytes, "\xFF\xFE" + Utf16Le(L"[M]\r\nk=\u20AC\r\n\r\n")) << Hex(bytes);

    const std::string astral = EncodeUtf16LeWithBom({WithAstral()});
    EXPECT_EQ(astral, B("\xFF\xFE" "a\0\x3D\xD8\x00\xDE" "b\0\r\0\n\0")) << Hex(astral);
}

TEST(EncodeUtf16LeWithBom, DecodesBackToTheSameLines) {
    const Lines lines = {L"[Main]", L"Language=Fran\u00E7ais", L"", L"[\u65E5\u672C]", L"k=" + WithAstral(), L"x"};
    EXPECT_EQ(SplitLines(DecodeText(EncodeUtf16LeWithBom(lines))), lines);
}

TEST(TrimBlanks, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(TrimBlanks(L" \t a b \x01\r"), L"a b");
    EXPECT_EQ(TrimBlanks(L" \t "), L"");
    EXPECT_EQ(TrimBlanks(L"\u00A0x\u00A0"), L"\u00A0x\u00A0");  // only up to the blank
}

TEST(SameName, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(SameName(L"Main", L"MAIN"));
    EXPECT_TRUE(SameName(L"run...", L"Run..."));
    EXPECT_FALSE(SameName(L"Main", L"Mai"));
    EXPECT_FALSE(SameName(L"\u00E9", L"\u00C9"));
    EXPECT_FALSE(SameName(L"[", L"{"));  // not a case pair, though 0x20 apart
    EXPECT_EQ(FoldName(L"HeightWidth\u00C9"), L"heightwidth\u00C9");
}

TEST(ParseIniInteger, FollowsTheDelphiIntegerRule) {
    struct Case {
        const wchar_t* text;
        int value;
    };
    constexpr int kFallback = -77;
    const Case cases[] = {
        {L"32851", 32851},
        {L"0", 0},
        {L"-12", -12},
        {L"+12", 12},
        {L"  42", 42},
        {L"007", 7},
        {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},
        {L"$8053", 0x8053},
        {L"0x8053", 0x8053},
        {L"0XfF", 255},
        {L"-$10", -16},
        {L"$FFFFFFFF", -1},
        {L"$80000000", -2147483647 - 1},
        {L"", kFallback},
        {L" ", kFallback},
        {L"-", kFallback},
        {L"$", kFallback},
        {L"0x", kFallback},
        {L"42 ", kFallback},
        {L"4 2", kFallback},
        {L"12abc", kFallback},
        {L"1.5", kFallback},
        {L"Alt+S", kFallback},
        {L"2147483648", kFallback},
        {L"-2147483649", kFallback},
        {L"$100000000", kFallback},
        {L"99999999999999999999999", kFallback},
        {L"--1", kFallback},
        {L"0x-1", kFallback},
        {L"\u0661", kFallback},  // Arabic-Indic digit one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseIniInteger(c.text, kFallback), c.value) << testing::PrintToString(std::wstring(c.text));
    }
}

TEST(DataFolderFor, AppendsProductPathToTrimmedProfile) {
    struct Case {
        const wchar_t* profile;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\Users\\Ann", L"C:\\Users\\Ann\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L"C:\\Users\\Ann\\", L"C:\\Users\\Ann\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L"  C:\\Users\\Ann  ", L"C:\\Users\\Ann\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L" C:\\Users\\Ann\\ ", L"C:\\Users\\Ann\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L"\\\\server\\home\\ann", L"\\\\server\\home\\ann\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L"", L"AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L"   ", L"AppData\\LocalLow\\Kavor\\Dravix\\"},
    };
    for (const Case& c : cases) {
        const std::wstring folder = DataFolderFor(c.profile);
        EXPECT_EQ(folder, c.folder) << testing::PrintToString(std::wstring(c.profile));
        EXPECT_EQ(folder.back(), L'\\');
    }
}
