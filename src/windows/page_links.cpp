// SPDX-License-Identifier: MIT

#include "windows/page_links.h"

#include "layout/form_window.h"
#include "layout/link_label.h"

#include <QAbstractButton>
#include <QAction>

namespace hexacle {

int connectPageLinks(const BuiltControls &window, const PageOpeners &openers) {
    const layout::FormLayout &table = window.table();
    const layout::BuiltForm &built = window.built();
    int connected = 0;
    for (std::size_t i = 0; i < table.menus.size() && i < built.menus.size(); ++i) {
        if (const layout::Opens page = table.menus[i].opens) {
            QObject::connect(built.menus[i], &QAction::triggered, built.menus[i],
                             [openers, page] { openers.open(*page); });
            ++connected;
        }
    }
    for (std::size_t i = 0; i < table.controls.size() && i < built.controls.size(); ++i) {
        const layout::Opens page = table.controls[i].opens;
        if (!page)
            continue;
        auto open = [openers, page] { openers.open(*page); };
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
        if (QWidget *control = built.controls[i]) {
            if (!connectControl(control))
                continue; // a control that cannot be clicked opens nothing
        } else {
            // Built later, with the rest of its band.
            window.whenBuilt(i, [connectControl](QWidget *control) { connectControl(control); });
        }
        ++connected;
    }
    return connected;
}

} // namespace hexacle
