// SPDX-License-Identifier: MIT

#pragma once

// Which control of which window opens which web page, and the one routine
// that connects a freshly built window's controls to their openers.

#include "web/pages.h"

#include <QStringView>

#include <span>

class QWidget;

namespace hexacle {

struct PageLink {
    const char *window;  // "FrmMain", "frmStart", "frmAbout"
    const char *control; // object name of a label, button or menu item
    Page page;
};

// Every link of every window.
std::span<const PageLink> pageLinks();

// Connects the links of `windowName` found under `window`: menu items on
// `triggered`, buttons and link labels on `clicked`. Each handler opens its
// page and does nothing else. Controls the window lacks are passed over.
// Returns how many were connected.
int connectPageLinks(QWidget *window, QStringView windowName, const PageOpeners &openers);

} // namespace hexacle
