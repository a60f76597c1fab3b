// Labels on a real form: transparency, the disabled look, ellipses, sizing
// to the text, text placement, accelerators and the switching label.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gdi_scope.h"
#include "controls/label.h"
#include "controls/label_note.h"
#include "controls/rd_label.h"
#include "tests/harness/windows.h"
#include "ui/form.h"

namespace {

// A colour no system colour and no text uses, so any pixel of it is the form's own.
constexpr COLORREF kBackdrop = RGB(0, 128, 128);
constexpr COLORREF kInk = RGB(0, 0, 0);

Font LargeFont() { return Font{.face = L"Tahoma", .height = -24, .color = kInk, .bold = true}; }

// A child window that can take the focus.
class FocusTarget : public WinControl {
public:
    FocusTarget() : WinControl(L"pnl_Target") {}
    std::wstring_view ClassName() const override { return L"TFocusTarget"; }
    bool Open(HWND parent) {
        static constexpr WindowClass kClass{L"TLabelTestFocusTarget"};
        return Create(kClass, 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP, L"", {360, 200, 30, 20}, parent);
    }
};

class LabelForm : public Form {
public:
    LabelForm() : Form(L"frmLabels") {
        Own(lbl_Main);
        Own(lbl_Rd);
        Own(lbl_Note);
        InsertControl(lbl_Main);
        InsertControl(lbl_Rd);
        InsertControl(lbl_Note);
    }
    bool Open() {
        static constexpr WindowClass kClass{L"TLabelTestForm"};
        return CreateForm(kClass, WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, L"Labels", {100, 100, 400, 240}) &&
               target.Open(Handle());
    }
    std::wstring_view ClassName() const override { return L"TLabelTestForm"; }

    TLabel lbl_Main{L"lbl_Main"};
    TRdLabel lbl_Rd{L"lbl_Rd"};
    TLabelNote lbl_Note{L"lbl_Note"};
    FocusTarget target;

protected:
    void PaintBackground(HDC dc, const RECT& client) override {
        const UniqueHbrush brush(::CreateSolidBrush(kBackdrop));
        ::FillRect(dc, &client, brush.get());
    }
};

// The pixels of a window's client area, copied at once.
class Snapshot {
public:
    explicit Snapshot(HWND window) {
        RECT client;
        ::GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        const WindowDc screen(window);
        const UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const UniqueHbitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap || !memory) return;
        const SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), 0, 0, SRCCOPY);
        ::GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(first, first + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    }

    [[nodiscard]] COLORREF At(int x, int y) const {
        const std::uint32_t p = pixels_.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                           static_cast<std::size_t>(x));
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    [[nodiscard]] int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += At(x, y) == colour;
        return count;
    }
    // The smallest rectangle holding every pixel of `area` that is not `background`.
    [[nodiscard]] RECT InkBox(const RECT& area, COLORREF background) const {
        RECT box{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (At(x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Stands in for the text-output routine: notes every call and draws through
// the system, asking it for the text it actually shows.
struct OutputCall {
    std::wstring text;
    std::wstring shown;
    RECT rect;
    UINT flags;
    COLORREF colour;
};

class OutputRecorder {
public:
    LabelTextOutput Routine() {
        return [this](HDC dc, std::wstring_view text, RECT& rect, UINT flags) {
            OutputCall call{std::wstring(text), {}, rect, flags, ::GetTextColor(dc)};
            // DrawTextW writes a shortened text back into a buffer with room for the ellipsis.
            std::vector<wchar_t> buffer(text.begin(), text.end());
            buffer.resize(text.size() + 8, L'\0');
            const int height = ::DrawTextW(dc, buffer.data(), static_cast<int>(text.size()), &rect,
                                           (flags & DT_CALCRECT) ? flags : flags | DT_MODIFYSTRING);
            call.shown = buffer.data();
            calls.push_back(std::move(call));
            return height;
        };
    }
    [[nodiscard]] std::vector<OutputCall> Draws() const {
        std::vector<OutputCall> draws;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(draws),
                     [](const OutputCall& call) { return !(call.flags & DT_CALCRECT); });
        return draws;
    }

    std::vector<OutputCall> calls;
};

bool EndsWith(std::wstring_view text, std::wstring_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The height DrawTextW gives `text` in `label`'s font, wrapped at the label's width.
int WrappedHeight(LabelCore& label, std::wstring_view text) {
    const WindowDc screen;
    const UniqueHfont font = CreateFontHandle(label.GetFont());
    const SelectedObject selected(screen.get(), font.get());
    RECT rect{0, 0, label.Width(), 0};
    return ::DrawTextW(screen.get(), text.data(), static_cast<int>(text.size()), &rect,
                       DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
}

class LabelTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form.Open());
        ASSERT_TRUE(WaitForShown(form.Handle()));
        // Only the label a test looks at is in the way.
        form.lbl_Rd.SetVisible(false);
        form.lbl_Note.SetVisible(false);
    }
    Snapshot Redraw() {
        ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return Snapshot(form.Handle());
    }
    // A large caption in a fixed box, so there are pixels to look at.
    void Place(LabelCore& label, std::wstring caption, const Bounds& bounds) {
        label.SetFont(LargeFont());
        label.SetAutoSize(false);
        label.SetBounds(bounds);
        label.SetCaption(std::move(caption));
    }

    LabelForm form;
};

}  // namespace

TEST_F(LabelTest, NewLabelsOfBothClassesHaveTheDocumentedDefaults) {
    struct Case {
        LabelCore& label;
        std::wstring_view className;
    } cases[] = {{form.lbl_Main, L"TLabel"}, {form.lbl_Rd, L"TRdLabel"}, {form.lbl_Note, L"TLabelNote"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.className.begin(), c.className.end()));
        EXPECT_EQ(c.label.ClassName(), c.className);
        EXPECT_EQ(c.label.Width(), 65);
        EXPECT_EQ(c.label.Height(), 17);
        EXPECT_TRUE(c.label.AutoSize());
        EXPECT_TRUE(c.label.ShowAccelChar());
        EXPECT_TRUE(c.label.Transparent());
        EXPECT_FALSE(c.label.WordWrap());
        EXPECT_EQ(c.label.Alignment(), LabelAlignment::Left);
        EXPECT_EQ(c.label.Layout(), LabelLayout::Top);
        EXPECT_EQ(c.label.EllipsisPosition(), LabelEllipsis::None);
        EXPECT_EQ(c.label.GlowSize(), 0);
        EXPECT_EQ(c.label.FocusControl(), nullptr);
        EXPECT_TRUE(c.label.TextOutput);
    }
}

TEST_F(LabelTest, TransparentLabelShowsTheFormAndAnOpaqueOneFillsWithItsColour) {
    constexpr COLORREF kFill = RGB(255, 255, 0);
    struct Case {
        const char* name;
        bool transparent;
        COLORREF background;
    } cases[] = {{"made in code", true, kBackdrop}, {"opaque", false, kFill}};
    for (LabelCore* label : {static_cast<LabelCore*>(&form.lbl_Main), static_cast<LabelCore*>(&form.lbl_Rd)}) {
        form.lbl_Main.SetVisible(label == &form.lbl_Main);
        form.lbl_Rd.SetVisible(label == &form.lbl_Rd);
        Place(*label, L"Wide Mow", {20, 20, 300, 60});
        label->SetColor(kFill);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " " << (label == &form.lbl_Rd ? "TRdLabel" : "TLabel"));
            if (!c.transparent) label->SetTransparent(false);
            const Snapshot shot = Redraw();
            const RECT area = label->GetBounds().Rect();
            const RECT ink = shot.InkBox(area, c.background);
            ASSERT_LT(ink.left, ink.right) << "the caption is drawn";
            EXPECT_GT(shot.Count(ink, kInk), 0);
            // Between the glyphs, inside the text's own box, the background shows.
            EXPECT_GT(shot.Count(ink, c.background), 0);
            const int inkPixels = (ink.right - ink.left) * (ink.bottom - ink.top);
            const int labelPixels = (area.right - area.left) * (area.bottom - area.top);
            EXPECT_EQ(shot.Count(area, c.background), labelPixels - inkPixels + shot.Count(ink, c.background))
                << "every pixel of the label outside the text is the background";
            EXPECT_EQ(shot.At(area.right - 1, area.bottom - 1), c.background);
        }
    }
}

TEST_F(LabelTest, DisabledLabelDrawsRaisedTextInTheTwoButtonColours) {
    Place(form.lbl_Main, L"Shut down", {20, 20, 300, 60});
    OutputRecorder recorder;
    form.lbl_Main.TextOutput = recorder.Routine();

    Redraw();
    ASSERT_EQ(recorder.Draws().size(), 1u) << "an enabled label draws once";
    EXPECT_EQ(recorder.Draws()[0].colour, kInk);
    const RECT enabledRect = recorder.Draws()[0].rect;

    recorder.calls.clear();
    form.lbl_Main.SetEnabled(false);
    const Snapshot shot = Redraw();
    const std::vector<OutputCall> draws = recorder.Draws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].colour, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(draws[1].colour, ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(draws[0].rect.left, enabledRect.left + 1);
    EXPECT_EQ(draws[0].rect.top, enabledRect.top + 1);
    EXPECT_EQ(draws[1].rect.left, enabledRect.left);
    EXPECT_EQ(draws[1].rect.top, enabledRect.top);

    const RECT area = form.lbl_Main.GetBounds().Rect();
    EXPECT_GT(shot.Count(area, ::GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
    EXPECT_GT(shot.Count(area, ::GetSysColor(COLOR_BTNSHADOW)), 0);
    EXPECT_EQ(shot.Count(area, kInk), 0) << "the font colour is not used while disabled";
    // The highlight copy lies one pixel lower: the text's top row is shadow, its bottom row highlight.
    const RECT ink = shot.InkBox(area, kBackdrop);
    const RECT topRow{ink.left, ink.top, ink.right, ink.top + 1};
    const RECT bottomRow{ink.left, ink.bottom - 1, ink.right, ink.bottom};
    EXPECT_GT(shot.Count(topRow, ::GetSysColor(COLOR_BTNSHADOW)), 0);
    EXPECT_EQ(shot.Count(topRow, ::GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
    EXPECT_GT(shot.Count(bottomRow, ::GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
    EXPECT_EQ(shot.Count(bottomRow, ::GetSysColor(COLOR_BTNSHADOW)), 0);
}

TEST_F(LabelTest, TextThatDoesNotFitIsShortenedOnlyWhenAskedAndNotAutoSized) {
    const std::wstring caption = L"A caption much longer than its label";
    struct Case {
        const char* name;
        LabelEllipsis position;
        bool autoSize;
        UINT flag;
    } cases[] = {
        {"end", LabelEllipsis::End, false, DT_END_ELLIPSIS},
        {"word", LabelEllipsis::Word, false, DT_WORD_ELLIPSIS},
        {"path", LabelEllipsis::Path, false, DT_PATH_ELLIPSIS},
        {"none", LabelEllipsis::None, false, 0},
        {"end, auto-sized", LabelEllipsis::End, true, 0},
    };
    constexpr UINT kAnyEllipsis = DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS;
    OutputRecorder recorder;
    form.lbl_Main.TextOutput = recorder.Routine();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Place(form.lbl_Main, caption, {10, 10, 120, 40});
        form.lbl_Main.SetEllipsisPosition(c.position);
        form.lbl_Main.SetAutoSize(c.autoSize);
        recorder.calls.clear();
        Redraw();
        const std::vector<OutputCall> draws = recorder.Draws();
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(draws[0].flags & kAnyEllipsis, c.flag);
        EXPECT_EQ(draws[0].text, caption);
        if (c.position == LabelEllipsis::End && !c.autoSize) {
            EXPECT_TRUE(EndsWith(draws[0].shown, L"...")) << "shown: " << testing::PrintToString(draws[0].shown);
            EXPECT_LT(draws[0].shown.size(), caption.size());
        }
        if (c.flag == 0) {
            EXPECT_EQ(draws[0].shown, caption);
        }
        if (c.autoSize) {
            EXPECT_GT(form.lbl_Main.Width(), 120) << "an auto-sized label grows instead";
        }
    }
}

TEST_F(LabelTest, WrappedLabelDropsWholeWordsUntilTheTextFitsItsHeight) {
    const std::wstring caption = L"Programs and files you have opened recently appear here for quick access";
    OutputRecorder recorder;
    for (LabelEllipsis position : {LabelEllipsis::End, LabelEllipsis::Word}) {
        Place(form.lbl_Main, caption, {10, 10, 160, 60});
        form.lbl_Main.SetWordWrap(true);
        form.lbl_Main.SetEllipsisPosition(position);
        form.lbl_Main.TextOutput = recorder.Routine();
        recorder.calls.clear();
        Redraw();
        const std::vector<OutputCall> draws = recorder.Draws();
        ASSERT_EQ(draws.size(), 1u);
        const std::wstring& text = draws[0].text;
        ASSERT_TRUE(EndsWith(text, L"...")) << testing::PrintToString(text);
        const std::wstring kept = text.substr(0, text.size() - 3);
        ASSERT_EQ(caption.compare(0, kept.size(), kept), 0) << "a prefix of the caption";
        EXPECT_EQ(caption[kept.size()], L' ') << "cut at a word boundary";
        EXPECT_LE(WrappedHeight(form.lbl_Main, text), form.lbl_Main.Height());
        // One more word would not have fitted.
        const std::size_t next = caption.find(L' ', kept.size() + 1);
        EXPECT_GT(WrappedHeight(form.lbl_Main, caption.substr(0, next) + L"..."), form.lbl_Main.Height());
    }
}

TEST_F(LabelTest, AutoSizeFollowsTheCaptionFontAndWrapping) {
    TLabel& label = form.lbl_Main;
    label.SetCaption(L"Run");
    const Bounds shortText = label.GetBounds();
    label.SetCaption(L"Run a program by its full name");
    EXPECT_GT(label.Width(), shortText.width);
    EXPECT_EQ(label.Height(), shortText.height) << "one line stays one line high";
    EXPECT_EQ(label.Left(), shortText.left);
    EXPECT_EQ(label.Top(), shortText.top);

    // An empty caption and a lone accelerator mark still measure one blank high.
    for (const wchar_t* blank : {L"", L"&"}) {
        label.SetCaption(blank);
        EXPECT_EQ(label.Height(), shortText.height);
        EXPECT_GT(label.Width(), 0);
    }

    label.SetCaption(L"Run");
    label.SetFont(LargeFont());
    EXPECT_GT(label.Height(), shortText.height) << "a larger font re-sizes";
    const Bounds large = label.GetBounds();
    label.SetBounds({large.left, large.top, 200, 90});
    label.SetGlowSize(2);
    EXPECT_EQ(label.GetBounds(), large) << "a glow change re-sizes to the text";

    label.SetCaption(L"Run a program by its full name");
    const int oneLine = label.Height();
    label.SetBounds({label.Left(), label.Top(), 120, oneLine});
    label.SetWordWrap(true);
    EXPECT_LE(label.Width(), 120) << "lines wrap within the label's width";
    EXPECT_GT(label.Height(), oneLine);

    label.SetAutoSize(false);
    label.SetBounds({10, 10, 65, 17});
    label.SetCaption(L"A caption of some length that is not measured");
    EXPECT_EQ(label.GetBounds(), (Bounds{10, 10, 65, 17}));
}

TEST_F(LabelTest, AlignmentAndLayoutPlaceTheText) {
    enum class Side { Start, Middle, End };
    struct Case {
        const char* name;
        LabelAlignment alignment;
        LabelLayout layout;
        bool rightToLeft;
        Side horizontal;
        Side vertical;
    } cases[] = {
        {"left top", LabelAlignment::Left, LabelLayout::Top, false, Side::Start, Side::Start},
        {"centre centre", LabelAlignment::Center, LabelLayout::Center, false, Side::Middle, Side::Middle},
        {"right bottom", LabelAlignment::Right, LabelLayout::Bottom, false, Side::End, Side::End},
        {"left, right to left", LabelAlignment::Left, LabelLayout::Top, true, Side::End, Side::Start},
    };
    auto check = [](Side side, int before, int after) {
        switch (side) {
        case Side::Start:
            EXPECT_LT(before + 20, after);
            break;
        case Side::Middle:
            EXPECT_LE(std::abs(before - after), 4) << before << " before, " << after << " after";
            break;
        case Side::End:
            EXPECT_GT(before, after + 20);
            break;
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Place(form.lbl_Main, L"XX", {20, 20, 300, 120});
        form.lbl_Main.SetAlignment(c.alignment);
        form.lbl_Main.SetLayout(c.layout);
        form.lbl_Main.SetRightToLeft(c.rightToLeft);
        const RECT area = form.lbl_Main.GetBounds().Rect();
        const RECT ink = Redraw().InkBox(area, kBackdrop);
        ASSERT_LT(ink.left, ink.right);
        check(c.horizontal, ink.left - area.left, area.right - ink.right);
        check(c.vertical, ink.top - area.top, area.bottom - ink.bottom);
    }
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl) {
    TLabel& label = form.lbl_Main;
    label.SetCaption(L"Search &programs");
    label.SetFocusControl(&form.target);
    struct Case {
        const char* name;
        wchar_t key;
        bool enabled;
        bool showAccelChar;
        bool focuses;
    } cases[] = {
        {"other key", L'S', true, true, false},
        {"marked key", L'p', true, true, true},
        {"marked key, upper case", L'P', true, true, true},
        {"disabled label", L'p', false, true, false},
        {"accelerators off", L'p', true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::SetFocus(form.Handle());
        label.SetEnabled(c.enabled);
        label.SetShowAccelChar(c.showAccelChar);
        EXPECT_EQ(label.HandleAccelerator(c.key), c.focuses);
        EXPECT_EQ(::GetFocus() == form.target.Handle(), c.focuses);
    }
    label.SetEnabled(true);
    label.SetShowAccelChar(true);
    label.SetFocusControl(nullptr);
    EXPECT_FALSE(label.HandleAccelerator(L'p'));
}

TEST_F(LabelTest, LanguageFilesReachCaptionsThroughTheComponentInterfaces) {
    auto* captioned = dynamic_cast<CaptionedComponent*>(form.FindComponent(L"lbl_Main"));
    ASSERT_NE(captioned, nullptr);
    captioned->SetCaption(L"Alle Programme anzeigen");
    EXPECT_EQ(form.lbl_Main.Caption(), L"Alle Programme anzeigen");
    EXPECT_GT(form.lbl_Main.Width(), 65) << "a translated caption re-sizes the label";

    auto* items = dynamic_cast<ItemCaptions*>(form.FindComponent(L"lbl_Note"));
    ASSERT_NE(items, nullptr);
    form.lbl_Note.Items().Add();
    form.lbl_Note.Items().Add();
    form.lbl_Note.SetTextIndex(1);
    ASSERT_EQ(items->ItemCount(), 2);
    items->SetItemCaption(0, L"Suchen");
    EXPECT_EQ(items->ItemCaption(0), L"Suchen");
    EXPECT_EQ(form.lbl_Note.Caption(), L"Text_1") << "only the item on show changes the caption";
    items->SetItemCaption(1, L"Keine Treffer");
    EXPECT_EQ(form.lbl_Note.Caption(), L"Keine Treffer");
    EXPECT_EQ(dynamic_cast<ItemCaptions*>(form.FindComponent(L"lbl_Main")), nullptr);
}

TEST_F(LabelTest, LabelNoteSwitchesAmongItsTextsAndIgnoresOtherIndexes) {
    TLabelNote& note = form.lbl_Note;
    TLabelItem& first = note.Items().Add();
    note.Items().Add();
    note.Items().Add().Text = L"No items match your search.";
    EXPECT_EQ(first.Text, L"Text_0") << "an item keeps its place while others are added";
    EXPECT_EQ(note.Items().Item(1).Text, L"Text_1");
    EXPECT_EQ(note.TextIndex(), -1);

    note.SetCaption(L"Searching...");
    for (int ignored : {5, 3, -1, -7}) {
        note.SetTextIndex(ignored);
        EXPECT_EQ(note.TextIndex(), -1) << ignored;
        EXPECT_EQ(note.Caption(), L"Searching...") << ignored;
    }
    note.SetTextIndex(2);
    EXPECT_EQ(note.Caption(), L"No items match your search.");
    note.SetTextIndex(5);
    EXPECT_EQ(note.TextIndex(), 2);
    EXPECT_EQ(note.Caption(), L"No items match your search.");
    note.SetTextIndex(0);
    EXPECT_EQ(note.Caption(), L"Text_0");
}

TEST_F(LabelTest, LabelNoteAppliesTheIndexStoredWhileLoadingWhenLoadingEnds) {
    struct Case {
        const char* name;
        int index;
        int expectedIndex;
        std::wstring expectedCaption;
    } cases[] = {{"valid", 1, 1, L"Text_1"}, {"out of range", 4, -1, L"Before"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLabelNote note(L"lbl_Loading");
        note.BeginLoading();
        note.SetCaption(L"Before");
        note.SetTextIndex(c.index);
        EXPECT_EQ(note.TextIndex(), c.index) << "only stored while loading";
        EXPECT_EQ(note.Caption(), L"Before");
        for (int i = 0; i < 3; ++i) note.Items().Add();
        const Bounds beforeLoaded = note.GetBounds();
        note.EndLoading();
        EXPECT_EQ(note.TextIndex(), c.expectedIndex);
        EXPECT_EQ(note.Caption(), c.expectedCaption);
        EXPECT_NE(note.GetBounds(), beforeLoaded) << "sizing to the text waited for the end of loading";
    }
}
