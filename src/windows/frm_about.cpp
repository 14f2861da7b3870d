// SPDX-License-Identifier: MIT

#include "windows/frm_about.h"

#include "windows/frm_about_layout.h"
#include "windows/page_links.h"

#include <QPushButton>

namespace hexacle {

FrmAbout::FrmAbout(const Platform &platform, QObject *parent)
    : QObject(parent), platform_(platform) {}

FrmAbout::~FrmAbout() {
    delete window_;
}

void FrmAbout::Show(QWidget *owner) {
    if (window_)
        return;
    window_ = new FormDialog(frmAboutLayout(), owner);
    cmdOK_ = window_->require<QPushButton>(QStringLiteral("cmdOK"));
    connect(cmdOK_, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connectPageLinks(*window_, PageOpeners(platform_.browser));
    window_->exec();
    cmdOK_ = nullptr;
    delete window_;
}

void FrmAbout::cmdOK_Click() {
    if (window_)
        window_->accept();
}

} // namespace hexacle
