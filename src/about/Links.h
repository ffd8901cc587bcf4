#pragma once
// Every web address the program opens lies under the maker's one site, named here once. The
// addresses are string literals so that they reach ShellExecuteA as they are.
#define VR_MAKER_HOST "www.quillion.example"
#define VR_MAKER_SITE "https://" VR_MAKER_HOST "/"

namespace vr {

inline constexpr const char* kMakerHost = VR_MAKER_HOST;
// Opened by the author's name and the logo on the About window.
inline constexpr const char* kHomePageUrl = VR_MAKER_SITE;
// Opened by "Donate...".
inline constexpr const char* kDonationPageUrl = VR_MAKER_SITE "donate/";
// Opened by the banner on the player bar.
inline constexpr const char* kBannerPageUrl = VR_MAKER_SITE "screensavers/";

}  // namespace vr
