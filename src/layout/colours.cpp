// SPDX-License-Identifier: MIT

#include "layout/colours.h"

#include "layout/colour_scheme.h"

#include <QWidget>

namespace hexacle::layout {

QColor colourOf(Paint paint) {
    const QPalette scheme = lightScheme();
    switch (paint) {
    case Paint::DarkOlive:
        return QColor(64, 64, 0);
    case Paint::White:
        return Qt::white;
    case Paint::Blue:
        return QColor(0, 0, 255);
    case Paint::LightPeach:
        return QColor(255, 224, 192);
    case Paint::LightYellow:
        return QColor(255, 255, 128);
    case Paint::Black:
        return Qt::black;
    case Paint::SystemWindow:
        return scheme.color(QPalette::Base);
    case Paint::SystemHighlightText:
        return scheme.color(QPalette::HighlightedText);
    case Paint::Default:
        break;
    }
    return scheme.color(QPalette::Window);
}

void paintBackground(QWidget *widget, Paint back, QPalette::ColorRole role) {
    QPalette palette = widget->palette();
    palette.setColor(role, colourOf(back));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintText(QWidget *widget, Paint fore, QPalette::ColorRole role) {
    if (fore == Paint::Default)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colourOf(fore));
    widget->setPalette(palette);
}

} // namespace hexacle::layout
