#include "platform/WindowFont.h"

#include "platform/DpiScale.h"

namespace vr {

FontChoice WindowFontAt(int dpi) { return {kWindowFontFace, -ScaleForDpi(11, dpi)}; }

}  // namespace vr
