// SPDX-License-Identifier: MIT

#pragma once

// The three windows built from their layouts and shown, without their
// handlers, for tests of how they look.

#include "layout/form_window.h"
#include "windows/frm_about_layout.h"
#include "windows/frm_main_layout.h"
#include "windows/frm_start_layout.h"

#include <QTest>

#include <memory>

namespace hexacle::test {

// The three windows as they open, without their handlers.
struct Windows {
    Windows()
        : start(std::make_unique<FormWindow>(frmStartLayout())),
          reading(std::make_unique<FormWindow>(frmMainLayout())),
          about(std::make_unique<FormDialog>(frmAboutLayout())) {
        // The Reading window as it stands after the sixth toss, all of it in view.
        reading->setOuterGeometry(frmMainComplete());
        for (QWidget *window : all()) {
            window->show();
            if (!QTest::qWaitForWindowExposed(window))
                qWarning("%s did not show", window->metaObject()->className());
        }
    }
    std::unique_ptr<FormWindow> start, reading;
    std::unique_ptr<FormDialog> about;
    QList<QWidget *> all() const { return {start.get(), reading.get(), about.get()}; }
};

// A control's name and place, for messages.
inline QString where(const QWidget *w) {
    return w->window()->metaObject()->className() + QStringLiteral("/") + w->objectName();
}

} // namespace hexacle::test
