#include "hosting/CustodyRefusal.h"

namespace vr {

CustodyRefusal::Outcome CustodyRefusal::Answered(bool assigned, unsigned long systemError) {
    if (assigned) return {true, {}};
    if (reported_) return {false, {}};
    reported_ = true;
    return {false, "the system would not put a preview in its job (error " + std::to_string(systemError) +
                       "); previews are ended by their process alone, without what they started"};
}

}  // namespace vr
