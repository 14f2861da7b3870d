// SPDX-License-Identifier: MIT
// The About window as laid out, in twips.

#include "windows/frm_about_layout.h"

#include "windows/window_texts.h"

#include <string>

namespace hexacle {

using namespace layout;

namespace {

constexpr Font verdana(double points, int weight = 400, bool underline = false) {
    return Font{"Verdana", points, weight, underline};
}

constexpr char kDescription[] =
    "Hexacle is an online version of the world's oldest Chinese oracle. This software "
    "simplifies readings for people based on the wisdom of the I Ching text. This program is "
    "for users who have no prior knowledge about I Ching but believe in its advice. One can "
    "solve his/ her current situations by consulting the I Ching. Ask with a quiet mind, and "
    "the answer will speak plainly.";

constexpr char kOffer[] = "Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website.";

constexpr unsigned kCoin = AutoSize | CoinPicture;

} // namespace

const FormLayout &frmAboutLayout() {
    // The address comes from the build, so this caption is put together once.
    static const std::string visit = std::string("Click here to visit ") + texts::homePageAddress();
    // clang-format off
    static const Control controls[] = {
        {"Picture1", Kind::Picture, nullptr, 90, 60, 900, 900, NoPage, "", {}, Paint::Default, Paint::Default, kCoin, 7},
        {"picIcon", Kind::Picture, nullptr, 90, 960, 900, 900, NoPage, "", {}, Paint::Default, Paint::Default, kCoin, 0},
        {"Picture2", Kind::Picture, nullptr, 90, 1860, 900, 900, NoPage, "", {}, Paint::Default, Paint::Default, kCoin, 8},
        {"Label2", Kind::Label, nullptr, 1080, 90, 2865, 240, NoPage, texts::kWindowCaption, verdana(9.75, 700),
         Paint::DarkOlive, Paint::Default, AutoSize | Transparent, 5},
        {"Label1", Kind::Label, nullptr, 1080, 390, 5655, 1425, NoPage, kDescription, verdana(8.25),
         Paint::DarkOlive, Paint::LightYellow, Transparent | WordWrap, 6},
        {"lblHomePage", Kind::Label, nullptr, 2670, 1770, 4050, 195, Page::Home, visit.c_str(), verdana(8.25, 400, true),
         Paint::DarkOlive, Paint::Default, AutoSize | Transparent | HandMono, 2},
        {"Label3", Kind::Label, nullptr, 1080, 2130, 5685, 555, NoPage, kOffer, verdana(8.25, 700),
         Paint::DarkOlive, Paint::Default, Transparent | WordWrap | FitText, 3},
        {"lblCoBrand", Kind::Label, nullptr, 4410, 2685, 2355, 195, Page::FullBrand, "Click here for more details.",
         verdana(8.25, 400, true), Paint::DarkOlive, Paint::Default, AutoSize | Transparent | HandMono, 4},
        // A rule across the whole width, from (-60, 3030) to (6840, 3030).
        {"Line1_2", Kind::Line, nullptr, -60, 3030, 6900, 0, NoPage, "", {}, Paint::Black, Paint::Default, 0, -1},
        {"cmdOK", Kind::Button, nullptr, 5400, 3120, 1260, 345, NoPage, "OK", {}, Paint::Default, Paint::Default,
         DefaultButton | CancelButton, 1},
    };
    // clang-format on
    static const FormLayout form{Window{texts::kWindowCaption, 6825, 3540, {}, Paint::White},
                                 controls, std::span<const MenuItem>()};
    return form;
}

} // namespace hexacle
