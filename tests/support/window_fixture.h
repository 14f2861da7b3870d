// SPDX-License-Identifier: MIT

#pragma once

// Windows opened on their own, without a whole run, over stand-ins for the
// outside world made afresh for each test function.

#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "support/modal.h"
#include "windows/frm_about.h"
#include "windows/frm_main.h"
#include "windows/frm_start.h"

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>

namespace hexacle::test {

class WindowFixture : public QObject {
protected:
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<FrmMain> reading;
    std::unique_ptr<FrmStart> querent;

    void makeFakes() { fake = std::make_unique<FakePlatform>(); }
    void closeAll() {
        reading.reset();
        querent.reset();
        fake.reset();
    }

    FormWindow *openReading() {
        reading = std::make_unique<FrmMain>(fake->platform());
        reading->Show();
        if (!QTest::qWaitForWindowActive(reading->window()))
            qWarning("the Reading window did not become active");
        // The lower band is built once the window has shown.
        if (!QTest::qWaitFor([this] {
                return reading->window()->client()->findChild<QWidget *>(
                    QStringLiteral("lblFullBrand"));
            }))
            qWarning("the Reading window did not build its lower band");
        return reading->window();
    }
    FormWindow *openQuerent() {
        querent = std::make_unique<FrmStart>(fake->platform());
        querent->Show();
        if (!QTest::qWaitForWindowActive(querent->window()))
            qWarning("the Querent window did not become active");
        return querent->window();
    }
    // Runs `visit` on the About window, opened modal over `owner` as the
    // Help menu opens it.
    void withAbout(QWidget *owner, std::function<void(QDialog *)> visit) {
        FrmAbout about(fake->platform());
        ModalVisit seen;
        answerModal(seen, std::move(visit));
        about.Show(owner);
        QVERIFY(seen.seen);
    }
};

} // namespace hexacle::test
