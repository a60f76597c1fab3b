#include "controls/picture.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include "platform/unique_handle.h"

struct Picture::Decoded {
    bool tried = false;
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
};

namespace {

const std::vector<BYTE> kNoData;

}  // namespace

Picture Picture::FromBytes(std::vector<BYTE> bytes) {
    Picture picture;
    picture.data_ = std::make_shared<const std::vector<BYTE>>(std::move(bytes));
    picture.decoded_ = std::make_shared<Decoded>();
    return picture;
}

Picture Picture::FromFile(const std::wstring& path) {
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > (64 << 20)) return {};
    std::vector<BYTE> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return {};
    bytes.resize(read);
    return FromBytes(std::move(bytes));
}

Picture Picture::FromResource(HMODULE module, const wchar_t* name) {
    HRSRC resource = ::FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!resource) return {};
    HGLOBAL loaded = ::LoadResource(module, resource);
    const auto* bytes = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!bytes) return {};
    return FromBytes(std::vector<BYTE>(bytes, bytes + ::SizeofResource(module, resource)));
}

const std::vector<BYTE>& Picture::Data() const noexcept { return data_ ? *data_ : kNoData; }

Gdiplus::Bitmap* Picture::Bitmap() const {
    if (Empty() || !decoded_) return nullptr;
    if (!decoded_->tried) {
        decoded_->tried = true;
        // GDI+ reads the stream lazily, so it stays with the bitmap.
        IStream* stream = ::SHCreateMemStream(data_->data(), static_cast<UINT>(data_->size()));
        if (stream) {
            auto bitmap = std::make_unique<Gdiplus::Bitmap>(stream);
            stream->Release();  // the bitmap holds its own reference
            if (bitmap->GetLastStatus() == Gdiplus::Ok) decoded_->bitmap = std::move(bitmap);
        }
    }
    return decoded_->bitmap.get();
}

SIZE Picture::Size() const {
    Gdiplus::Bitmap* bitmap = Bitmap();
    if (!bitmap) return {0, 0};
    return {static_cast<LONG>(bitmap->GetWidth()), static_cast<LONG>(bitmap->GetHeight())};
}

void Picture::Draw(HDC dc, const RECT& target) const {
    Gdiplus::Bitmap* bitmap = Bitmap();
    if (!bitmap) return;
    Gdiplus::Graphics graphics(dc);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.DrawImage(bitmap, Gdiplus::Rect(target.left, target.top, target.right - target.left,
                                             target.bottom - target.top));
}

void Picture::DrawIn(HDC dc, const RECT& bounds, bool stretch) const {
    if (Empty()) return;
    if (stretch) {
        Draw(dc, bounds);
        return;
    }
    const SIZE size = Size();
    Draw(dc, RECT{bounds.left, bounds.top, bounds.left + size.cx, bounds.top + size.cy});
}
