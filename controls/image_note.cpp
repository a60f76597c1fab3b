#include "controls/image_note.h"

TPictureItem& TPictureCollection::Add(const ::Picture& picture) {
    items_.push_back({L"Picture_" + std::to_wstring(items_.size()), picture});
    return items_.back();
}

TImageNote::TImageNote(std::wstring name) : GraphicControl(std::move(name)) { SetLocked(false); }

void TImageNote::SetImageIndex(int value) {
    if (loading_) {
        imageIndex_ = value;
        return;
    }
    if (value >= 0 && value < Items.Count()) {
        imageIndex_ = value;
        SetPicture(Items[value].Picture);  // also when unchanged: repaints the same picture
    } else if (value == -1) {
        SetPicture({});
        imageIndex_ = -1;
    }
    // Anything else is ignored: neither the index nor the picture changes.
}

void TImageNote::SetLocked(bool value) {
    locked_ = value;
    if (value) savedBounds_ = GetBounds();
}

void TImageNote::RestoreLockedBounds() {
    if (!locked_) return;
    Bounds bounds = GetBounds();
    if (bounds.top != savedBounds_.top) bounds.top = savedBounds_.top;
    if (bounds.left != savedBounds_.left) bounds.left = savedBounds_.left;
    if (bounds.width != savedBounds_.width) bounds.width = savedBounds_.width;
    if (bounds.height != savedBounds_.height) bounds.height = savedBounds_.height;
    SetBounds(bounds);
}

void TImageNote::SetPicture(const ::Picture& picture) {
    picture_ = picture;
    if (autoSize_) FitToPicture();
    Invalidate();
}

void TImageNote::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImageNote::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_) FitToPicture();
}

void TImageNote::FitToPicture() {
    const SIZE size = picture_.Size();
    if (size.cx > 0 && size.cy > 0) SetBounds({Left(), Top(), size.cx, size.cy});
}

void TImageNote::Paint(HDC dc) { picture_.DrawIn(dc, GetBounds().Rect(), stretch_); }
