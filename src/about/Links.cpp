#include "about/Links.h"

namespace vr {

std::string MakerPageUrl(std::string_view path) {
    std::string url = "https://www.";
    url += kMakerDomain;
    url += '/';
    url += path;
    return url;
}

std::string HomePageUrl() { return MakerPageUrl(""); }
std::string DonationPageUrl() { return MakerPageUrl("donate/"); }
std::string BannerPageUrl() { return MakerPageUrl("screensavers/"); }

}  // namespace vr
