#include "about/ResourcePictures_win.h"

#include <cstring>
#include <span>

#include "about/AboutResources.h"
#include "about/JpegDecoder.h"
#include "platform/DpiScale.h"

namespace vr {
namespace {

std::span<const std::uint8_t> ResourceBytes(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);  // resources live with the module: nothing to free
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

OwnedBitmap TopDownDib(const Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // negative: rows top to bottom, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) std::memcpy(bits, image.bgra.data(), image.bgra.size());
    return bitmap;
}

}  // namespace

OwnedBitmap LoadLinksPicture() {
    std::optional<Image> image = DecodeJpeg(ResourceBytes(IDR_LINKS_PICTURE));
    return image ? TopDownDib(*image) : OwnedBitmap{};
}

OwnedBitmap LoadLogo() { return OwnedBitmap(LoadBitmapResource(IDB_LOGO)); }

HBITMAP LoadBitmapResource(int id) {
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

OwnedBitmap ScaledToDpi(OwnedBitmap picture, int dpi) {
    BITMAP size{};
    if (!picture || dpi == kDesignDpi || !GetObjectW(picture.Get(), sizeof size, &size)) return picture;
    const int width = ScaleForDpi(size.bmWidth, dpi), height = ScaleForDpi(size.bmHeight, dpi);
    HDC screen = GetDC(nullptr);
    OwnedBitmap scaled(CreateCompatibleBitmap(screen, width, height));
    if (scaled) {
        const BitmapDc source(screen, picture.Get());
        const BitmapDc target(screen, scaled.Get());
        SetStretchBltMode(target.Dc(), HALFTONE);
        StretchBlt(target.Dc(), 0, 0, width, height, source.Dc(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    ReleaseDC(nullptr, screen);
    return scaled ? std::move(scaled) : std::move(picture);
}

}  // namespace vr
