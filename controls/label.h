#pragma once
// Windowless text labels. A label draws one caption on its parent form and
// is transparent unless told otherwise, so the menu's artwork shows through.
// LabelCore holds the whole behaviour; the label classes differ only in the
// class name the language files see.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/unique_handle.h"
#include "ui/component.h"
#include "ui/control.h"

enum class LabelAlignment { Left, Right, Center };
enum class LabelEllipsis { None, Path, End, Word };
enum class LabelLayout { Top, Center, Bottom };

// Draws or, with DT_CALCRECT, measures `text` as DrawTextW does with the same
// flags; returns the text height (0 on failure).
using LabelTextOutput = std::function<int(HDC dc, std::wstring_view text, RECT& rect, UINT flags)>;

// The system's text drawing.
int DrawLabelText(HDC dc, std::wstring_view text, RECT& rect, UINT flags);

class LabelCore : public GraphicControl, public CaptionedComponent {
public:
    [[nodiscard]] std::wstring Caption() const override { return caption_; }
    void SetCaption(std::wstring caption) override;

    [[nodiscard]] LabelAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(LabelAlignment alignment);
    [[nodiscard]] bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool autoSize);
    [[nodiscard]] LabelEllipsis EllipsisPosition() const noexcept { return ellipsis_; }
    void SetEllipsisPosition(LabelEllipsis position);
    [[nodiscard]] WinControl* FocusControl() const noexcept { return focusControl_; }
    // The control must live as long as the label (both are members of one form).
    void SetFocusControl(WinControl* control) noexcept { focusControl_ = control; }
    [[nodiscard]] int GlowSize() const noexcept { return glowSize_; }
    void SetGlowSize(int size);
    [[nodiscard]] LabelLayout Layout() const noexcept { return layout_; }
    void SetLayout(LabelLayout layout);
    [[nodiscard]] bool ShowAccelChar() const noexcept { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    [[nodiscard]] bool Transparent() const noexcept { return transparent_; }
    void SetTransparent(bool transparent);
    [[nodiscard]] bool WordWrap() const noexcept { return wordWrap_; }
    void SetWordWrap(bool wrap);
    // The background when the label is not transparent.
    [[nodiscard]] COLORREF Color() const noexcept { return color_; }
    void SetColor(COLORREF color);
    // Right-to-left reading; the horizontal alignment is mirrored with it.
    [[nodiscard]] bool RightToLeft() const noexcept { return rightToLeft_; }
    void SetRightToLeft(bool rightToLeft);

    void SetFont(const Font& font) override;

    // The form calls this for Alt+`key`: when the caption marks `key` as its
    // accelerator, FocusControl takes the focus. True when the key was used.
    bool HandleAccelerator(wchar_t key);

    void Paint(HDC dc) override;
    // Draws the caption into `rect`, or with DT_CALCRECT in `flags` only
    // measures it and leaves the extent in `rect`.
    void DrawCaption(HDC dc, RECT& rect, UINT flags);
    // With AutoSize on and outside loading, resizes the label to its text.
    void AutoSizeToText();

    // While a form sets up its labels, sizing and caption switching wait
    // until EndLoading.
    void BeginLoading() noexcept { loading_ = true; }
    void EndLoading();
    [[nodiscard]] bool IsLoading() const noexcept { return loading_; }

    // Replaceable, as long as it keeps DrawTextW's meaning of the flags.
    LabelTextOutput TextOutput = DrawLabelText;

protected:
    explicit LabelCore(std::wstring name);
    // Runs when loading ends.
    virtual void Loaded();

private:
    HFONT FontHandle();
    std::wstring ShortenToHeight(HDC dc, const std::wstring& text, const RECT& rect, UINT flags);
    // Repaints, and re-sizes first when the text's extent may have changed.
    void Changed(bool extentChanged);

    std::wstring caption_;
    LabelAlignment alignment_ = LabelAlignment::Left;
    bool autoSize_ = true;
    LabelEllipsis ellipsis_ = LabelEllipsis::None;
    WinControl* focusControl_ = nullptr;
    int glowSize_ = 0;
    LabelLayout layout_ = LabelLayout::Top;
    bool showAccelChar_ = true;
    bool transparent_ = true;
    bool wordWrap_ = false;
    bool rightToLeft_ = false;
    COLORREF color_ = ::GetSysColor(COLOR_BTNFACE);
    bool loading_ = false;
    UniqueHfont font_;
};

class TCustomLabel : public LabelCore {
protected:
    using LabelCore::LabelCore;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(std::wstring name) : TCustomLabel(std::move(name)) {}
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TLabel"; }
};
