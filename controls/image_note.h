#pragma once
// TImageNote: the picture control every multi-state button is made of. It
// owns an ordered list of named pictures and shows the one ImageIndex picks
// (0 normal, 1 hover, 2 pressed by the windows' convention; -1 blank).

#include <deque>
#include <string>

#include "controls/picture.h"
#include "ui/control.h"

struct TPictureItem {
    std::wstring Name;
    ::Picture Picture;
};

// The pictures of one TImageNote, in order. A new item is named after the
// index it gets: "Picture_0", "Picture_1", ...
class TPictureCollection {
public:
    TPictureItem& Add(const ::Picture& picture = {});
    [[nodiscard]] int Count() const noexcept { return static_cast<int>(items_.size()); }
    [[nodiscard]] TPictureItem& operator[](int index) { return items_.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] const TPictureItem& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }

private:
    std::deque<TPictureItem> items_;  // references to items stay valid as items are added
};

class TImageNote : public GraphicControl {
public:
    explicit TImageNote(std::wstring name);

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TImageNote"; }

    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    virtual void SetImageIndex(int value);

    TPictureCollection Items;

    [[nodiscard]] bool Locked() const noexcept { return locked_; }
    virtual void SetLocked(bool value);
    virtual void RestoreLockedBounds();

    // The picture actually drawn.
    [[nodiscard]] const ::Picture& GetPicture() const noexcept { return picture_; }
    void SetPicture(const ::Picture& picture);

    [[nodiscard]] bool Stretch() const noexcept { return stretch_; }
    void SetStretch(bool stretch);
    [[nodiscard]] bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // While a form builds its controls, a stored index does not replace the
    // picture the form gives the control itself.
    void BeginLoading() noexcept { loading_ = true; }
    void EndLoading() noexcept { loading_ = false; }

    void Paint(HDC dc) override;

private:
    void FitToPicture();

    ::Picture picture_;
    int imageIndex_ = -1;
    bool locked_ = false;
    Bounds savedBounds_;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool loading_ = false;
};
