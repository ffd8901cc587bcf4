#pragma once
// An off-screen bitmap the size of the window, so each frame reaches the screen in one blit.
#include <windows.h>

namespace kit {

class BackBuffer {
public:
    BackBuffer() = default;
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    ~BackBuffer();

    // A memory DC of the given size, compatible with `screen`; recreated when the size changes.
    HDC Prepare(HDC screen, int width, int height);
    void Present(HDC screen) const;

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace kit
