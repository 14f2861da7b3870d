// SPDX-License-Identifier: MIT

#pragma once

// A whole run of the program over stand-ins for the outside world, made
// afresh for each test function by startRun() in init() and ended by endRun().

#include "app/application.h"
#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "windows/frm_start.h"

#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QStringList>

#include <memory>

namespace hexacle::test {

class RunFixture : public QObject {
protected:
    std::unique_ptr<FakePlatform> fake;
    FakeGuard guard;
    std::unique_ptr<Application> run;

    void startRun() {
        fake = std::make_unique<FakePlatform>();
        guard = FakeGuard{};
        run = std::make_unique<Application>(fake->platform(), guard);
    }
    void endRun() {
        run.reset();
        fake.reset();
    }

    FormWindow *reading() const { return run->reading().window(); }
    FormWindow *querent() const { return run->querent().window(); }

    // The Querent window's two boxes.
    QLineEdit *nameBox() const { return querent()->control<QLineEdit>("txtName"); }
    QPlainTextEdit *questionBox() const {
        return querent()->control<QPlainTextEdit>("txtQuestion");
    }
    // The texts of the message boxes shown so far, in order.
    QStringList messageTexts() const {
        QStringList texts;
        for (const ShownMessage &m : fake->messages.shown)
            texts << m.text;
        return texts;
    }
};

} // namespace hexacle::test
