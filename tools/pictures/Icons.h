#pragma once
// The program's icon and the demo screensavers' icons: one rounded tile each, drawn at every size
// an icon file carries so small sizes are drawn for their size rather than shrunk by Windows.
#include <vector>

#include "Canvas.h"

namespace pictures {

// One size of an icon: colour, and coverage in the red channel of `alpha` (1 = opaque).
struct IconImage {
    Canvas colour;
    Canvas alpha;
};

enum class IconMotif { Program, Starfield, Plasma, Ribbons };

// The sizes Windows asks for at 100 to 200 % scaling, and 256 for large views.
inline constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

std::vector<IconImage> DrawIcon(IconMotif motif);

}  // namespace pictures
