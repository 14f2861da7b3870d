// SPDX-License-Identifier: MIT

#include "windows/form.h"

namespace hexacle {

Form::Form(const layout::FormLayout &layout, QObject *parent) : QObject(parent), layout_(layout) {}

Form::~Form() {
    if (window_) {
        // The object goes away with the run; its window must not call back.
        window_->disconnect(this);
        delete window_;
    }
}

void Form::Show() {
    if (!window_) {
        window_ = new FormWindow(layout_, controlsForLater());
        connect(window_, &FormWindow::closing, this, [this] {
            // The closed window goes away on its own; the next opening builds a new one.
            window_->disconnect(this);
            window_.clear();
            Form_Unload();
        });
        connectHandlers();
        Form_Load();
        if (!window_)
            return; // the opening steps ended the run
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Form::Close() {
    if (window_)
        window_->close();
}

} // namespace hexacle
