// SPDX-License-Identifier: MIT

#pragma once

// Texts that stand on more than one window. The title and the caption with
// the version come from the build.

#include "program_info.h"

namespace hexacle::texts {

// The forum advertisement at the top of the Querent and Reading windows.
inline constexpr char kForumAdvert[] =
    "Share your readings and questions with other seekers in the Hexacle forum. "
    "Visit us at " HEXACLE_WEB_HOST;

inline constexpr char kFullBrandOffer[] =
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.";

inline constexpr char kCoBrandOffer[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
    "Put your site's name &&  link here. See \"Help\" for details.    "
    "Click Here for more info on co-branding.";

// The address of the maker's home page, as the About window names it.
constexpr const char *homePageAddress() {
    return "http://" HEXACLE_WEB_HOST;
}

} // namespace hexacle::texts
