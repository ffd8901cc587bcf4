#pragma once
// Everything an end-to-end scenario uses to drive Veilrunner under Wine (or Windows).
#include "Controls.h"
#include "Diagnostics.h"
#include "Drop.h"
#include "Files.h"
#include "Messages.h"
#include "Paths.h"
#include "Process.h"
#include "Sandbox.h"
#include "SaverLog.h"
#include "Text.h"
#include "Wait.h"
#include "WindowTree.h"
