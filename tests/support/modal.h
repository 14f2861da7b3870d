// SPDX-License-Identifier: MIT

#pragma once

// Answers a modal window from inside its own event loop, as a user would.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace hexacle::test {

struct ModalVisit {
    bool seen = false;     // a modal dialog was up while the opener waited
    bool leftOpen = false; // the answer did not close it (it was closed for the test)
};

// Once the opener below has put up its modal dialog, runs `answer` on it. A
// dialog the answer leaves open is rejected so that a failing test ends.
inline void answerModal(ModalVisit &visit, std::function<void(QDialog *)> answer) {
    QTimer::singleShot(0, [&visit, answer] {
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        visit.seen = true;
        // Keys go where a user's would: to the dialog, once it is the active window.
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }))
            qWarning("the modal dialog did not become active");
        answer(dialog);
        if (dialog && dialog->isVisible()) {
            visit.leftOpen = true;
            dialog->reject();
        }
    });
}

} // namespace hexacle::test
