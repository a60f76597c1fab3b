// The labels' text rules: word-by-word shortening and accelerator characters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/label_text.h"

namespace {

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

}  // namespace

TEST(ShortenWordByWord, CutsAtTheLastBlankOrTabUntilTheTextFits) {
    // A text fits when it has at most `limit` characters: a stand-in for measuring.
    struct Case {
        const wchar_t* text;
        std::size_t limit;
        const wchar_t* expected;
    } cases[] = {
        {L"one two three", 13, L"one two three"},
        {L"one two three", 12, L"one two..."},
        {L"one two three", 9, L"one..."},
        {L"one   two", 8, L"one..."},
        {L"one\ttwo three", 9, L"one..."},
        {L"abcdefghij", 6, L"abc..."},
        {L"one two", 2, L"..."},
        {L"", 0, L""},
    };
    for (const Case& c : cases) {
        const std::wstring result = ShortenWordByWord(
            c.text, kLabelEllipsis, [&](std::wstring_view candidate) { return candidate.size() <= c.limit; });
        EXPECT_EQ(result, c.expected) << Narrow(c.text) << " within " << c.limit;
    }
}

TEST(ShortenWordByWord, OffersEachShorterCandidateOnceAndStopsAtTheFirstFit) {
    std::vector<std::wstring> offered;
    const std::wstring result = ShortenWordByWord(L"Shut down the computer", L"~", [&](std::wstring_view candidate) {
        offered.emplace_back(candidate);
        return candidate.size() <= 10;
    });
    EXPECT_EQ(result, L"Shut down~");
    EXPECT_EQ(offered, (std::vector<std::wstring>{L"Shut down the computer", L"Shut down the~", L"Shut down~"}));
}

TEST(AcceleratorChar, IsTheCharacterAfterTheFirstSingleAmpersand) {
    struct Case {
        const wchar_t* caption;
        wchar_t expected;
    } cases[] = {
        {L"&File", L'F'},     {L"Save &As", L'A'}, {L"Tom && Jerry", 0}, {L"&&&x", L'x'},
        {L"a&&b&c", L'c'},    {L"trailing&", 0},   {L"", 0},             {L"no mark", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(AcceleratorChar(c.caption), c.expected) << Narrow(c.caption);
}
