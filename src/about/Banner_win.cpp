#include "about/Banner_win.h"

#include "about/AboutResources.h"
#include "about/ResourcePictures_win.h"

namespace vr {

HBITMAP LoadBannerBitmap() { return LoadBitmapResource(IDB_BANNER); }

}  // namespace vr
