// SPDX-License-Identifier: MIT

#include "windows/frm_start.h"

#include "layout/form_window.h"
#include "reading/querent.h"
#include "reminder/update_reminder.h"
#include "windows/frm_about.h"
#include "windows/frm_start_layout.h"
#include "windows/page_links.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>

#include <algorithm>

namespace hexacle {

FrmStart::FrmStart(const Platform &platform, QObject *parent)
    : Form(frmStartLayout(), parent), platform_(platform) {}

void FrmStart::connectHandlers() {
    const FormWindow &w = *window();
    ui_.txtName = w.require<QLineEdit>(QStringLiteral("txtName"));
    ui_.txtQuestion = w.require<QPlainTextEdit>(QStringLiteral("txtQuestion"));
    ui_.cmdProceed = w.require<QPushButton>(QStringLiteral("cmdProceed"));
    ui_.cmdExit = w.require<QPushButton>(QStringLiteral("cmdExit"));
    ui_.mnuNext = w.requireMenu(QStringLiteral("mnuNext"));
    ui_.mnuExit = w.requireMenu(QStringLiteral("mnuExit"));
    ui_.mnuAbout = w.requireMenu(QStringLiteral("mnuAbout"));

    ui_.txtName->installEventFilter(this);
    connect(ui_.cmdProceed, &QPushButton::clicked, this, &FrmStart::cmdProceed_Click);
    connect(ui_.cmdExit, &QPushButton::clicked, this, &FrmStart::cmdExit_Click);
    connect(ui_.mnuNext, &QAction::triggered, this, &FrmStart::mnuNext_Click);
    connect(ui_.mnuExit, &QAction::triggered, this, &FrmStart::mnuExit_Click);
    connect(ui_.mnuAbout, &QAction::triggered, this, &FrmStart::mnuAbout_Click);
    connectPageLinks(w, PageOpeners(platform_.browser));
}

void FrmStart::Form_Load() {
    UpdateReminder(platform_);
    if (!QDir(platform_.folder->path() + QLatin1String("/pics")).exists()) {
        platform_.messages->inform(window(), QStringLiteral("Hexacle Free"),
                                   QStringLiteral("Files Needed To Run Hexacle Free Are Missing\r"
                                                  "Please Reinstall Software."),
                                   MessageBoxes::Icon::Information);
        emit exitPath();
    }
}

void FrmStart::Form_Unload() {
    ui_ = Controls{}; // the window is gone
    if (closingForNext_) {
        closingForNext_ = false;
        return;
    }
    emit exitPath();
}

bool FrmStart::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::InputMethod)
        return filterCommit(watched, static_cast<QInputMethodEvent *>(event));
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Only keys that type a character are filtered; arrows, Delete, Home and
    // focus keys are not typing.
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Delete)
        return false;
    // Control with a letter types a control code, as Ctrl+V types 22.
    const bool control = key->modifiers().testFlag(Qt::ControlModifier) &&
                         key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
    int code = control ? key->key() - Qt::Key_A + 1 : key->text().front().unicode();
    txtName_KeyPress(code);
    return code == 0;
}

bool FrmStart::filterCommit(QObject *box, QInputMethodEvent *event) {
    // Dead keys and input methods type through commits, not key presses; each
    // committed character is typed, so each one goes through the filter.
    const QString committed = event->commitString();
    const auto refused = std::find_if(committed.begin(), committed.end(),
                                      [](QChar ch) { return !isAcceptedNameCode(ch.unicode()); });
    if (refused == committed.end())
        return false;
    // Nothing is typed, and what was being composed goes away with it.
    QInputMethodEvent nothing;
    QCoreApplication::sendEvent(box, &nothing);
    int code = refused->unicode();
    txtName_KeyPress(code);
    return true;
}

void FrmStart::txtName_KeyPress(int &KeyAscii) {
    if (isAcceptedNameCode(KeyAscii))
        return;
    KeyAscii = 0;
    refuse(QStringLiteral("Please Enter Only Characters"), MessageBoxes::Icon::None, ui_.txtName);
}

void FrmStart::refuse(const QString &text, MessageBoxes::Icon icon, QWidget *box) {
    QPointer<QWidget> focus = box;
    platform_.messages->inform(window(), QLatin1String(texts::kAppTitle), text, icon);
    // The message may have outlived the window; only a box still there takes the focus.
    if (focus)
        focus->setFocus();
}

bool FrmStart::acceptEntry() {
    QLineEdit *name = ui_.txtName;
    QPlainTextEdit *question = ui_.txtQuestion;
    if (name->text().isEmpty()) {
        refuse(QStringLiteral("Please Enter Your Name"), MessageBoxes::Icon::Information, name);
        return false;
    }
    // The document's own text: toPlainText() would turn no-break spaces into spaces.
    const QString typed = question->document()->toRawText();
    if (typed.isEmpty()) {
        refuse(QStringLiteral("Please Enter Your Question"), MessageBoxes::Icon::Information,
               question);
        return false;
    }
    userName_ = trimSpaces(name->text());
    userQuestion_ = trimSpaces(questionText(typed));
    return true;
}

void FrmStart::cmdProceed_Click() {
    if (!isOpen() || !acceptEntry())
        return;
    emit readingWanted();
    if (!isOpen())
        return;
    closingForNext_ = true;
    Close();
}

void FrmStart::mnuNext_Click() {
    if (!isOpen() || !acceptEntry())
        return;
    emit readingWanted();
    // Kept open with its texts, out of sight, for the next Start Again.
    if (isOpen())
        window()->hide();
}

void FrmStart::cmdExit_Click() {
    Close();
}

void FrmStart::mnuAbout_Click() {
    FrmAbout about(platform_);
    about.Show(window());
}

} // namespace hexacle
