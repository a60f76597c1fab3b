// TImageNote on a real form: which picture shows for which index.

#include <gtest/gtest.h>

#include "controls/image_note.h"
#include "tests/harness/pictures.h"
#include "ui/form.h"

namespace {

constexpr DWORD kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr COLORREF kBackground = RGB(0x20, 0x20, 0x20);

class PictureForm : public Form {
public:
    PictureForm() : Form(L"frmPictures") {
        Own(ImageNote_Button);
        ImageNote_Button.SetBounds({10, 10, 20, 20});
        ImageNote_Button.SetStretch(true);
        InsertControl(ImageNote_Button);
    }
    bool Open() {
        static constexpr WindowClass kClass{L"TPictureForm"};
        return CreateForm(kClass, WS_EX_TOPMOST | WS_EX_NOACTIVATE, WS_POPUP | WS_VISIBLE, L"pictures",
                          {300, 300, 60, 60});
    }
    std::wstring_view ClassName() const override { return L"TPictureForm"; }

    // The colour at the middle of the control, as painted now.
    COLORREF Shown() {
        ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = ::GetDC(Handle());
        const COLORREF colour = ::GetPixel(dc, 20, 20);
        ::ReleaseDC(Handle(), dc);
        return colour;
    }

    TImageNote ImageNote_Button{L"ImageNote_Button"};

protected:
    void PaintBackground(HDC dc, const RECT& client) override {
        HBRUSH brush = ::CreateSolidBrush(kBackground);
        ::FillRect(dc, &client, brush);
        ::DeleteObject(brush);
    }
};

class ImageNoteTest : public testing::Test {
protected:
    void SetUp() override {
        for (DWORD colour : {kRed, kGreen, kBlue}) button().Items.Add(Picture::FromBytes(SolidPng(8, 8, colour)));
        ASSERT_TRUE(form.Open());
    }
    TImageNote& button() { return form.ImageNote_Button; }

    PictureForm form;
};

}  // namespace

TEST_F(ImageNoteTest, NamesItemsAfterTheirIndex) {
    EXPECT_EQ(button().Items[0].Name, L"Picture_0");
    EXPECT_EQ(button().Items[2].Name, L"Picture_2");
    EXPECT_EQ(button().Items.Add().Name, L"Picture_3");
}

TEST_F(ImageNoteTest, IndexPicksThePictureAndOutOfRangeValuesChangeNothing) {
    EXPECT_EQ(button().ImageIndex(), -1);
    EXPECT_EQ(form.Shown(), kBackground) << "a new control shows nothing";

    struct Step {
        int set;
        int expectedIndex;
        COLORREF expectedColour;
    };
    const Step steps[] = {
        {1, 1, RGB(0, 255, 0)},  {2, 2, RGB(0, 0, 255)},  {3, 2, RGB(0, 0, 255)},  // the item count: ignored
        {-2, 2, RGB(0, 0, 255)}, {-1, -1, kBackground},   {0, 0, RGB(255, 0, 0)},
        {0, 0, RGB(255, 0, 0)},  // the same index again shows the same picture
    };
    for (const Step& step : steps) {
        button().SetImageIndex(step.set);
        EXPECT_EQ(button().ImageIndex(), step.expectedIndex) << "after " << step.set;
        EXPECT_EQ(form.Shown(), step.expectedColour) << "after " << step.set;
    }
}

TEST_F(ImageNoteTest, WhileLoadingAStoredIndexKeepsTheGivenPicture) {
    button().BeginLoading();
    button().SetPicture(button().Items[2].Picture);
    button().SetImageIndex(0);
    button().EndLoading();
    EXPECT_EQ(button().ImageIndex(), 0);
    EXPECT_EQ(form.Shown(), RGB(0, 0, 255));
}

TEST_F(ImageNoteTest, ShowsACopyThatOutlivesTheItems) {
    button().SetImageIndex(1);
    const Picture shown = button().GetPicture();
    EXPECT_TRUE(shown.SameAs(button().Items[1].Picture));
    button().Items[1].Picture = Picture::FromBytes(SolidPng(8, 8, kRed));
    EXPECT_EQ(form.Shown(), RGB(0, 255, 0)) << "changing the item does not change what is shown";
}

TEST_F(ImageNoteTest, LockedBoundsAreRestored) {
    button().SetLocked(true);
    button().SetBounds({0, 5, 40, 45});
    button().RestoreLockedBounds();
    EXPECT_EQ(button().GetBounds(), (Bounds{10, 10, 20, 20}));

    button().SetLocked(false);
    button().SetBounds({1, 2, 3, 4});
    button().RestoreLockedBounds();
    EXPECT_EQ(button().GetBounds(), (Bounds{1, 2, 3, 4}));
}

TEST(Picture, UnreadableDataDrawsNothing) {
    const Picture garbage = Picture::FromBytes({0x89, 'P', 'N', 'G', 1, 2, 3});
    EXPECT_FALSE(garbage.Empty());
    EXPECT_EQ(garbage.Bitmap(), nullptr);
    EXPECT_EQ(garbage.Size().cx, 0);
    EXPECT_TRUE(Picture::FromFile(L"Z:\\no\\such\\picture.png").Empty());
    EXPECT_EQ(Picture::FromBytes(SolidPng(5, 7, kRed)).Size().cy, 7);
}
