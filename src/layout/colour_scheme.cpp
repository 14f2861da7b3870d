// SPDX-License-Identifier: MIT

#include "layout/colour_scheme.h"

#include <QColor>
#include <QPalette>

namespace hexacle::layout {

namespace {

QPalette makeLightScheme() {
    // A plain light desktop scheme: light grey face, white boxes, black text.
    const QColor face(239, 239, 239);
    const QColor dark = face.darker(150);
    QPalette scheme(Qt::black, face, Qt::white, dark, face.darker(130), Qt::black, Qt::white,
                    Qt::white, face);
    scheme.setColor(QPalette::Midlight, face.lighter(110));
    scheme.setColor(QPalette::Shadow, QColor(118, 118, 118));
    scheme.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    // Deep enough for white text on it (a chosen menu entry, selected text).
    scheme.setColor(QPalette::Highlight, QColor(38, 112, 160));
    scheme.setColor(QPalette::HighlightedText, Qt::white);
    scheme.setColor(QPalette::Link, QColor(0, 0, 255));
    scheme.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    scheme.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    scheme.setColor(QPalette::ToolTipText, Qt::black);
    scheme.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));

    // Switched-off controls: greyed text, boxes on the face colour.
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        scheme.setColor(QPalette::Disabled, role, dark);
    scheme.setColor(QPalette::Disabled, QPalette::Base, face);
    scheme.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return scheme;
}

} // namespace

QPalette lightScheme() {
    // Built once: every control of every window asks for it.
    static const QPalette scheme = makeLightScheme();
    return scheme;
}

} // namespace hexacle::layout
