#include "player/Choices.h"

namespace vr {

std::optional<unsigned> IntervalOfItem(int itemIndex) {
    if (itemIndex < 0 || static_cast<std::size_t>(itemIndex) >= kIntervalChoices.size()) {
        return std::nullopt;
    }
    return kIntervalChoices[static_cast<std::size_t>(itemIndex)].milliseconds;
}

int KeptIntervalItem(int kept, int reported) { return IntervalOfItem(reported) ? reported : kept; }

std::optional<ClientSize> SizeOfItem(int itemIndex) {
    // Item 0 shows the size the pane already has; choosing it changes nothing.
    if (itemIndex < 1 || static_cast<std::size_t>(itemIndex) >= kSizeChoices.size()) {
        return std::nullopt;
    }
    return kSizeChoices[static_cast<std::size_t>(itemIndex)].size;
}

std::string SizeCaption(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace vr
