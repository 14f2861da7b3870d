// SPDX-License-Identifier: MIT

#include "reading/casting.h"

namespace hexacle {

CoinFace coinFaceFor(double r) {
    return r > 0.5 ? CoinFace::Heads : CoinFace::Tails;
}

qint16 coinCount(CoinFace face) {
    return face == CoinFace::Heads ? 3 : 2;
}

bool isCastLine(LineValue value) {
    return value >= 6 && value <= 9;
}

bool isChangingLine(LineValue value) {
    return value == 6 || value == 9;
}

} // namespace hexacle
