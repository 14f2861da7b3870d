// SPDX-License-Identifier: MIT

#pragma once

#include "forms/form_layout.h"

#include <QDialog>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>

#include <optional>

class QCloseEvent;

namespace hexacle {

// Where to move a top-level window of `windowSize` (without decorations) so
// that its outer frame, decorations included, stands centred in `available`.
QPoint centredFramePosition(const QRect &available, const QSize &windowSize,
                            const QMargins &decorations);

// The on-screen part of a window with a menu bar: built afresh from its
// layout each time the window opens, deleted when it closes. The form object
// that owns its state hears of the close through `closing`.
class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FormWindow(const layout::Form &form, QWidget *parent = nullptr);

    QWidget *client() const { return client_; }

    template <typename T> T *control(const QString &name) const {
        return client_->findChild<T *>(name);
    }
    QAction *menuAction(const QString &name) const;

    // Places the outer frame; applied again once the window manager tells the
    // size of its decorations.
    void setOuterGeometry(const layout::OuterGeometry &outer);

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QMargins decorations() const;
    void applyOuterGeometry();

    QWidget *client_ = nullptr;
    QPointer<QObject> centring_;
    std::optional<layout::OuterGeometry> outer_;
    QMargins appliedDecorations_;
};

// A fixed dialog built from its layout, for windows without a menu bar. Shown
// modal over the window that opens it.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    explicit FormDialog(const layout::Form &form, QWidget *parent = nullptr);

    template <typename T> T *control(const QString &name) const { return findChild<T *>(name); }
};

} // namespace hexacle
