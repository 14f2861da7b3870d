// SPDX-License-Identifier: MIT

#pragma once

#include "platform/platform.h"
#include "windows/form.h"
#include "windows/frm_main.h"

#include <QObject>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QInputMethodEvent;
class QPushButton;

namespace hexacle {

// The Querent window. The object lives for the whole run and keeps the
// accepted name and question; its on-screen window is built afresh at each
// opening.
class FrmStart : public Form, public QuerentSource {
    Q_OBJECT
public:
    explicit FrmStart(const Platform &platform, QObject *parent = nullptr);

    // The accepted name and question, trimmed; empty until accepted.
    QString userName() const override { return userName_; }
    QString userQuestion() const override { return userQuestion_; }

signals:
    // "Next" accepted the name and question: the Reading window is to open.
    void readingWanted();
    // The window closed other than by "Next", or the pictures are missing.
    void exitPath();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdProceed_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    void mnuExit_Click() { cmdExit_Click(); }
    void mnuAbout_Click();

private:
    // The controls of the open window, resolved once when it is built.
    struct Controls {
        QLineEdit *txtName = nullptr;
        QPlainTextEdit *txtQuestion = nullptr;
        QPushButton *cmdProceed = nullptr;
        QPushButton *cmdExit = nullptr;
        QAction *mnuNext = nullptr;
        QAction *mnuExit = nullptr;
        QAction *mnuAbout = nullptr;
    };

    void connectHandlers() override;
    void Form_Load() override;
    void Form_Unload() override;
    // Takes a typed character's code; a refused one becomes 0.
    void txtName_KeyPress(int &KeyAscii);
    // Refuses an input-method commit holding a character the name may not
    // have, as a refused key press; true when it was refused.
    bool filterCommit(QObject *box, QInputMethodEvent *event);
    // Checks both boxes and takes their texts; false when one was empty.
    bool acceptEntry();
    // Tells the user what is missing or refused and puts the focus in `box`.
    void refuse(const QString &text, MessageBoxes::Icon icon, QWidget *box);

    Platform platform_;
    Controls ui_;
    QString userName_;
    QString userQuestion_;
    bool closingForNext_ = false;
};

} // namespace hexacle
