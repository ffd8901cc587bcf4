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
    for (const char* url : {kHomePageUrl, kDonationPageUrl, kBannerPageUrl}) EXPECT_TRUE(UnderSite(url)) << url;
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
    {"Image5", 16, 16, 137, 137}, {"Image4", 176, 16, 137, 137}, {"Image9", 328, 16, 145, 137},
    {"Image6", 16, 168, 137, 137}, {"Image7", 176, 168, 137, 129}, {"Image3", 336, 168, 137, 129},
};

TEST(AboutLinks, EachAreaFindsItsOwnProductAtCornersAndCentre) {
    for (std::size_t i = 0; i < std::size(kAreas); ++i) {
        const AreaCase& a = kAreas[i];
        SCOPED_TRACE(a.name);
        EXPECT_EQ(kProducts[i].area, a.name);
        const int right = a.left + a.width - 1, bottom = a.top + a.height - 1;
        for (auto [x, y] : {std::pair{a.left, a.top}, std::pair{right, a.top}, std::pair{a.left, bottom},
                            std::pair{right, bottom}, std::pair{a.left + a.width / 2, a.top + a.height / 2}}) {
            auto found = ProductAt(x, y);
            ASSERT_TRUE(found.has_value()) << x << "," << y;
            EXPECT_EQ(*found, i) << x << "," << y;
        }
    }
}

TEST(AboutLinks, PointsJustOutsideAnAreaFindNothing) {
    for (const AreaCase& a : kAreas) {
        SCOPED_TRACE(a.name);
        const int midX = a.left + a.width / 2, midY = a.top + a.height / 2;
        EXPECT_FALSE(ProductAt(a.left - 1, midY).has_value());
        EXPECT_FALSE(ProductAt(a.left + a.width, midY).has_value());
        EXPECT_FALSE(ProductAt(midX, a.top - 1).has_value());
        EXPECT_FALSE(ProductAt(midX, a.top + a.height).has_value());
    }
}

TEST(AboutLinks, GapsAndMarginsOfThePictureFindNothing) {
    EXPECT_FALSE(ProductAt(0, 0).has_value());
    EXPECT_FALSE(ProductAt(160, 80).has_value());   // between the first two tiles
    EXPECT_FALSE(ProductAt(80, 160).has_value());   // between the rows
    EXPECT_FALSE(ProductAt(240, 300).has_value());  // under the shorter tile of the second row
}

TEST(AboutLinks, TilesAreTheEbookThenScreensaversAndTheProgram) {
    EXPECT_NE(kProducts[0].kind.find("E-book"), std::string_view::npos);
    EXPECT_NE(kProducts[3].kind.find("Program"), std::string_view::npos);
    for (std::size_t i : {1u, 2u, 4u, 5u}) EXPECT_NE(kProducts[i].kind.find("Screensaver"), std::string_view::npos);
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
