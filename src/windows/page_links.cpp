// SPDX-License-Identifier: MIT

#include "windows/page_links.h"

#include "layout/form_layout.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace hexacle {

namespace {

// clang-format off
constexpr PageLink kPageLinks[] = {
    {"FrmMain", "Label14", Page::Home},
    {"FrmMain", "mnuVisit", Page::Home},
    {"FrmMain", "mnuOnline", Page::Help},
    {"FrmMain", "mnuUpdate", Page::Download},
    {"FrmMain", "cmdDonate", Page::Donate},
    {"FrmMain", "mnuDonates", Page::Donate},
    {"FrmMain", "mnuDonate", Page::Donate},
    {"FrmMain", "lblFullBrand", Page::FullBrand},
    {"FrmMain", "mnuMakeMoney", Page::FullBrand}, // switched off in the layout
    {"FrmMain", "lblCobrand", Page::CoBrand},

    // Label14 looks like a link here as on the Reading window (underlined,
    // hand pointer), so it behaves like one too.
    {"frmStart", "Label14", Page::Home},
    {"frmStart", "mnuVisit", Page::Home},
    {"frmStart", "mnuOnline", Page::Help},
    {"frmStart", "mnuUpdate", Page::Download},
    {"frmStart", "mnuDonate", Page::Donate},
    {"frmStart", "lblFullBrand", Page::FullBrand},
    {"frmStart", "mnuMakeMoney", Page::FullBrand}, // switched off in the layout
    {"frmStart", "lblCobrand", Page::CoBrand},

    {"frmAbout", "lblHomePage", Page::Home},
    {"frmAbout", "lblCoBrand", Page::FullBrand},
};
// clang-format on

} // namespace

std::span<const PageLink> pageLinks() {
    return kPageLinks;
}

int connectPageLinks(QWidget *window, QStringView windowName, const PageOpeners &openers) {
    if (!window)
        return 0;
    int connected = 0;
    for (const PageLink &link : kPageLinks) {
        if (windowName != QLatin1String(link.window))
            continue;
        const QString name = QString::fromLatin1(link.control);
        const Page page = link.page;
        auto open = [openers, page] { openers.open(page); };
        if (auto *action = window->findChild<QAction *>(name)) {
            QObject::connect(action, &QAction::triggered, action, open);
        } else if (auto *button = window->findChild<QAbstractButton *>(name)) {
            QObject::connect(button, &QAbstractButton::clicked, button, open);
        } else if (auto *label = window->findChild<layout::LinkLabel *>(name)) {
            QObject::connect(label, &layout::LinkLabel::clicked, label, open);
        } else {
            continue;
        }
        ++connected;
    }
    return connected;
}

} // namespace hexacle
