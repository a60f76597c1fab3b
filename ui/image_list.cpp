#include "ui/image_list.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include <cstring>

namespace {

// The picture as a top-down 32-bit DIB with straight alpha, as image lists take it.
UniqueHbitmap DecodePicture(const std::vector<BYTE>& bytes, int& width, int& height) {
    if (bytes.empty()) return {};
    IStream* stream = ::SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()));
    if (!stream) return {};
    Gdiplus::Bitmap bitmap(stream);
    stream->Release();  // the bitmap holds its own reference
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return {};
    width = static_cast<int>(bitmap.GetWidth());
    height = static_cast<int>(bitmap.GetHeight());
    if (width <= 0 || height <= 0) return {};

    Gdiplus::BitmapData pixels{};
    const Gdiplus::Rect whole(0, 0, width, height);
    if (bitmap.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &pixels) != Gdiplus::Ok) return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueHbitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (dib && bits) {
        const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
        for (int y = 0; y < height; ++y)
            std::memcpy(static_cast<BYTE*>(bits) + rowBytes * static_cast<std::size_t>(y),
                        static_cast<const BYTE*>(pixels.Scan0) + static_cast<std::ptrdiff_t>(pixels.Stride) * y,
                        rowBytes);
    }
    bitmap.UnlockBits(&pixels);
    return dib;
}

}  // namespace

TImageList::TImageList(std::wstring name, int width, int height)
    : Component(std::move(name)), width_(width), height_(height) {}

void TImageList::AssignShared(HIMAGELIST list) {
    owned_.reset();
    shared_ = list;
}

bool TImageList::LoadStrip(const std::vector<BYTE>& picture) {
    int width = 0, height = 0;
    UniqueHbitmap strip = DecodePicture(picture, width, height);
    const int count = width_ > 0 ? width / width_ : 0;
    if (!strip || count == 0) return false;
    if (owned_) {
        ::ImageList_Remove(owned_.get(), -1);
    } else {
        UniqueHimagelist created(::ImageList_Create(width_, height_, ILC_COLOR32, count, 4));
        if (!created) return false;
        owned_ = std::move(created);
        shared_ = nullptr;
    }
    // The list cuts a bitmap wider than one icon into icons, left to right.
    return ::ImageList_Add(owned_.get(), strip.get(), nullptr) >= 0;
}

int TImageList::Count() const { return Handle() ? ::ImageList_GetImageCount(Handle()) : 0; }

void TImageList::Clear() {
    if (owned_)
        ::ImageList_Remove(owned_.get(), -1);
    else
        shared_ = nullptr;
}
