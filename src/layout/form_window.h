// SPDX-License-Identifier: MIT

#pragma once

#include "layout/build.h"
#include "layout/table.h"

#include <QDialog>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>

#include <optional>

class QCloseEvent;

namespace hexacle {

// The controls of a window as built from its layout, found by their names in
// the table.
class BuiltControls {
public:
    const layout::FormLayout &table() const { return layout_; }
    const layout::BuiltForm &built() const { return built_; }

    // The control named `name`, or nullptr when the layout has none of that
    // name and type.
    template <typename T> T *control(const QString &name) const {
        return qobject_cast<T *>(findControl(name));
    }
    QAction *menuAction(const QString &name) const;

    // The same for the window's own code, which names only controls its
    // layout has: a name missing there is a fault of the program, and fatal.
    template <typename T> T *require(const QString &name) const {
        T *found = control<T>(name);
        if (!found)
            missing(name);
        return found;
    }
    QAction *requireMenu(const QString &name) const;

protected:
    explicit BuiltControls(const layout::FormLayout &layout) : layout_(layout) {}
    layout::BuiltForm built_;

private:
    QWidget *findControl(const QString &name) const;
    [[noreturn]] void missing(const QString &name) const;

    const layout::FormLayout &layout_;
};

// The on-screen part of a window with a menu bar: built afresh from its
// layout each time the window opens, deleted when it closes. The form object
// that owns its state hears of the close through `closing`.
class FormWindow : public QMainWindow, public BuiltControls {
    Q_OBJECT
public:
    explicit FormWindow(const layout::FormLayout &form, QWidget *parent = nullptr);

    QWidget *client() const { return client_; }

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
class FormDialog : public QDialog, public BuiltControls {
    Q_OBJECT
public:
    explicit FormDialog(const layout::FormLayout &form, QWidget *parent = nullptr);
};

} // namespace hexacle
