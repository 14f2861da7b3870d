// SPDX-License-Identifier: MIT

#include "links/link_wiring.h"

#include "forms/form_layout.h"
#include "forms/form_window.h"

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
    auto *form = qobject_cast<FormWindow *>(window);
    int connected = 0;
    for (const PageLink &link : kPageLinks) {
        if (windowName != QLatin1String(link.window))
            continue;
        const QString name = QString::fromLatin1(link.control);
        const Page page = link.page;
        auto open = [openers, page] { openers.open(page); };
        // A button or a link label: false when the control is neither.
        auto connectControl = [open](QWidget *control) {
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                QObject::connect(button, &QAbstractButton::clicked, button, open);
            else if (auto *label = qobject_cast<layout::LinkLabel *>(control))
                QObject::connect(label, &layout::LinkLabel::clicked, label, open);
            else
                return false;
            return true;
        };
        if (auto *action = window->findChild<QAction *>(name)) {
            QObject::connect(action, &QAction::triggered, action, open);
        } else if (QWidget *control = window->findChild<QWidget *>(name)) {
            if (!connectControl(control))
                continue;
        } else if (!form || !form->whenBuilt(name, connectControl)) {
            continue; // not on this window
        }
        ++connected;
    }
    return connected;
}

} // namespace hexacle
