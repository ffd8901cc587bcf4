#include "Pictures.h"

#include "Thumbnails.h"
#include "about/Products.h"

namespace pictures {
namespace {

// The tiles form a regular grid of equal cards, each lying within its click area at the area's
// top right (the click areas differ slightly in size; the cards do not).
constexpr int kCardWidth = 137;
constexpr int kCardHeight = 129;
constexpr int kThumbMargin = 8;
constexpr int kThumbHeight = 80;

const Colour kLinkBlue = Hex(0x1a4fa0);

void Card(Canvas& canvas, const Fonts& fonts, std::size_t index, int left, int top) {
    const vr::Product& product = vr::kProducts[index];
    canvas.FillRect(left + 2, top + 2, kCardWidth, kCardHeight, Hex(0x8d99a8), 0.25f);
    canvas.FillRect(left, top, kCardWidth, kCardHeight, Hex(0xffffff));
    canvas.FrameRect(left, top, kCardWidth, kCardHeight, Hex(0xc9d1db));

    const int thumbWidth = kCardWidth - 2 * kThumbMargin;
    canvas.Paste(Thumbnail(index, thumbWidth, kThumbHeight), left + kThumbMargin, top + kThumbMargin);
    canvas.FrameRect(left + kThumbMargin - 1, top + kThumbMargin - 1, thumbWidth + 2, kThumbHeight + 2,
                     Hex(0x55606e));

    const int centre = left + kCardWidth / 2;
    const int titleBaseline = top + kThumbMargin + kThumbHeight + 16;
    const int titleWidth = fonts.title.Measure(product.title);
    fonts.title.Draw(canvas, centre - titleWidth / 2, titleBaseline, product.title, kLinkBlue);
    canvas.FillRect(centre - titleWidth / 2, titleBaseline + 2, titleWidth, 1, kLinkBlue);
    fonts.small.DrawCentred(canvas, centre, titleBaseline + 15, product.kind, Hex(0x5b6572));
}

}  // namespace

Canvas LinksPicture(const Fonts& fonts) {
    Canvas canvas(vr::kPictureWidth, vr::kPictureHeight);
    canvas.VerticalGradient(0, 0, canvas.Width(), canvas.Height(), Hex(0xf4f6f9), Hex(0xe2e8ef));
    for (std::size_t i = 0; i < vr::kProducts.size(); ++i) {
        const vr::PixelRect& area = vr::kProducts[i].place;
        Card(canvas, fonts, i, area.left + area.width - kCardWidth - vr::kPictureLeft,
             area.top - vr::kPictureTop);
    }
    fonts.small.DrawCentred(canvas, canvas.Width() / 2, canvas.Height() - 8,
                            "All titles are freeware by Quillion", Hex(0x8a95a3));
    return canvas;
}

}  // namespace pictures
