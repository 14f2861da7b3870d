// SPDX-License-Identifier: MIT

#pragma once

#include "layout/build.h"
#include "layout/table.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

class QCloseEvent;

namespace hexacle {

// The controls of a window as built from its layout, found by their names in
// the table. Some may be left to be built later (after the window first
// paints): asking for one of them by name builds them at once.
class BuiltControls {
public:
    virtual ~BuiltControls() = default;

    const layout::FormLayout &table() const { return layout_; }
    const layout::BuiltForm &built() const { return built_; }

    // Builds the controls left for later, if they are still to be built;
    // true when it built them.
    bool buildLater() const;
    // Runs `step` on the control of the layout's row `row` now, or once it
    // is built. False when there is no such control and none will be built.
    bool whenBuilt(std::size_t row, std::function<void(QWidget *)> step) const;
    // The same for the control named `name`.
    bool whenBuilt(const QString &name, std::function<void(QWidget *)> step) const;

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
    BuiltControls(const layout::FormLayout &layout, layout::BuildLater later)
        : later_(std::move(later)), layout_(layout) {}
    // Builds the rows `later` picks into built_.controls.
    virtual void buildLaterRows(const layout::BuildLater &later) const = 0;
    // They have just been built.
    virtual void laterRowsBuilt() const {}

    mutable layout::BuiltForm built_;
    // What is still to be built; empty once built.
    mutable layout::BuildLater later_;

private:
    QWidget *findControl(const QString &name) const;
    [[noreturn]] void missing(const QString &name) const;

    const layout::FormLayout &layout_;
    mutable std::vector<std::pair<std::size_t, std::function<void(QWidget *)>>> waiting_;
};

// The on-screen part of a window with a menu bar: built afresh from its
// layout each time the window opens, deleted when it closes. The form object
// that owns its state hears of the close through `closing`.
class FormWindow : public QMainWindow, public BuiltControls {
    Q_OBJECT
public:
    explicit FormWindow(const layout::FormLayout &form, QWidget *parent = nullptr);
    // The controls `later` picks are built right after the window first
    // paints, or before whenever one of them is asked for.
    FormWindow(const layout::FormLayout &form, layout::BuildLater later, QWidget *parent = nullptr);

    QWidget *client() const { return client_; }

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
    void buildLaterRows(const layout::BuildLater &later) const override;
    void laterRowsBuilt() const override;

    QWidget *client_ = nullptr;
    // Keeps the frame centred, or where setOuterGeometry put it.
    QPointer<QObject> placement_;
    bool buildQueued_ = false;
};

// A fixed dialog built from its layout, for windows without a menu bar. Shown
// modal over the window that opens it.
class FormDialog : public QDialog, public BuiltControls {
    Q_OBJECT
public:
    explicit FormDialog(const layout::FormLayout &form, QWidget *parent = nullptr);

private:
    void buildLaterRows(const layout::BuildLater &) const override {}
};

} // namespace hexacle
