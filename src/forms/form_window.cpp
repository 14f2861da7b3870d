// SPDX-License-Identifier: MIT

#include "forms/form_window.h"

#include "forms/program_style.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace hexacle {

namespace {

QMargins decorationsOf(const QWidget *window) {
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

// Windows open with their outer frame centred on the screen (of their owner,
// if they have one). The frame's decorations are known only once the window
// manager has framed the window, so the frame is centred again whenever they
// turn out other than assumed; a window the user moves stays where it is put.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget *window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        centre();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ &&
            (event->type() == QEvent::Move || event->type() == QEvent::Show) &&
            decorationsOf(window_) != applied_)
            centre();
        return false;
    }

private:
    void centre() {
        const QWidget *owner = window_->parentWidget();
        QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        applied_ = decorationsOf(window_);
        window_->move(centredFramePosition(screen->availableGeometry(), window_->size(), applied_));
    }

    QWidget *window_;
    QMargins applied_;
};

} // namespace

QPoint centredFramePosition(const QRect &available, const QSize &windowSize,
                            const QMargins &decorations) {
    QRect frame(QPoint(), windowSize.grownBy(decorations));
    frame.moveCenter(available.center());
    // move() places a window by its frame's corner.
    return frame.topLeft();
}

FormWindow::FormWindow(const layout::Form &form, QWidget *parent)
    : FormWindow(form, layout::BuildLater(), parent) {}

FormWindow::FormWindow(const layout::Form &form, layout::BuildLater later, QWidget *parent)
    : QMainWindow(parent), form_(form), later_(std::move(later)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed border, close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    layout::installProgramStyle();
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    if (!form.menus.empty())
        layout::buildMenus(menuBar(), form);
    layout::buildControls(this, client_, form, later_);
    const QSize designSize(layout::toPixels(form.window.clientWidth),
                           layout::toPixels(form.window.clientHeight));
    setFixedSize(designSize.width(), designSize.height() + menuBar()->sizeHint().height());
    centring_ = new FrameCentring(this);
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
    // A placement of its own replaces the centring.
    delete centring_;
    outer_ = outer;
    applyOuterGeometry();
}

QMargins FormWindow::decorations() const {
    return decorationsOf(this);
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
    new FrameCentring(this);
}

} // namespace hexacle
