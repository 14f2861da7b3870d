// SPDX-License-Identifier: MIT

#include "layout/form_window.h"

#include "layout/geometry.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

namespace hexacle {

bool BuiltControls::buildLater() const {
    if (!later_)
        return false;
    const layout::BuildLater later = std::exchange(later_, layout::BuildLater());
    buildLaterRows(later);
    for (auto &[row, step] : std::exchange(waiting_, {}))
        if (QWidget *control = built_.controls[row])
            step(control);
    laterRowsBuilt();
    return true;
}

bool BuiltControls::whenBuilt(std::size_t row, std::function<void(QWidget *)> step) const {
    if (row >= built_.controls.size())
        return false;
    if (QWidget *control = built_.controls[row]) {
        step(control);
        return true;
    }
    if (!later_)
        return false;
    waiting_.emplace_back(row, std::move(step));
    return true;
}

bool BuiltControls::whenBuilt(const QString &name, std::function<void(QWidget *)> step) const {
    const auto &rows = layout_.controls;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (name == QLatin1String(rows[i].name))
            return whenBuilt(i, std::move(step));
    return false;
}

QWidget *BuiltControls::findControl(const QString &name) const {
    const auto &rows = layout_.controls;
    for (std::size_t i = 0; i < rows.size() && i < built_.controls.size(); ++i) {
        if (name != QLatin1String(rows[i].name))
            continue;
        if (!built_.controls[i])
            buildLater();
        return built_.controls[i];
    }
    return nullptr;
}

QAction *BuiltControls::menuAction(const QString &name) const {
    const auto &rows = layout_.menus;
    for (std::size_t i = 0; i < rows.size() && i < built_.menus.size(); ++i) {
        if (name == QLatin1String(rows[i].name))
            return built_.menus[i];
    }
    return nullptr;
}

QAction *BuiltControls::requireMenu(const QString &name) const {
    QAction *found = menuAction(name);
    if (!found)
        missing(name);
    return found;
}

void BuiltControls::missing(const QString &name) const {
    qFatal("The layout of \"%s\" has no control \"%s\" of the type its window expects",
           layout_.window.caption, qPrintable(name));
}

FormWindow::FormWindow(const layout::FormLayout &form, QWidget *parent)
    : FormWindow(form, layout::BuildLater(), parent) {}

FormWindow::FormWindow(const layout::FormLayout &form, layout::BuildLater later, QWidget *parent)
    : QMainWindow(parent), BuiltControls(form, std::move(later)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed border, close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    if (!form.menus.empty())
        built_.menus = layout::buildMenus(menuBar(), form);
    built_.controls = layout::buildControls(this, client_, form, later_);
    const QSize designSize(layout::toPixels(form.window.clientWidth),
                           layout::toPixels(form.window.clientHeight));
    setFixedSize(designSize.width(), designSize.height() + menuBar()->sizeHint().height());
    placement_ = layout::centreFrameOnScreen(this);
}

void FormWindow::buildLaterRows(const layout::BuildLater &later) const {
    auto *self = const_cast<FormWindow *>(this);
    layout::buildLaterControls(self, client_, table(), later, built_.controls);
}

void FormWindow::laterRowsBuilt() const {
    emit const_cast<FormWindow *>(this)->laterControlsBuilt();
}

void FormWindow::setOuterGeometry(const layout::OuterGeometry &outer) {
    // A placement of its own replaces the centring, or the one before.
    delete placement_;
    placement_ = layout::keepFramePlaced(this, [this, outer](const QMargins &decorations) {
        const layout::Placement placement =
            layout::place(outer, decorations, menuBar()->sizeHint().height());
        setFixedSize(placement.windowSize);
        move(placement.framePosition);
    });
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
    return handled;
}

FormDialog::FormDialog(const layout::FormLayout &form, QWidget *parent)
    : QDialog(parent), BuiltControls(form, layout::BuildLater()) {
    // Fixed dialog frame, close button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    built_.controls = layout::buildControls(this, this, form);
    setFixedSize(layout::toPixels(form.window.clientWidth),
                 layout::toPixels(form.window.clientHeight));
    layout::centreFrameOnScreen(this);
}

} // namespace hexacle
