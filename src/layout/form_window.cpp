// SPDX-License-Identifier: MIT

#include "layout/form_window.h"

#include "layout/geometry.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace hexacle {

QWidget *BuiltControls::findControl(const QString &name) const {
    const auto &rows = layout_.controls;
    for (std::size_t i = 0; i < rows.size() && i < built_.controls.size(); ++i) {
        if (name == QLatin1String(rows[i].name))
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
    : QMainWindow(parent), BuiltControls(form) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed border, close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    if (!form.menus.empty())
        built_.menus = layout::buildMenus(menuBar(), form);
    built_.controls = layout::buildControls(this, client_, form);
    const QSize designSize(layout::toPixels(form.window.clientWidth),
                           layout::toPixels(form.window.clientHeight));
    setFixedSize(designSize.width(), designSize.height() + menuBar()->sizeHint().height());
    centring_ = layout::centreFrameOnScreen(this);
}

void FormWindow::setOuterGeometry(const layout::OuterGeometry &outer) {
    // A placement of its own replaces the centring.
    delete centring_;
    outer_ = outer;
    applyOuterGeometry();
}

QMargins FormWindow::decorations() const {
    return layout::decorationsOf(this);
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
    // Decorations become known only after the window manager has framed the
    // window; place the frame again when they differ from what was assumed.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && outer_ &&
        decorations() != appliedDecorations_)
        applyOuterGeometry();
    return handled;
}

FormDialog::FormDialog(const layout::FormLayout &form, QWidget *parent)
    : QDialog(parent), BuiltControls(form) {
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
