// SPDX-License-Identifier: MIT

#pragma once

#include "layout/form_window.h"
#include "layout/table.h"

#include <QObject>
#include <QPointer>

namespace hexacle {

// A window of the run. The object lives for the whole run and keeps the
// window's state while its on-screen window comes and goes; that window is
// built afresh from the layout at each opening and deleted when it closes.
class Form : public QObject {
    Q_OBJECT
public:
    ~Form() override;

    // Opens the window (building it and running Form_Load) or, when it is
    // open but hidden, shows it again without its opening steps.
    void Show();
    void Close();
    bool isOpen() const { return !window_.isNull(); }
    FormWindow *window() const { return window_; }

protected:
    Form(const layout::FormLayout &layout, QObject *parent);

    // Controls that need not be built before the window first shows.
    virtual layout::BuildLater controlsForLater() const { return {}; }
    // Connects the freshly built window's controls to their handlers.
    virtual void connectHandlers() = 0;
    // When the window opens, before it shows; it may end the run.
    virtual void Form_Load() {}
    // When the window has closed, whatever closed it.
    virtual void Form_Unload() {}

private:
    const layout::FormLayout &layout_;
    QPointer<FormWindow> window_;
};

} // namespace hexacle
