// SPDX-License-Identifier: MIT

#include "layout/captions.h"

#include "layout/font_cache.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace hexacle::layout {

QFont toQFont(const Font &font, const QFont &windowFont) {
    return font.family ? sharedFont(font) : windowFont;
}

QString labelText(const char *caption) {
    const QString text = QString::fromLatin1(caption);
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                shown += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    return shown;
}

bool textFits(const QFont &font, const QSize &size, const QString &text, bool wrap) {
    const QFontMetrics metrics(font);
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, size.width(), 1 << 20),
                             Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0), text);
    return needed.width() <= size.width() && needed.height() <= size.height();
}

namespace {

void fitText(QWidget *widget, const QString &text, bool wrap, const QMargins &inside) {
    const QSize room = widget->size().shrunkBy(inside);
    QFont font = widget->font();
    const qreal smallest = font.pointSizeF() * 0.75;
    while (!textFits(font, room, text, wrap) && font.pointSizeF() - 0.25 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

} // namespace

void fitCaption(QWidget *widget, const Control &c) {
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        // Room inside the button's bevel, as its style draws the caption.
        const int side = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int edge =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        fitText(widget, labelText(c.caption), false, QMargins(side, edge, side, edge));
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        fitText(widget, label->text(), label->wordWrap(), QMargins());
    }
}

} // namespace hexacle::layout
