#pragma once
// What becomes of a preview the system would not put in its job. Window-free, so the rule is
// tested with the system's answers faked.
#include <string>

namespace vr {

class CustodyRefusal {
public:
    struct Outcome {
        // Only a preview in its job is ended with everything it started by closing the job; a
        // refused one is ended by its process handle, so the job is let go at once.
        bool keepJob;
        // The line the debugger's output hears: the first refusal only, since a system that
        // refuses once (Windows 7 inside a job of its own) refuses every preview alike.
        std::string report;
    };

    // The system's answer to putting a new preview in its job (systemError when refused).
    Outcome Answered(bool assigned, unsigned long systemError);

private:
    bool reported_ = false;
};

}  // namespace vr
