// SPDX-License-Identifier: MIT

#pragma once

#include "forms/form_layout.h"

#include <QDialog>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

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
    // The controls `later` picks are built right after the window first
    // paints, or before whenever one of them is asked for.
    FormWindow(const layout::Form &form, layout::BuildLater later, QWidget *parent = nullptr);

    QWidget *client() const { return client_; }

    template <typename T> T *control(const QString &name) const {
        if (T *found = client_->findChild<T *>(name))
            return found;
        return buildLater() ? client_->findChild<T *>(name) : nullptr;
    }

    // Builds the controls left for later, if they are still to be built;
    // true when it built them.
    bool buildLater() const;
    // Runs `step` on the control `name` now, or once it is built. False when
    // the window has no such control and will not build one.
    bool whenBuilt(const QString &name, std::function<void(QWidget *)> step);
    QAction *menuAction(const QString &name) const;

    // Places the outer frame; applied again once the window manager tells the
    // size of its decorations.
    void setOuterGeometry(const layout::OuterGeometry &outer);

signals:
    void closing();
    // The controls left for later have just been built.
    void laterControlsBuilt();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QMargins decorations() const;
    void applyOuterGeometry();

    const layout::Form &form_;
    QWidget *client_ = nullptr;
    QPointer<QObject> centring_;
    // What is still to be built, and what waits for it; empty once built.
    mutable layout::BuildLater later_;
    mutable std::vector<std::pair<QString, std::function<void(QWidget *)>>> waiting_;
    bool buildQueued_ = false;
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
