// SPDX-License-Identifier: MIT
// Window-free code that reaches for a widget: the layer check must refuse it.

#pragma once

#include <QString>
#include <QtWidgets/QLabel>
