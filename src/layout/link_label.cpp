// SPDX-License-Identifier: MIT

#include "layout/link_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace hexacle::layout {

namespace {

// Screen readers are told a link label is a link, named by its text, that
// can be pressed.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *linkLabelAccessible(const QString &className, QObject *object) {
    if (object && object->isWidgetType() &&
        className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

void installLinkLabelAccessibility() {
    QAccessible::installFactory(linkLabelAccessible);
}

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    QLabel::setText(text);
    // Tab reaches it; a click opens the page without taking the focus.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setText(const QString &text) {
    // QLabel gives the text of a label that can take the focus a text
    // document; without the focus policy for a moment it keeps drawing the
    // text itself.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    QLabel::setText(text);
    setFocusPolicy(policy);
}

// QLabel would build the text document as the label is polished and as it
// takes the focus, to move a text cursor this label has none of.
bool LinkLabel::event(QEvent *event) {
    if (event->type() == QEvent::Polish)
        return QFrame::event(event);
    return QLabel::event(event);
}

void LinkLabel::focusInEvent(QFocusEvent *event) {
    QFrame::focusInEvent(event);
}

namespace {

// Enter in a window with a default button presses that button, wherever the
// focus is.
bool hasDefaultButton(const QWidget *window) {
    const auto buttons = window->findChildren<QPushButton *>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton *button) {
        return button->isDefault() && button->isVisible() && button->isEnabled();
    });
}

} // namespace

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool press = (enter && !hasDefaultButton(window())) || event->key() == Qt::Key_Space;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!press || !plain) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        activate();
}

void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    // A click is a press and a release of the left button over the label.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void bringToFront(QWidget *widget) {
    if (!widget)
        return;
    widget->raise();
    QWidget *parent = widget->parentWidget();
    if (!parent)
        return;
    // children() runs from the back to the front.
    const QObjectList &order = parent->children();
    for (qsizetype i = 0; i < order.size(); ++i) {
        auto *label = qobject_cast<LinkLabel *>(order[i]);
        if (!label)
            continue;
        bool covered = false;
        for (qsizetype j = i + 1; j < order.size() && !covered; ++j) {
            const auto *above = qobject_cast<const LinkLabel *>(order[j]);
            covered = above && !above->isHidden() && above->geometry().contains(label->geometry());
        }
        label->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    }
}

} // namespace hexacle::layout
