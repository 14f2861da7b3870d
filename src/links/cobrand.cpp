// SPDX-License-Identifier: MIT

#include "links/cobrand.h"

#include "forms/form_layout.h"
#include "forms/form_window.h"
#include "forms/frm_main.h"
#include "platform/platform.h"

#include <QWidget>

namespace hexacle {

qint16 coBrandNumberFor(double r) {
    // A source that strays outside [0, 1) still yields a valid offer.
    const double scaled = 6 * r;
    if (!(scaled >= 1))
        return 1;
    if (scaled >= 5)
        return 6;
    return static_cast<qint16>(1 + static_cast<int>(scaled));
}

void bringOfferToFront(QWidget *window, qint16 coBrandNumber) {
    if (!window)
        return;
    const auto name =
        coBrandNumber % 2 != 0 ? QStringLiteral("lblCobrand") : QStringLiteral("lblFullBrand");
    // Tab reaches only the offer in front. The labels may be built later.
    if (auto *form = qobject_cast<FormWindow *>(window))
        form->whenBuilt(name, &layout::bringToFront);
    else if (auto *label = window->findChild<QWidget *>(name))
        layout::bringToFront(label);
}

qint16 CoBrand_Randomize(FrmMain &reading, RandomSource &random) {
    const qint16 intCoBrandRandomNumber = coBrandNumberFor(random.next());
    bringOfferToFront(reading.window(), intCoBrandRandomNumber);
    return intCoBrandRandomNumber;
}

} // namespace hexacle
