#pragma once

#include "forms/form_window.h"
#include "forms/frm_main.h"
#include "platform/platform.h"

#include <QObject>
#include <QPointer>

namespace hexacle {

// The Querent window. The object lives for the whole run and keeps the
// accepted name and question; its on-screen window is built afresh at each
// opening.
class FrmStart : public QObject, public QuerentSource {
    Q_OBJECT
public:
    explicit FrmStart(const Platform &platform, QObject *parent = nullptr);
    ~FrmStart() override;

    void Show();
    void Close();
    bool isOpen() const { return !window_.isNull(); }
    FormWindow *window() const { return window_; }

    // The accepted name and question, trimmed; empty until accepted.
    QString userName() const override { return userName_; }
    QString userQuestion() const override { return userQuestion_; }

    void mnuAbout_Click();

private:
    void connectHandlers();

    Platform platform_;
    QPointer<FormWindow> window_;
    QString userName_;
    QString userQuestion_;
};

} // namespace hexacle
