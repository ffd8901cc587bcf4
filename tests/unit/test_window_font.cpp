#include <gtest/gtest.h>

#include "platform/WindowFont.h"

namespace vr {
namespace {

// The scalable face at the character height of 11 pixels at 96 DPI, grown with the DPI at every
// step a user can choose, never held at a raster size.
TEST(WindowFont, IsTheScalableFaceAtElevenPixelsPerNinetySixDpi) {
    struct Case {
        int dpi, height;
    };
    for (const Case c :
         {Case{96, -11}, Case{120, -14}, Case{144, -17}, Case{168, -19}, Case{192, -22}, Case{288, -33}}) {
        const FontChoice font = WindowFontAt(c.dpi);
        EXPECT_EQ(font.face, "Microsoft Sans Serif") << c.dpi;
        EXPECT_EQ(font.height, c.height) << c.dpi;
    }
}

}  // namespace
}  // namespace vr
