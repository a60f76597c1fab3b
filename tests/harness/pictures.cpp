#include "tests/harness/pictures.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

namespace {

void StartGdiplusOnce() {
    static const ULONG_PTR token = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR started = 0;
        Gdiplus::GdiplusStartup(&started, &input, nullptr);
        return started;
    }();
    (void)token;
}

bool PngEncoder(CLSID& clsid) {
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<BYTE> SolidPng(int width, int height, DWORD argb) {
    StartGdiplusOnce();
    CLSID png;
    if (!PngEncoder(png)) return {};
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Gdiplus::Color(argb));
    IStream* stream = ::SHCreateMemStream(nullptr, 0);
    if (!stream) return {};
    std::vector<BYTE> bytes;
    if (bitmap.Save(stream, &png, nullptr) == Gdiplus::Ok) {
        STATSTG stat{};
        stream->Stat(&stat, STATFLAG_NONAME);
        bytes.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
        LARGE_INTEGER start{};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        ULONG read = 0;
        stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
        bytes.resize(read);
    }
    stream->Release();
    return bytes;
}
