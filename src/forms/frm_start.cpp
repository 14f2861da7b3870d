#include "forms/frm_start.h"

#include "forms/frm_about.h"
#include "forms/frm_start_layout.h"
#include "links/link_wiring.h"

#include <QAction>

namespace hexacle {

FrmStart::FrmStart(const Platform &platform, QObject *parent)
    : QObject(parent), platform_(platform) {}

FrmStart::~FrmStart() {
    if (window_) {
        // The object goes away with the run; its window must not call back.
        window_->disconnect(this);
        delete window_;
    }
}

void FrmStart::Show() {
    if (!window_) {
        window_ = new FormWindow(frmStartLayout());
        connectHandlers();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void FrmStart::Close() {
    if (window_)
        window_->close();
}

void FrmStart::connectHandlers() {
    connect(window_->menuAction(QStringLiteral("mnuAbout")), &QAction::triggered, this,
            &FrmStart::mnuAbout_Click);
    connectPageLinks(window_, u"frmStart", PageOpeners(platform_.browser));
}

void FrmStart::mnuAbout_Click() {
    FrmAbout about(platform_);
    about.Show(window_);
}

} // namespace hexacle
