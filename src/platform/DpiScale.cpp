#include "platform/DpiScale.h"

namespace vr {

int ScaleForDpi(int figure, int dpi) {
    const long long product = static_cast<long long>(figure) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : (product - half) / kDesignDpi);
}

}  // namespace vr
