#pragma once
// TImage: one picture on its parent form, at its natural size from the
// control's top-left corner or stretched over the control.

#include <string>

#include "controls/picture.h"
#include "ui/control.h"

class TImage : public GraphicControl {
public:
    explicit TImage(std::wstring name) : GraphicControl(std::move(name)) {}

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TImage"; }

    [[nodiscard]] const ::Picture& GetPicture() const noexcept { return picture_; }
    void SetPicture(const ::Picture& picture);
    [[nodiscard]] bool Stretch() const noexcept { return stretch_; }
    void SetStretch(bool stretch);

    void Paint(HDC dc) override;

private:
    ::Picture picture_;
    bool stretch_ = false;
};
