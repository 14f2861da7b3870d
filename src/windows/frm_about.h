// SPDX-License-Identifier: MIT

#pragma once

#include "layout/form_window.h"
#include "platform/platform.h"

#include <QObject>
#include <QPointer>

class QPushButton;

namespace hexacle {

// The About window. Nothing survives from one opening to the next: each
// Show() builds the window afresh from its layout.
class FrmAbout : public QObject {
    Q_OBJECT
public:
    explicit FrmAbout(const Platform &platform, QObject *parent = nullptr);
    ~FrmAbout() override;

    // Shows the window modal over `owner` and returns once it has closed.
    void Show(QWidget *owner);
    bool isOpen() const { return !window_.isNull(); }
    FormDialog *window() const { return window_; }

private slots:
    void cmdOK_Click();

private:
    Platform platform_;
    QPointer<FormDialog> window_;
    QPushButton *cmdOK_ = nullptr;
};

} // namespace hexacle
