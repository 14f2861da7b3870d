// SPDX-License-Identifier: MIT

#pragma once

// The fonts of the layouts. Each family a layout names is looked up once: the
// family itself where this machine has it, else the first installed of a few
// close ones. Fonts are then asked for by an installed name, so Qt neither
// walks its substitutes nor queries fontconfig for a fallback list per name,
// and every control with the same font shares one QFont.

#include <QFont>
#include <QString>
#include <QStringList>

namespace hexacle::layout {

struct Font;

// Close sans-serif families of Linux desktops, best first: Verdana, Arial
// Black and MS Sans Serif become the first of these installed.
const QStringList &closeFamilies();

// The installed family that stands for `family` (case as the font database has it).
QString installedFamily(const QString &family);

// The QFont for a layout font that names a family.
QFont sharedFont(const Font &font);

} // namespace hexacle::layout
