// SPDX-License-Identifier: MIT

#pragma once

// The maker's web pages and the one opener per page. Every link of the
// program, and the update reminder, goes through these.

#include <QString>
#include <QUrl>

namespace hexacle {

class Browser;

enum class Page { Home, Help, Download, Donate, FullBrand, CoBrand };

// The name the site's script knows the page by, e.g. "home-page".
QString pageName(Page page);

// "http://" + host + "/hexacle-free/ssd.php?page=" + name; plain ASCII.
QUrl pageAddress(Page page);

// Hands a page's address to the browser and forgets it: no waiting, no
// feedback. Cheap to copy; the browser is not owned.
class PageOpeners {
public:
    explicit PageOpeners(Browser *browser) : browser_(browser) {}

    void open(Page page) const;

    void OpenHomePage() const { open(Page::Home); }
    void OpenHelpPage() const { open(Page::Help); }
    void OpenDownloadPage() const { open(Page::Download); }
    void OpenDonatePage() const { open(Page::Donate); }
    void OpenFullBrandPage() const { open(Page::FullBrand); }
    void OpenCoBrandPage() const { open(Page::CoBrand); }

private:
    Browser *browser_;
};

} // namespace hexacle
