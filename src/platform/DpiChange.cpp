#include "platform/DpiChange.h"

#include "platform/DpiScale.h"

namespace vr {

bool OnlySent(unsigned message) { return message == kDpiChangedMessage; }

std::optional<ChildPlace> SuggestedPlace(int dpi, const ChildPlace* suggested) {
    if (!suggested || dpi < kLowestDpi || dpi > kHighestDpi) return std::nullopt;
    if (suggested->right <= suggested->left || suggested->bottom <= suggested->top) return std::nullopt;
    return *suggested;
}

ChildPlace RescaledPlace(const ChildPlace& place, int fromDpi, int toDpi) {
    return {ScaleBetweenDpis(place.left, fromDpi, toDpi), ScaleBetweenDpis(place.top, fromDpi, toDpi),
            ScaleBetweenDpis(place.right, fromDpi, toDpi), ScaleBetweenDpis(place.bottom, fromDpi, toDpi)};
}

std::vector<ChildPlace> RescaledTree(const std::vector<ChildPlace>& places, int fromDpi, int toDpi) {
    std::vector<ChildPlace> rescaled;
    rescaled.reserve(places.size());
    for (const ChildPlace& place : places) rescaled.push_back(RescaledPlace(place, fromDpi, toDpi));
    return rescaled;
}

}  // namespace vr
