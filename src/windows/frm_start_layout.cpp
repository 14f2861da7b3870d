// SPDX-License-Identifier: MIT
// The Querent window as laid out, in twips.

#include "windows/frm_start_layout.h"

#include "windows/window_texts.h"

namespace hexacle {

using namespace layout;

namespace {

constexpr Font verdana(double points, int weight = 400, bool underline = false) {
    return Font{"Verdana", points, weight, underline};
}

constexpr unsigned kPromotion = Centred | WordWrap;

// clang-format off
constexpr Control kControls[] = {
    // Looks like a link here as on the Reading window (underlined, hand
    // pointer), so it behaves like one too.
    {"Label14", Kind::Label, nullptr, 495, 90, 5520, 465, Page::Home, texts::kForumAdvert,
     verdana(8.25, 400, true), Paint::DarkOlive, Paint::Default, Transparent | Centred | WordWrap | HandMono, 4},
    {"Label1", Kind::Label, nullptr, 150, 570, 705, 240, NoPage, "Name:", verdana(9.75, 700),
     Paint::DarkOlive, Paint::SystemHighlightText, AutoSize, 2},
    {"txtName", Kind::TextBox, nullptr, 1290, 570, 5055, 360, NoPage, "", {}, Paint::DarkOlive, Paint::Default, 0, 0, nullptr, "Name"},
    {"Label2", Kind::Label, nullptr, 150, 1020, 1050, 240, NoPage, "Question:", verdana(9.75, 700),
     Paint::DarkOlive, Paint::SystemHighlightText, AutoSize, 3},
    {"txtQuestion", Kind::TextBox, nullptr, 1290, 960, 5055, 1245, NoPage, "", {}, Paint::DarkOlive, Paint::Default, MultiLine | VScroll, 1, nullptr, "Question"},
    {"Picture1", Kind::Picture, nullptr, 6450, 37, 900, 900, NoPage, "", {}, Paint::Default, Paint::Default, AutoSize | CoinPicture, 7},
    {"Picture2", Kind::Picture, nullptr, 6450, 967, 900, 900, NoPage, "", {}, Paint::Default, Paint::Default, AutoSize | CoinPicture, 8},
    {"Picture3", Kind::Picture, nullptr, 6450, 1897, 900, 900, NoPage, "", {}, Paint::Default, Paint::Default, AutoSize | CoinPicture, 9},
    {"cmdExit", Kind::Button, nullptr, 3690, 2280, 1305, 405, NoPage, "&Exit", {}, Paint::Default, Paint::Default, 0, 6},
    {"cmdProceed", Kind::Button, nullptr, 5070, 2280, 1305, 405, NoPage, "&Next", verdana(9.75, 700), Paint::Default, Paint::Default, 0, 5},
    {"fraFullBrand", Kind::Frame, nullptr, 0, 2760, 7425, 855, NoPage, "", {}, Paint::Default, Paint::Default, 0, 10},
    // Both offers share one place; the full-brand one stays in front here.
    {"lblFullBrand", Kind::Label, "fraFullBrand", 120, 165, 7185, 615, Page::FullBrand, texts::kFullBrandOffer,
     verdana(8.25, 700, true), Paint::Blue, Paint::Default, kPromotion | HandColour | InFront, 12},
    {"lblCobrand", Kind::Label, "fraFullBrand", 120, 165, 7185, 615, Page::CoBrand, texts::kCoBrandOffer,
     verdana(8.25, 700, true), Paint::Blue, Paint::Default, kPromotion | HandMono, 11},
};

constexpr MenuItem kMenus[] = {
    {"mnuFile", "&File", nullptr},
    {"mnuNext", "&Next", "mnuFile"},
    {"mnuFileSep", "-", "mnuFile"},
    {"mnuExit", "&Exit", "mnuFile"},
    {"mnuHelp", "&Help", nullptr},
    {"mnuOnline", "&Online Help", "mnuHelp", Page::Help},
    {"mnuVisit", "&Visit Us Online", "mnuHelp", Page::Home},
    {"mnuHelpSep1", "-", "mnuHelp"},
    {"mnuUpdate", "Check for Software &Update", "mnuHelp", Page::Download},
    {"mnuFileSep2", "-", "mnuHelp"},
    {"mnuAbout", "&About Software", "mnuHelp"},
    {"mnuDonate", "&Donate", nullptr, Page::Donate},
    // Switched off: never offered to the user.
    {"mnuMakeMoney", "Make Money &Online", nullptr, Page::FullBrand, false, false},
};
// clang-format on

} // namespace

const FormLayout &frmStartLayout() {
    static const FormLayout form{
        Window{texts::kWindowCaption, 7380, 3615, verdana(9.75), Paint::White}, kControls, kMenus};
    return form;
}

} // namespace hexacle
