#include "BackBuffer.h"

namespace kit {

BackBuffer::~BackBuffer() { Release(); }

HDC BackBuffer::Prepare(HDC screen, int width, int height) {
    if (dc_ && width == width_ && height == height_) return dc_;
    Release();
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width > 0 ? width : 1, height > 0 ? height : 1);
    previous_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return dc_;
}

void BackBuffer::Present(HDC screen) const {
    if (dc_) BitBlt(screen, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

void BackBuffer::Release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
}

}  // namespace kit
