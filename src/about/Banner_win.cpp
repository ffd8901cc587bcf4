#include "about/Banner_win.h"

#include "about/AboutResources.h"

namespace vr {

HBITMAP LoadBannerBitmap() {
    return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP,
                                           0, 0, LR_DEFAULTCOLOR));
}

}  // namespace vr
