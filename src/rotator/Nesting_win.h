#pragma once
// A rotator started, however far down, by a saver of another rotator: a copy of Veilrunner.scr
// under any name or with any version resource. Playing, it would start savers that start it again
// and again. Every rotator marks the environment its savers inherit, and one that finds the mark
// plays nothing.
namespace vr {

bool StartedUnderRotator();
void MarkEnvironmentForSavers();

}  // namespace vr
