// SPDX-License-Identifier: MIT

#include "windows/cobrand.h"

#include "platform/platform.h"
#include "windows/frm_main.h"

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

qint16 CoBrand_Randomize(FrmMain &reading, RandomSource &random) {
    const qint16 intCoBrandRandomNumber = coBrandNumberFor(random.next());
    reading.bringOfferToFront(intCoBrandRandomNumber);
    return intCoBrandRandomNumber;
}

} // namespace hexacle
