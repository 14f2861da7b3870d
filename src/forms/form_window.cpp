// SPDX-License-Identifier: MIT

#include "forms/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace hexacle {

namespace {

// Windows open centred on the screen (of their owner, if they have one).
void centreOnScreen(QWidget *window) {
    const QWidget *owner = window->parentWidget();
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace

FormWindow::FormWindow(const layout::Form &form, QWidget *parent)
    : FormWindow(form, layout::BuildLater(), parent) {}

FormWindow::FormWindow(const layout::Form &form, layout::BuildLater later, QWidget *parent)
    : QMainWindow(parent), form_(form), later_(std::move(later)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed border, close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    if (!form.menus.empty())
        layout::buildMenus(menuBar(), form);
    layout::buildControls(this, client_, form, later_);
    const QSize designSize(layout::toPixels(form.window.clientWidth),
                           layout::toPixels(form.window.clientHeight));
    setFixedSize(designSize.width(), designSize.height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
}

bool FormWindow::buildLater() const {
    if (!later_)
        return false;
    const layout::BuildLater later = std::exchange(later_, layout::BuildLater());
    auto *self = const_cast<FormWindow *>(this);
    layout::buildLaterControls(self, client_, form_, later);
    for (auto &[name, step] : std::exchange(waiting_, {}))
        if (QWidget *control = client_->findChild<QWidget *>(name))
            step(control);
    emit self->laterControlsBuilt();
    return true;
}

bool FormWindow::whenBuilt(const QString &name, std::function<void(QWidget *)> step) {
    if (QWidget *control = client_->findChild<QWidget *>(name)) {
        step(control);
        return true;
    }
    const bool comes = later_ && std::any_of(form_.controls.begin(), form_.controls.end(),
                                             [&](const layout::Control &c) {
                                                 return name == QLatin1String(c.name);
                                             });
    if (comes)
        waiting_.emplace_back(name, std::move(step));
    return comes;
}

QAction *FormWindow::menuAction(const QString &name) const {
    return menuBar()->findChild<QAction *>(name);
}

void FormWindow::setOuterGeometry(const layout::OuterGeometry &outer) {
    outer_ = outer;
    applyOuterGeometry();
}

QMargins FormWindow::decorations() const {
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void FormWindow::applyOuterGeometry() {
    if (!outer_)
        return;
    appliedDecorations_ = decorations();
    const layout::Placement placement =
        layout::place(*outer_, appliedDecorations_, menuBar()->sizeHint().height());
    setFixedSize(placement.windowSize);
    move(placement.framePosition);
}

void FormWindow::closeEvent(QCloseEvent *event) {
    emit closing();
    event->accept();
}

bool FormWindow::event(QEvent *event) {
    const bool handled = QMainWindow::event(event);
    // What waits is built once the first frame is on the screen.
    if (event->type() == QEvent::Paint && later_ && !buildQueued_) {
        buildQueued_ = true;
        QTimer::singleShot(0, this, [this] { buildLater(); });
    }
    // Decorations become known only after the window manager has framed the
    // window; place the frame again when they differ from what was assumed.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && outer_ &&
        decorations() != appliedDecorations_)
        applyOuterGeometry();
    return handled;
}

FormDialog::FormDialog(const layout::Form &form, QWidget *parent) : QDialog(parent) {
    // Fixed dialog frame, close button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    layout::buildControls(this, this, form);
    setFixedSize(layout::toPixels(form.window.clientWidth),
                 layout::toPixels(form.window.clientHeight));
    centreOnScreen(this);
}

} // namespace hexacle
