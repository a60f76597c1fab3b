#pragma once
// A picture as the forms keep them: PNG data, decoded by GDI+ when first
// drawn. Copies share the immutable data, so copying a picture is cheap and
// a copy never changes with its source.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace Gdiplus {
class Bitmap;
}

class Picture {
public:
    Picture() = default;  // empty: draws nothing

    [[nodiscard]] static Picture FromBytes(std::vector<BYTE> bytes);
    [[nodiscard]] static Picture FromFile(const std::wstring& path);
    // An RCDATA resource of `module` (the program's own pictures).
    [[nodiscard]] static Picture FromResource(HMODULE module, const wchar_t* name);

    [[nodiscard]] bool Empty() const noexcept { return !data_ || data_->empty(); }
    // The encoded data as stored (PNG), for writing the picture elsewhere.
    [[nodiscard]] const std::vector<BYTE>& Data() const noexcept;
    // Natural size in pixels; 0 x 0 when empty or unreadable.
    [[nodiscard]] SIZE Size() const;
    // The decoded bitmap, nullptr when empty or not a picture.
    [[nodiscard]] Gdiplus::Bitmap* Bitmap() const;

    // Draws the picture with its alpha over `dc`, into `target`.
    void Draw(HDC dc, const RECT& target) const;
    // Stretched over `bounds`, or at its natural size from their top-left corner.
    void DrawIn(HDC dc, const RECT& bounds, bool stretch) const;

    [[nodiscard]] bool SameAs(const Picture& other) const noexcept { return data_ == other.data_; }

private:
    struct Decoded;
    std::shared_ptr<const std::vector<BYTE>> data_;
    std::shared_ptr<Decoded> decoded_;
};
