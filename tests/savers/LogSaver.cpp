// A screensaver that records how it was started and how it ended, in "<name>.log" beside
// itself, so scenarios can check what the player asked of it. A side file "<name>.ini"
// ([saver] FullScreenMs=...) sets how long a full-screen run lasts before it ends by itself.
#include "RecordingSaver.h"

std::unique_ptr<kit::Saver> kit::CreateSaver() { return std::make_unique<RecordingSaver>(); }
