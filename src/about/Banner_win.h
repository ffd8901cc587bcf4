#pragma once
// The player bar's banner: its picture, and (through Links.h) kBannerPageUrl, the page it opens.
#include <windows.h>

#include "about/Links.h"

namespace vr {

// The 88 x 31 banner from the program's resources. The caller owns the bitmap; the bar keeps it
// for the whole run.
HBITMAP LoadBannerBitmap();

}  // namespace vr
