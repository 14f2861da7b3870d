// SPDX-License-Identifier: MIT
// The Querent and About windows opened as a user opens them, and the About
// window over both windows: content, keyboard, modality, and a reading in
// progress left as it was.

#include "forms/form_window.h"
#include "forms/frm_about.h"
#include "forms/frm_main.h"
#include "forms/frm_start.h"
#include "forms/promotion_texts.h"
#include "links/pages.h"
#include "support/fake_platform.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

const QString kDescription = QStringLiteral(
    "Hexacle is an online version of the world's oldest Chinese oracle. This software "
    "simplifies readings for people based on the wisdom of the I Ching text. This program is "
    "for users who have no prior knowledge about I Ching but believe in its advice. One can "
    "solve his/ her current situations by consulting the I Ching.");

// Everything a user can see of a window's controls, by name, in one text.
QStringList contentOf(const QWidget *window) {
    QStringList lines;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString line =
            w->objectName() + QLatin1Char(' ') + QString::fromLatin1(w->metaObject()->className()) +
            QLatin1Char(' ') +
            QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            line += QLatin1Char(' ') + label->text() + QLatin1Char(' ') + label->font().toString();
            if (!label->pixmap().isNull())
                line += QStringLiteral(" picture %1x%2")
                            .arg(label->pixmap().width())
                            .arg(label->pixmap().height());
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
            line +=
                QLatin1Char(' ') + button->text() + QLatin1Char(' ') + button->font().toString();
        }
        lines << line;
    }
    lines.sort();
    lines.prepend(window->windowTitle() +
                  QStringLiteral(" %1x%2").arg(window->width()).arg(window->height()));
    return lines;
}

QStringList menuEntries(const QMenu *menu) {
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

// The state of a reading as the Reading window shows and keeps it.
QStringList readingState(const FrmMain &form) {
    QStringList state;
    const FormWindow *window = form.window();
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        state << label->objectName() + QLatin1Char('=') + label->text();
        if (!label->pixmap().isNull()) {
            const QImage image = label->pixmap().toImage();
            state << label->objectName() +
                         QStringLiteral(" picture %1")
                             .arg(qHashBits(image.constBits(), std::size_t(image.sizeInBytes())));
        }
    }
    for (const QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        state << box->objectName() + QLatin1Char('=') + box->toPlainText();
    for (const QPushButton *button : window->findChildren<QPushButton *>())
        state << button->objectName() + QStringLiteral(" enabled %1").arg(button->isEnabled());
    for (qint16 value : form.marksArray)
        state << QString::number(value);
    state << QStringLiteral("tosses %1").arg(form.tossCount);
    state << QStringLiteral("frame %1,%2 %3x%4")
                 .arg(window->frameGeometry().x())
                 .arg(window->frameGeometry().y())
                 .arg(window->width())
                 .arg(window->height());
    return state;
}

// Opens the Help menu with Alt+H and chooses "About Software" with its key;
// `answer` deals with the About window while the menu's handler waits.
void chooseAboutFromMenu(QWidget *window, ModalVisit &visit,
                         std::function<void(QDialog *)> answer) {
    QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    answerModal(visit, std::move(answer));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

    FakePlatform fake;

private slots:
    void querentWindowOpensWithItsLayout() {
        FrmStart start(fake.platform());
        start.Show();
        FormWindow *window = start.window();
        QVERIFY(QTest::qWaitForWindowActive(window));

        QCOMPARE(window->windowTitle(), QStringLiteral("Hexacle v2.30"));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->client()->size(), QSize(492, 241)); // 7380 x 3615 twips
        QCOMPARE(window->minimumSize(), window->maximumSize());

        auto *name = window->control<QLineEdit>(QStringLiteral("txtName"));
        auto *question = window->control<QPlainTextEdit>(QStringLiteral("txtQuestion"));
        auto *next = window->control<QPushButton>(QStringLiteral("cmdProceed"));
        auto *exit = window->control<QPushButton>(QStringLiteral("cmdExit"));
        QVERIFY(name && question && next && exit);
        QVERIFY(name->text().isEmpty() && question->toPlainText().isEmpty());
        QCOMPARE(name->geometry(), QRect(86, 38, 337, 24));
        QCOMPARE(question->geometry(), QRect(86, 64, 337, 83));
        QCOMPARE(next->text(), QStringLiteral("&Next"));
        QCOMPARE(exit->text(), QStringLiteral("&Exit"));
        QVERIFY(next->font().bold());
        QVERIFY(!exit->font().bold());
        QCOMPARE(window->control<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Name:"));
        QCOMPARE(window->control<QLabel>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Question:"));
        QCOMPARE(window->control<QLabel>(QStringLiteral("Label14"))->text(),
                 QString::fromLatin1(texts::kForumAdvert));
        QCOMPARE(window->control<QLabel>(QStringLiteral("lblFullBrand"))->text(),
                 QString::fromLatin1(texts::kFullBrandOffer));
        const QImage coin(QStringLiteral(HEXACLE_SOURCE_DIR "/assets/coin.gif"));
        for (const char *picture : {"Picture1", "Picture2", "Picture3"}) {
            const QLabel *box = window->control<QLabel>(QString::fromLatin1(picture));
            QCOMPARE(box->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     coin.convertToFormat(QImage::Format_RGB32));
            QCOMPARE(box->size(), QSize(60, 60));
        }
        QCOMPARE(window->control<QWidget>(QStringLiteral("fraFullBrand"))->geometry(),
                 QRect(0, 184, 495, 57));

        // Nothing accepted yet.
        QVERIFY(start.userName().isEmpty());
        QVERIFY(start.userQuestion().isEmpty());

        // The name has the focus; Tab walks name, question, the forum link,
        // Next, Exit, the offer in front and round (the offer behind it is
        // skipped).
        QCOMPARE(QApplication::focusWidget(), name);
        auto *forum = window->control<QWidget>(QStringLiteral("Label14"));
        auto *offer = window->control<QWidget>(QStringLiteral("lblFullBrand"));
        const QList<QWidget *> order{question, forum, next, exit, offer, name};
        for (QWidget *expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        // The question takes several lines, the name one.
        QTest::keyClick(question, Qt::Key_A);
        QTest::keyClick(question, Qt::Key_Return);
        QTest::keyClick(question, Qt::Key_B);
        QCOMPARE(question->toPlainText(), QStringLiteral("a\nb"));

        // Alt+N presses "Next".
        QSignalSpy nextPressed(next, &QPushButton::clicked);
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(nextPressed.count(), 1); // a pressed look first, then the click
    }

    void querentWindowMenus() {
        FrmStart start(fake.platform());
        start.Show();
        FormWindow *window = start.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QStringList bar;
        for (const QAction *action : window->menuBar()->actions())
            if (action->isVisible())
                bar << action->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate"}));
        QCOMPARE(menuEntries(window->findChild<QMenu *>(QStringLiteral("mnuFile"))),
                 (QStringList{"&Next", "-", "&Exit"}));
        QCOMPARE(menuEntries(window->findChild<QMenu *>(QStringLiteral("mnuHelp"))),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                              "-", "&About Software"}));
        QAction *donate = window->menuAction(QStringLiteral("mnuDonate"));
        QVERIFY(donate && !donate->menu() && donate->isEnabled());
        // "Make Money Online" is switched off: hidden, and dead if reached.
        QAction *makeMoney = window->menuAction(QStringLiteral("mnuMakeMoney"));
        QVERIFY(makeMoney);
        QVERIFY(!makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());
        QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    }

    void querentObjectOutlivesItsWindow() {
        FrmStart start(fake.platform());
        start.Show();
        QPointer<FormWindow> first = start.window();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->control<QLineEdit>(QStringLiteral("txtName"))->setText(QStringLiteral("Ann"));
        start.Close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!start.isOpen());
        // A new opening builds the controls afresh from the layout.
        start.Show();
        QVERIFY(start.isOpen());
        QVERIFY(start.window() != nullptr);
        QVERIFY(start.window()->control<QLineEdit>(QStringLiteral("txtName"))->text().isEmpty());
    }

    void aboutWindowFromTheQuerentWindow() {
        FrmStart start(fake.platform());
        start.Show();
        QVERIFY(QTest::qWaitForWindowActive(start.window()));

        ModalVisit visit;
        chooseAboutFromMenu(start.window(), visit, [&](QDialog *about) {
            QCOMPARE(about->parentWidget(), start.window());
            QVERIFY(about->isModal());
            QCOMPARE(about->windowTitle(), QStringLiteral("Hexacle v2.30"));
            QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
            QVERIFY(!(about->windowFlags() & Qt::WindowContextHelpButtonHint));
            QCOMPARE(about->size(), QSize(455, 236)); // 6825 x 3540 twips
            QCOMPARE(about->minimumSize(), about->maximumSize());

            auto text = [about](const char *name) {
                return about->findChild<QLabel *>(QString::fromLatin1(name))->text();
            };
            QCOMPARE(text("Label2"), QStringLiteral("Hexacle v2.30"));
            // The description, then one closing sentence of ours.
            const QString description = text("Label1");
            QVERIFY(description.startsWith(kDescription + QLatin1Char(' ')));
            const QString closing = description.mid(kDescription.size() + 1);
            QVERIFY(closing.endsWith(QLatin1Char('.')));
            QCOMPARE(closing.count(QLatin1Char('.')), 1);
            QCOMPARE(text("lblHomePage"),
                     QStringLiteral("Click here to visit http://" HEXACLE_WEB_HOST));
            QCOMPARE(text("Label3"),
                     QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                    "and make money online. Get this software fully branded "
                                    "for your website."));
            QCOMPARE(text("lblCoBrand"), QStringLiteral("Click here for more details."));
            QVERIFY(about->findChild<QLabel *>(QStringLiteral("lblHomePage"))->font().underline());
            QVERIFY(about->findChild<QLabel *>(QStringLiteral("Label3"))->font().bold());

            // Three coins down the left edge, the rule across the width above OK.
            int top = -1;
            for (const char *name : {"Picture1", "picIcon", "Picture2"}) {
                const QLabel *coin = about->findChild<QLabel *>(QString::fromLatin1(name));
                QVERIFY(!coin->pixmap().isNull());
                QCOMPARE(coin->x(), 6);
                QVERIFY(coin->y() > top);
                top = coin->y();
            }
            const QWidget *rule = about->findChild<QWidget *>(QStringLiteral("Line1_2"));
            QVERIFY(rule->x() <= 0 && rule->geometry().right() >= about->width() - 1);
            QCOMPARE(rule->height(), 2);
            QCOMPARE(rule->palette().color(QPalette::Window), QColor(Qt::black));
            auto *ok = about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
            QCOMPARE(ok->text(), QStringLiteral("OK"));
            QCOMPARE(ok->geometry(), QRect(360, 208, 84, 23));
            QVERIFY(rule->geometry().bottom() < ok->y());
            QVERIFY(ok->isDefault());
            QCOMPARE(QApplication::focusWidget(), ok);
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        // The menu's handler returned only after the window had gone.
        QVERIFY(visit.seen);
        QVERIFY(!visit.leftOpen);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(start.isOpen());
    }

    void enterEscAndCloseBoxCloseTheAboutWindow_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("onDialog"); // pressed on the dialog, not on its button
        QTest::newRow("Enter on OK") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter on OK") << int(Qt::Key_Enter) << false;
        QTest::newRow("Esc on OK") << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter anywhere") << int(Qt::Key_Return) << true;
        QTest::newRow("Esc anywhere") << int(Qt::Key_Escape) << true;
        QTest::newRow("close box") << 0 << true;
    }
    void enterEscAndCloseBoxCloseTheAboutWindow() {
        QFETCH(int, key);
        QFETCH(bool, onDialog);
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        FrmAbout about(fake.platform());
        ModalVisit visit;
        answerModal(visit, [&](QDialog *dialog) {
            QVERIFY(about.isOpen());
            QWidget *target = onDialog ? dialog : QApplication::focusWidget();
            if (key)
                QTest::keyClick(target, Qt::Key(key));
            else
                dialog->close();
        });
        about.Show(&owner);
        QVERIFY(visit.seen);
        QVERIFY(!visit.leftOpen);
        QVERIFY(!about.isOpen());
    }

    void aboutLinksOpenTheirPagesAndLeaveTheWindowOpen() {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        FrmAbout about(fake.platform());
        fake.browser.opened.clear();
        ModalVisit visit;
        answerModal(visit, [&](QDialog *dialog) {
            QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("lblCoBrand")),
                              Qt::LeftButton);
            QCOMPARE(fake.browser.opened, QList<QUrl>{pageAddress(Page::FullBrand)});
            QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("lblHomePage")),
                              Qt::LeftButton);
            // Plain labels lead nowhere.
            QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("Label3")),
                              Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        });
        about.Show(&owner);
        QVERIFY(visit.seen);
        QVERIFY(!visit.leftOpen);
        QCOMPARE(fake.browser.opened,
                 (QList<QUrl>{pageAddress(Page::FullBrand), pageAddress(Page::Home)}));
    }

    void aboutIsTheSameFromEitherWindowAndLeavesTheReadingAsItWas() {
        FrmStart start(fake.platform());
        start.Show();
        QVERIFY(QTest::qWaitForWindowActive(start.window()));
        QStringList fromQuerent;
        ModalVisit first;
        chooseAboutFromMenu(start.window(), first, [&](QDialog *about) {
            fromQuerent = contentOf(about);
            QTest::keyClick(about, Qt::Key_Escape);
        });
        QVERIFY(first.seen && !first.leftOpen);
        start.Close();

        FrmMain reading(fake.platform());
        reading.Show();
        QVERIFY(QTest::qWaitForWindowActive(reading.window()));
        auto *toss = reading.window()->control<QPushButton>(QStringLiteral("cmdToss"));
        for (int line : {9, 8, 6}) {
            fake.random.pushLine(line);
            QTest::mouseClick(toss, Qt::LeftButton);
        }
        const QStringList before = readingState(reading);
        QCOMPARE(reading.tossCount, qint16(3));

        QStringList fromReading;
        ModalVisit second;
        chooseAboutFromMenu(reading.window(), second, [&](QDialog *about) {
            QCOMPARE(about->parentWidget(), reading.window());
            fromReading = contentOf(about);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QVERIFY(second.seen && !second.leftOpen);

        QVERIFY(fromQuerent.size() > 10);
        QCOMPARE(fromReading, fromQuerent);
        QVERIFY(reading.isOpen());
        QCOMPARE(readingState(reading), before);

        // The reading goes on where it was.
        fake.random.pushLine(7);
        QTest::mouseClick(toss, Qt::LeftButton);
        QCOMPARE(reading.tossCount, qint16(4));
        QCOMPARE(reading.marksArray[3], qint16(7));
        QCOMPARE(reading.marksArray[2], qint16(6));
    }

    void eachOpeningIsFresh() {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        FrmAbout about(fake.platform());
        QPointer<QDialog> firstWindow;
        ModalVisit first;
        answerModal(first, [&](QDialog *dialog) {
            firstWindow = dialog;
            dialog->findChild<QLabel *>(QStringLiteral("Label2"))->setText(QStringLiteral("x"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        about.Show(&owner);
        QVERIFY(first.seen);
        QVERIFY(firstWindow.isNull()); // gone with its closing
        ModalVisit second;
        QString title;
        answerModal(second, [&](QDialog *dialog) {
            title = dialog->findChild<QLabel *>(QStringLiteral("Label2"))->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        about.Show(&owner);
        QVERIFY(second.seen);
        QCOMPARE(title, QStringLiteral("Hexacle v2.30"));
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
