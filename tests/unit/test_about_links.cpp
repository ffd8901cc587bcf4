#include "about/Links.h"
#include "about/Products.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vr {
namespace {

const std::string kSite = "https://" + std::string(kMakerHost) + "/";

bool UnderSite(const std::string& url) { return url.rfind(kSite, 0) == 0 && url.size() >= kSite.size(); }

TEST(AboutLinks, EveryPageLiesUnderTheMakersSite) {
    for (const char* url : {kHomePageUrl, kDonationPageUrl, kBannerPageUrl})
        EXPECT_TRUE(UnderSite(url)) << url;
    for (const Product& p : kProducts) EXPECT_TRUE(UnderSite(p.page)) << p.title;
}

TEST(AboutLinks, HomePageIsTheSiteItself) { EXPECT_EQ(kHomePageUrl, kSite); }

TEST(AboutLinks, EveryLinkOpensADifferentPage) {
    std::set<std::string> urls{kHomePageUrl, kDonationPageUrl, kBannerPageUrl};
    for (const Product& p : kProducts) urls.insert(p.page);
    EXPECT_EQ(urls.size(), 3u + kProducts.size());
}

// The click areas as the About window lays them out on the "Links" tab, in tile order.
struct AreaCase {
    const char* name;
    int left, top, width, height;
};
constexpr AreaCase kAreas[] = {
    {"Image5", 16, 16, 137, 137},  {"Image4", 176, 16, 137, 137},  {"Image9", 328, 16, 145, 137},
    {"Image6", 16, 168, 137, 137}, {"Image7", 176, 168, 137, 129}, {"Image3", 336, 168, 137, 129},
};

// Each area lies over its own tile, and no two overlap: a click or a focus is never ambiguous.
TEST(AboutLinks, EachAreaLiesOverItsOwnTileWithoutOverlap) {
    for (std::size_t i = 0; i < std::size(kAreas); ++i) {
        const AreaCase& a = kAreas[i];
        const PixelRect& place = kProducts[i].place;
        SCOPED_TRACE(a.name);
        EXPECT_EQ(kProducts[i].area, a.name);
        EXPECT_EQ(place.left, a.left);
        EXPECT_EQ(place.top, a.top);
        EXPECT_EQ(place.width, a.width);
        EXPECT_EQ(place.height, a.height);
        for (std::size_t j = 0; j < i; ++j) {
            const PixelRect& other = kProducts[j].place;
            const bool apart = place.left >= other.left + other.width ||
                               other.left >= place.left + place.width ||
                               place.top >= other.top + other.height || other.top >= place.top + place.height;
            EXPECT_TRUE(apart) << "overlaps " << kProducts[j].area;
        }
    }
}

TEST(AboutLinks, TilesAreTheEbookThenScreensaversAndTheProgram) {
    EXPECT_NE(kProducts[0].kind.find("E-book"), std::string_view::npos);
    EXPECT_NE(kProducts[3].kind.find("Program"), std::string_view::npos);
    for (std::size_t i : {1u, 2u, 4u, 5u})
        EXPECT_NE(kProducts[i].kind.find("Screensaver"), std::string_view::npos);
}

TEST(AboutLinks, EveryAreaLiesOnThePicture) {
    for (const Product& p : kProducts) {
        EXPECT_GE(p.place.left, kPictureLeft) << p.area;
        EXPECT_GE(p.place.top, kPictureTop) << p.area;
        EXPECT_LE(p.place.left + p.place.width, kPictureLeft + kPictureWidth) << p.area;
        EXPECT_LE(p.place.top + p.place.height, kPictureTop + kPictureHeight) << p.area;
    }
}

}  // namespace
}  // namespace vr
