#pragma once
// Every web address the program opens lies under the maker's one domain, named here.
#include <string>
#include <string_view>

namespace vr {

inline constexpr std::string_view kMakerDomain = "quillion.example";

// "https://www." + the domain + "/" + path.
std::string MakerPageUrl(std::string_view path);

// Opened by the author's name and the logo on the About window.
std::string HomePageUrl();
// Opened by "Donate...".
std::string DonationPageUrl();
// Opened by the banner on the player bar.
std::string BannerPageUrl();

}  // namespace vr
