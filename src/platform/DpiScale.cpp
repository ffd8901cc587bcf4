#include "platform/DpiScale.h"

namespace vr {

int ScaleBetweenDpis(int pixels, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || fromDpi == toDpi) return pixels;
    const long long product = static_cast<long long>(pixels) * toDpi;
    const long long half = fromDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / fromDpi : (product - half) / fromDpi);
}

int ScaleForDpi(int figure, int dpi) { return ScaleBetweenDpis(figure, kDesignDpi, dpi); }

}  // namespace vr
