// SPDX-License-Identifier: MIT

#include "support/drawn_text.h"

#include "support/contrast.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <map>

namespace hexacle::test {

namespace {

// The contrast of the text drawn in `area` of `shot`: the most frequent colour
// there is the background, and the text is the colour (seen on two pixels at
// least, so not one stray smoothing pixel) that stands out from it the most.
double textContrast(const QImage &shot, const QRect &area) {
    std::map<QRgb, int> counts;
    const QRect inside = area.intersected(shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y) | 0xff000000u];
    if (counts.empty())
        return 0;
    const auto back = std::max_element(counts.begin(), counts.end(), [](auto &a, auto &b) {
                          return a.second < b.second;
                      })->first;
    const auto rgb = [](QRgb c) { return Rgb{qRed(c), qGreen(c), qBlue(c)}; };
    double best = 1;
    for (const auto &[colour, count] : counts)
        if (count >= 2)
            best = std::max(best, contrastRatio(rgb(colour), rgb(back)));
    return best;
}

// Where the text of `w` is drawn, in `w`'s own coordinates; empty when `w`
// shows no text.
QList<QRect> textAreas(const QWidget *w) {
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty())
            return {};
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return {QFontMetrics(label->font())
                    .boundingRect(label->contentsRect(), flags, label->text())
                    .adjusted(-1, -1, 1, 1)
                    .intersected(label->contentsRect())};
    }
    if (auto *button = qobject_cast<const QPushButton *>(w)) {
        // Switched-off controls may be greyed: their text needs no contrast.
        if (!button->isEnabled() || button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return {button->style()
                    ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                    .adjusted(1, 1, -1, -1)};
    }
    if (auto *box = qobject_cast<const QPlainTextEdit *>(w)) {
        if (box->toPlainText().isEmpty())
            return {};
        const QWidget *view = box->viewport();
        return {QRect(view->mapTo(box, QPoint()), view->size()).adjusted(1, 1, -1, -1)};
    }
    if (auto *line = qobject_cast<const QLineEdit *>(w))
        return line->text().isEmpty() ? QList<QRect>{}
                                      : QList<QRect>{w->rect().adjusted(3, 3, -3, -3)};
    if (auto *bar = qobject_cast<const QMenuBar *>(w)) {
        QList<QRect> areas;
        for (QAction *action : bar->actions())
            if (action->isVisible() && action->isEnabled())
                areas << bar->actionGeometry(action).adjusted(2, 2, -2, -2);
        return areas;
    }
    if (auto *menu = qobject_cast<const QMenu *>(w)) {
        QList<QRect> areas;
        for (QAction *action : menu->actions())
            if (action->isVisible() && action->isEnabled() && !action->isSeparator())
                areas << menu->actionGeometry(action).adjusted(2, 2, -2, -2);
        return areas;
    }
    return {};
}

} // namespace

QList<Measure> measureWindow(QWidget *window, const QString &name) {
    // The text caret is drawn inverted, not in the text's colour: hide it.
    QWidget *focus = window->focusWidget();
    if (focus)
        focus->clearFocus();
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    const qreal scale = shot.devicePixelRatio();
    QList<Measure> found;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets << window;
    for (const QWidget *w : std::as_const(widgets)) {
        if (!w->isVisible())
            continue;
        // What of the control shows: clipped by its frames and the window,
        // less what lies in front of it.
        const QRect seen = w->visibleRegion().boundingRect();
        const QList<QRect> areas = textAreas(w);
        for (qsizetype i = 0; i < areas.size(); ++i) {
            const QRect area = areas[i].intersected(seen);
            if (area.isEmpty())
                continue;
            const QRectF inShot(QPointF(w->mapTo(window, area.topLeft())) * scale,
                                QSizeF(area.size()) * scale);
            const QString control = w->objectName().isEmpty()
                                        ? QString::fromLatin1(w->metaObject()->className())
                                        : w->objectName();
            const QString where = name + QLatin1Char('/') + control +
                                  (areas.size() > 1 ? QStringLiteral("#%1").arg(i) : QString());
            found << Measure{where, textContrast(shot, inShot.toRect())};
        }
    }
    return found;
}

} // namespace hexacle::test
