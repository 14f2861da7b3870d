// SPDX-License-Identifier: MIT

#include "web/pages.h"

#include "platform/platform.h"

namespace hexacle {

QString pageName(Page page) {
    switch (page) {
    case Page::Home:
        return QStringLiteral("home-page");
    case Page::Help:
        return QStringLiteral("help-web-page");
    case Page::Download:
        return QStringLiteral("download-web-page");
    case Page::Donate:
        return QStringLiteral("donate");
    case Page::FullBrand:
        return QStringLiteral("fully-branded");
    case Page::CoBrand:
        return QStringLiteral("co-brand");
    }
    return {};
}

QUrl pageAddress(Page page) {
    // StrictMode: the address is ours and plain ASCII; nothing may be
    // rewritten or re-encoded on the way to the browser.
    return QUrl(QStringLiteral("http://" HEXACLE_WEB_HOST "/hexacle-free/ssd.php?page=") +
                    pageName(page),
                QUrl::StrictMode);
}

void PageOpeners::open(Page page) const {
    // Whether a browser started is neither known nor reported.
    if (browser_)
        browser_->open(pageAddress(page));
}

} // namespace hexacle
