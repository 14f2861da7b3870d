// SPDX-License-Identifier: MIT

#include "layout/ui_setup.h"

#include "layout/font_cache.h"
#include "layout/link_label.h"
#include "layout/program_style.h"

#include <QFont>
#include <QStringList>

// Q_INIT_RESOURCE must stand outside any namespace.
static void registerPictures() {
    // The pictures live in a static library, so their resources are
    // registered by hand.
    Q_INIT_RESOURCE(hexacle);
}

namespace hexacle::layout {

void startUserInterface() {
    registerPictures();
    // Verdana, Arial Black and MS Sans Serif fall back to close Linux families.
    const QStringList &sans = closeFamilies();
    QFont::insertSubstitutions("Verdana", sans);
    QFont::insertSubstitutions("Arial Black", sans);
    QFont::insertSubstitutions("MS Sans Serif", sans);
    installLinkLabelAccessibility();
    installProgramStyle();
}

} // namespace hexacle::layout
