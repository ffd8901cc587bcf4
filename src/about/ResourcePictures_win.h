#pragma once
// The About window's pictures, taken from the program's resources.
#include "platform/Handles_win.h"

namespace vr {

// The tile picture: the embedded JPEG decoded into a 32-bit DIB section. Empty when the resource
// is missing or does not decode; the window then shows without it.
OwnedBitmap LoadLinksPicture();
// The 100 x 100 logo.
OwnedBitmap LoadLogo();
// The picture grown or shrunk from its 96-DPI size to the given DPI; the same picture at 96 DPI
// or when it cannot be scaled.
OwnedBitmap ScaledToDpi(OwnedBitmap picture, int dpi);
// A BITMAP resource of the program; the caller owns the result (null when missing).
HBITMAP LoadBitmapResource(int id);

}  // namespace vr
