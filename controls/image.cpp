#include "controls/image.h"

void TImage::SetPicture(const ::Picture& picture) {
    picture_ = picture;
    Invalidate();
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::Paint(HDC dc) { picture_.DrawIn(dc, GetBounds().Rect(), stretch_); }
