#include "controls/label.h"

#include <algorithm>

#include "platform/gdi_scope.h"
#include "controls/label_text.h"

namespace {

UINT AlignmentFlag(LabelAlignment alignment, bool rightToLeft) noexcept {
    switch (alignment) {
    case LabelAlignment::Center:
        return DT_CENTER;
    case LabelAlignment::Right:
        return rightToLeft ? DT_LEFT : DT_RIGHT;
    case LabelAlignment::Left:
        break;
    }
    return rightToLeft ? DT_RIGHT : DT_LEFT;
}

UINT EllipsisFlag(LabelEllipsis position) noexcept {
    switch (position) {
    case LabelEllipsis::Path:
        return DT_PATH_ELLIPSIS;
    case LabelEllipsis::End:
        return DT_END_ELLIPSIS;
    case LabelEllipsis::Word:
        return DT_WORD_ELLIPSIS;
    case LabelEllipsis::None:
        break;
    }
    return 0;
}

wchar_t UpperCase(wchar_t c) noexcept {
    // CharUpperW converts a single character passed in the low word of the pointer.
    return static_cast<wchar_t>(
        reinterpret_cast<ULONG_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

}  // namespace

int DrawLabelText(HDC dc, std::wstring_view text, RECT& rect, UINT flags) {
    // The text is not ours to change: never let DrawTextW write the shortened form back.
    return ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, flags & ~UINT{DT_MODIFYSTRING});
}

LabelCore::LabelCore(std::wstring name) : GraphicControl(std::move(name)) { StoreBounds({0, 0, 65, 17}); }

void LabelCore::Changed(bool extentChanged) {
    if (extentChanged) AutoSizeToText();
    Invalidate();
}

void LabelCore::SetCaption(std::wstring caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Changed(true);
}

void LabelCore::SetAlignment(LabelAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Changed(false);
}

void LabelCore::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    Changed(true);
}

void LabelCore::SetEllipsisPosition(LabelEllipsis position) {
    if (position == ellipsis_) return;
    ellipsis_ = position;
    Changed(false);
}

void LabelCore::SetGlowSize(int size) {
    if (size == glowSize_) return;
    glowSize_ = size;
    Changed(true);
}

void LabelCore::SetLayout(LabelLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    Changed(false);
}

void LabelCore::SetShowAccelChar(bool show) {
    if (show == showAccelChar_) return;
    showAccelChar_ = show;
    Changed(true);
}

void LabelCore::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed(false);
}

void LabelCore::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    Changed(true);
}

void LabelCore::SetColor(COLORREF color) {
    if (color == color_) return;
    color_ = color;
    Changed(false);
}

void LabelCore::SetRightToLeft(bool rightToLeft) {
    if (rightToLeft == rightToLeft_) return;
    rightToLeft_ = rightToLeft;
    Changed(false);
}

void LabelCore::SetFont(const Font& font) {
    font_.reset();
    GraphicControl::SetFont(font);
    AutoSizeToText();
}

HFONT LabelCore::FontHandle() {
    if (!font_) font_ = CreateFontHandle(GetFont());
    return font_.get();
}

bool LabelCore::HandleAccelerator(wchar_t key) {
    if (!focusControl_ || !IsEnabled() || !showAccelChar_) return false;
    const wchar_t accelerator = AcceleratorChar(caption_);
    if (accelerator == 0 || UpperCase(accelerator) != UpperCase(key)) return false;
    const HWND target = focusControl_->Handle();
    if (!target || !::IsWindowVisible(target) || !::IsWindowEnabled(target)) return false;
    ::SetFocus(target);
    return true;
}

void LabelCore::Paint(HDC dc) {
    RECT area = GetBounds().Rect();
    if (!transparent_) {
        const UniqueHbrush background(::CreateSolidBrush(color_));
        ::FillRect(dc, &area, background.get());
    }
    ::SetBkMode(dc, TRANSPARENT);
    const UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | AlignmentFlag(alignment_, rightToLeft_);
    if (layout_ != LabelLayout::Top) {
        RECT measured = area;
        DrawCaption(dc, measured, flags | DT_CALCRECT);
        const int free = Height() - (measured.bottom - measured.top);
        ::OffsetRect(&area, 0, layout_ == LabelLayout::Center ? free / 2 : free);
    }
    DrawCaption(dc, area, flags);
}

std::wstring LabelCore::ShortenToHeight(HDC dc, const std::wstring& text, const RECT& rect, UINT flags) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    // A label lower than one line still shows its first line, shortened.
    const int limit = std::max<int>(Height(), metrics.tmHeight);
    return ShortenWordByWord(text, kLabelEllipsis, [&](std::wstring_view candidate) {
        RECT measured = rect;
        TextOutput(dc, candidate, measured, flags | DT_CALCRECT);
        return measured.bottom - measured.top <= limit;
    });
}

void LabelCore::DrawCaption(HDC dc, RECT& rect, UINT flags) {
    if (!TextOutput) return;
    const bool measuring = (flags & DT_CALCRECT) != 0;
    std::wstring text = caption_;
    // An empty caption still measures one line high, so an auto-sized label does not vanish.
    if (measuring && (text.empty() || (showAccelChar_ && text == L"&"))) text += L' ';
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    if (rightToLeft_) flags |= DT_RTLREADING;

    const SelectedObject font(dc, FontHandle());
    if (ellipsis_ != LabelEllipsis::None && !autoSize_) {
        flags |= EllipsisFlag(ellipsis_);
        if (wordWrap_ && (ellipsis_ == LabelEllipsis::End || ellipsis_ == LabelEllipsis::Word))
            text = ShortenToHeight(dc, text, rect, flags);
    }

    if (measuring) {
        TextOutput(dc, text, rect, flags);
    } else if (!IsEnabled()) {
        // Raised look: a light copy one pixel down and right, the shadow colour on top.
        ::OffsetRect(&rect, 1, 1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        TextOutput(dc, text, rect, flags);
        ::OffsetRect(&rect, -1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
        TextOutput(dc, text, rect, flags);
    } else {
        ::SetTextColor(dc, GetFont().color);
        TextOutput(dc, text, rect, flags);
    }
}

void LabelCore::AutoSizeToText() {
    if (!autoSize_ || loading_) return;
    const WindowDc screen;
    if (!screen) return;
    RECT extent{0, 0, Width(), Height()};
    DrawCaption(screen.get(), extent, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
    SetBounds({Left(), Top(), extent.right - extent.left, extent.bottom - extent.top});
}

void LabelCore::EndLoading() {
    if (!loading_) return;
    loading_ = false;
    Loaded();
}

void LabelCore::Loaded() {
    AutoSizeToText();
    Invalidate();
}
