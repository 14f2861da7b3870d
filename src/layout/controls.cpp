// SPDX-License-Identifier: MIT

#include "layout/controls.h"

#include "layout/captions.h"
#include "layout/colours.h"
#include "layout/link_label.h"
#include "layout/pictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace hexacle::layout {

namespace {

QWidget *makeFrame(const Control &c, QWidget *parent) {
    auto *frame = new QFrame(parent);
    if (c.flags & NoBorder)
        frame->setFrameStyle(QFrame::NoFrame);
    else if (c.flags & FlatBorder)
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    else
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintBackground(frame, c.back, QPalette::Window);
    return frame;
}

QWidget *makeLabel(const Control &c, QWidget *parent) {
    const bool link = c.flags & (HandColour | HandMono);
    QLabel *label = link ? new LinkLabel(labelText(c.caption), parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    if (!link)
        label->setText(labelText(c.caption));
    label->setWordWrap(c.flags & WordWrap);
    label->setAlignment(((c.flags & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (!(c.flags & Transparent))
        paintBackground(label, c.back, QPalette::Window);
    paintText(label, c.fore, QPalette::WindowText);
    if (c.flags & HandColour)
        label->setCursor(colourHandPointer());
    else if (c.flags & HandMono)
        label->setCursor(monoHandPointer());
    return label;
}

QWidget *makeLineBox(const Control &c, QWidget *parent) {
    auto *box = new QLineEdit(QString::fromLatin1(c.caption), parent);
    box->setReadOnly(c.flags & ReadOnly);
    if (c.back != Paint::Default)
        paintBackground(box, c.back, QPalette::Base);
    paintText(box, c.fore, QPalette::Text);
    return box;
}

// A new text box lays out its empty document at once in the application's
// font, before it takes a font of its own. The windows use that font nowhere
// before they show, and loading it with its list of fallback families costs
// as much as all the rest of a text box: the box is made while the
// application's font is that of its parent, one already loaded.
QPlainTextEdit *newPlainTextEdit(QWidget *parent) {
    const QFont applicationFont = QGuiApplication::font();
    QGuiApplication::setFont(parent->font());
    auto *box = new QPlainTextEdit(parent);
    QGuiApplication::setFont(applicationFont);
    return box;
}

QWidget *makeTextBox(const Control &c, QWidget *parent) {
    if (!(c.flags & MultiLine))
        return makeLineBox(c, parent);
    auto *box = newPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Lines break between words only: breaking one huge pasted word anywhere
    // costs minutes of layout. A word wider than the box scrolls sideways.
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setVerticalScrollBarPolicy((c.flags & VScroll) ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (c.flags & ReadOnly) {
        // Read-only, yet its text can be selected and copied.
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    if (c.flags & FlatBorder)
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setPlainText(QString::fromLatin1(c.caption));
    if (c.back != Paint::Default)
        paintBackground(box, c.back, QPalette::Base);
    paintText(box, c.fore, QPalette::Text);
    box->setTabChangesFocus(true);
    return box;
}

QWidget *makeButton(const Control &c, QWidget *parent) {
    auto *button = new QPushButton(QString::fromLatin1(c.caption), parent);
    button->setAutoDefault(false);
    button->setDefault(c.flags & DefaultButton);
    return button;
}

QWidget *makePicture(const Control &c, QWidget *parent) {
    auto *picture = new QLabel(parent);
    if (c.flags & CoinPicture) {
        picture->setPixmap(coinPicture(picture->devicePixelRatioF()));
        picture->setAccessibleName(QStringLiteral("coin"));
    }
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (c.back != Paint::Default)
        paintBackground(picture, c.back, QPalette::Window);
    return picture;
}

QWidget *makeLine(const Control &c, QWidget *parent) {
    auto *line = new QWidget(parent);
    paintBackground(line, c.fore == Paint::Default ? Paint::Black : c.fore, QPalette::Window);
    return line;
}

} // namespace

QWidget *makeControl(const Control &c, QWidget *parent) {
    switch (c.kind) {
    case Kind::Frame:
        return makeFrame(c, parent);
    case Kind::Label:
        return makeLabel(c, parent);
    case Kind::TextBox:
        return makeTextBox(c, parent);
    case Kind::Button:
        return makeButton(c, parent);
    case Kind::Picture:
        return makePicture(c, parent);
    case Kind::Line:
        return makeLine(c, parent);
    }
    return nullptr;
}

} // namespace hexacle::layout
