// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace hexacle::layout {

// A label that reacts to the mouse and the keyboard: the link labels (those
// with a hand pointer) are built as these, and report a click, or Enter or
// Space while they have the focus, as `clicked`. Tab reaches them, and they
// show when they have the focus; screen readers see them as links. Their
// plain text is drawn as a plain label draws it: give it here or through
// LinkLabel::setText, as QLabel lays out the text of a label that takes the
// focus through a text document of its own, at several times the cost.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text = {}, QWidget *parent = nullptr);

    void setText(const QString &text);

    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed_ = false;
};

// Tells screen readers that link labels are links; once per process, at the
// start-up of the user interface.
void installLinkLabelAccessibility();

// Raises `widget` above its siblings. Of link labels sharing one place only
// the one in front can be seen, so only that one takes the keyboard focus.
void bringToFront(QWidget *widget);

} // namespace hexacle::layout
