#include "platform/DpiScale.h"

#include <algorithm>
#include <limits>

namespace vr {

int ScaleBetweenDpis(int pixels, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || fromDpi == toDpi) return pixels;
    const long long product = static_cast<long long>(pixels) * toDpi;
    const long long half = fromDpi / 2;
    const long long scaled = product >= 0 ? (product + half) / fromDpi : (product - half) / fromDpi;
    // Lengths read from a file may be anything: the ends of the range hold them.
    return static_cast<int>(std::clamp<long long>(scaled, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int ScaleForDpi(int figure, int dpi) { return ScaleBetweenDpis(figure, kDesignDpi, dpi); }

}  // namespace vr
