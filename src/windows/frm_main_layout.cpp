// SPDX-License-Identifier: MIT
// The Reading window as laid out, in twips.

#include "windows/frm_main_layout.h"

#include "windows/window_texts.h"

namespace hexacle {

using namespace layout;

namespace {

constexpr Font verdana(double points, int weight = 400, bool underline = false) {
    return Font{"Verdana", points, weight, underline};
}
constexpr Font kGlyphFont{"Arial Black", 12, 900, false};

constexpr unsigned kDisplayBox = MultiLine | VScroll | ReadOnly;
constexpr unsigned kGlyphLabel = Centred;

// clang-format off
constexpr Control kControls[] = {
    // Upper band
    {"Label14", Kind::Label, nullptr, 660, 120, 5520, 465, Page::Home, texts::kForumAdvert,
     verdana(8.25, 400, true), Paint::DarkOlive, Paint::Default, Transparent | Centred | WordWrap | HandMono, 23},
    {"fraHexagram1", Kind::Frame, nullptr, 60, 570, 1920, 1845, NoPage, "", {}, Paint::Default, Paint::White, FlatBorder, 5, nullptr, "Hexagram as cast"},
    {"fraCoins", Kind::Frame, nullptr, 1995, 780, 3315, 1635, NoPage, "", {}, Paint::Default, Paint::White, NoBorder, 0, nullptr, "Coins"},
    {"picCoin_0", Kind::Picture, "fraCoins", 90, 60, 900, 900, NoPage, "", {}, Paint::Default, Paint::SystemWindow, AutoSize | CoinPicture, 1},
    {"picCoin_1", Kind::Picture, "fraCoins", 1170, 60, 900, 900, NoPage, "", {}, Paint::Default, Paint::SystemWindow, AutoSize | CoinPicture, 2},
    {"picCoin_2", Kind::Picture, "fraCoins", 2280, 60, 900, 900, NoPage, "", {}, Paint::Default, Paint::LightPeach, AutoSize | CoinPicture, 3},
    {"cmdToss", Kind::Button, "fraCoins", 720, 1140, 1815, 405, NoPage, "&Toss Coins", verdana(9.75, 700), Paint::Default, Paint::Default, 0, 4},
    {"fraHaxagram2", Kind::Frame, nullptr, 5340, 570, 1920, 1845, NoPage, "", {}, Paint::Default, Paint::White, FlatBorder, 12, nullptr, "Hexagram after the changes"},
    {"txtUserInfo", Kind::TextBox, nullptr, 7380, 60, 2835, 2355, NoPage, "", verdana(9.75), Paint::DarkOlive, Paint::White, kDisplayBox | FlatBorder, 28, nullptr, "Querent"},

    // The twelve line labels: line 6 at the top of each frame, line 1 at the bottom.
    {"Label1", Kind::Label, "fraHexagram1", 60, 150, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 6},
    {"Label2", Kind::Label, "fraHexagram1", 60, 420, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 7},
    {"Label3", Kind::Label, "fraHexagram1", 60, 690, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 8},
    {"Label4", Kind::Label, "fraHexagram1", 60, 960, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 9},
    {"Label5", Kind::Label, "fraHexagram1", 60, 1230, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 10},
    {"Label6", Kind::Label, "fraHexagram1", 60, 1500, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 11},
    {"Label12", Kind::Label, "fraHaxagram2", 60, 150, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 17},
    {"Label11", Kind::Label, "fraHaxagram2", 60, 420, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 16},
    {"Label10", Kind::Label, "fraHaxagram2", 60, 690, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 15},
    {"Label9", Kind::Label, "fraHaxagram2", 60, 960, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 14},
    {"Label8", Kind::Label, "fraHaxagram2", 60, 1230, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 13},
    {"Label7", Kind::Label, "fraHaxagram2", 60, 1500, 1800, 285, NoPage, "", kGlyphFont, Paint::DarkOlive, Paint::White, kGlyphLabel, 29},

    // Lower band
    {"Label13", Kind::Label, nullptr, 60, 2640, 1740, 300, NoPage, "The Judgement:", verdana(9.75, 700, true), Paint::DarkOlive, Paint::White, 0, 18},
    {"lblJudgement", Kind::Label, nullptr, 1830, 2640, 7815, 300, NoPage, "", verdana(9.75, 700), Paint::DarkOlive, Paint::White, 0, 21},
    {"txtJudgement", Kind::TextBox, nullptr, 60, 2940, 10155, 795, NoPage, "", verdana(9.75), Paint::DarkOlive, Paint::White, kDisplayBox | FlatBorder, 19, nullptr, "The Judgement"},
    {"Label15", Kind::Label, nullptr, 60, 3750, 2175, 300, NoPage, "The Image", verdana(9.75, 700, true), Paint::DarkOlive, Paint::White, 0, 20},
    {"Label17", Kind::Label, nullptr, 6960, 3750, 2175, 300, NoPage, "Changing Lines", verdana(9.75, 700, true), Paint::DarkOlive, Paint::White, 0, 27},
    {"txtImage", Kind::TextBox, nullptr, 60, 4050, 6825, 795, NoPage, "", verdana(9.75), Paint::DarkOlive, Paint::White, kDisplayBox | FlatBorder, 22, nullptr, "The Image"},
    {"txtChangeLines", Kind::TextBox, nullptr, 6930, 4050, 3285, 795, NoPage, "", verdana(9.75), Paint::DarkOlive, Paint::Default, kDisplayBox, 30, nullptr, "Changing Lines"},
    {"cmdExit_1", Kind::Button, nullptr, 5670, 4950, 1485, 375, NoPage, "Exit", verdana(9.75), Paint::Default, Paint::Default, 0, 24, "101"},
    {"cmdDonate", Kind::Button, nullptr, 7200, 4950, 1485, 375, Page::Donate, "Donate", {"MS Sans Serif", 9.75, 700, false}, Paint::Default, Paint::Default, 0, 25, "101"},
    {"cmdStartAgain", Kind::Button, nullptr, 8730, 4950, 1485, 375, NoPage, "Start Again", verdana(9.75), Paint::Default, Paint::Default, 0, 26},
    {"fraFullBrand", Kind::Frame, nullptr, 0, 5400, 10185, 735, NoPage, "", {}, Paint::Default, Paint::Default, 0, 31},
    {"lblFullBrand", Kind::Label, "fraFullBrand", 120, 165, 9945, 495, Page::FullBrand, texts::kFullBrandOffer,
     verdana(8.25, 700, true), Paint::Blue, Paint::Default, Centred | WordWrap | HandColour | InFront, 33},
    {"lblCobrand", Kind::Label, "fraFullBrand", 120, 165, 9945, 495, Page::CoBrand, texts::kCoBrandOffer,
     verdana(8.25, 700, true), Paint::Blue, Paint::Default, Centred | WordWrap | HandMono, 32},
};

constexpr MenuItem kMenus[] = {
    {"mnuFile", "&File", nullptr},
    {"mnuStart", "&Start Again", "mnuFile"},
    {"mnuFileSep1", "-", "mnuFile"},
    {"mnuDonates", "&Donate", "mnuFile", Page::Donate},
    {"mnuFileSep2", "-", "mnuFile"},
    {"mnuExit", "&Exit", "mnuFile"},
    {"mnuHelp", "&Help", nullptr},
    {"mnuOnline", "&Online Help", "mnuHelp", Page::Help},
    {"mnuVisit", "&Visit Us Online", "mnuHelp", Page::Home},
    {"mnuHelpSep1", "-", "mnuHelp"},
    {"mnuUpdate", "Check for Software &Update", "mnuHelp", Page::Download},
    {"mnuHelpSep2", "-", "mnuHelp"},
    {"mnuAbout", "&About Software", "mnuHelp"},
    {"mnuDonate", "&Donate", nullptr, Page::Donate},
    // Switched off: never offered to the user.
    {"mnuMakeMoney", "Make Money &Online", nullptr, Page::FullBrand, false, false},
};
// clang-format on

} // namespace

const FormLayout &frmMainLayout() {
    static const FormLayout form{
        Window{texts::kWindowCaption, 10290, 2535, verdana(8.25), Paint::SystemWindow}, kControls,
        kMenus};
    return form;
}

const OuterGeometry &frmMainOpening() {
    // The upper band (down to 2415) whole, nothing of the lower band (from 2640).
    static constexpr OuterGeometry geometry{1000, 1000, 10400, 3300, 2415, kLowerBandTop};
    return geometry;
}

const OuterGeometry &frmMainComplete() {
    // The buttons and the promotion labels (down to 5400 + 165 + 495) in view.
    static constexpr OuterGeometry geometry{2500, 2000, 10400, 6800, 6060, 6800};
    return geometry;
}

} // namespace hexacle
