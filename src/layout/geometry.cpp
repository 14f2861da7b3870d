// SPDX-License-Identifier: MIT

#include "layout/geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace hexacle::layout {

int toPixels(int twips) {
    return qRound(twips / double(kTwipsPerPixel));
}

QRect toPixels(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

Placement place(const OuterGeometry &outer, const QMargins &decorations, int menuBarHeight) {
    const int client =
        toPixels(outer.height) - decorations.top() - decorations.bottom() - menuBarHeight;
    const int minClient = toPixels(outer.minClient);
    const int maxClient = std::max(minClient, toPixels(outer.maxClient));
    const int width = toPixels(outer.width) - decorations.left() - decorations.right();
    return Placement{QPoint(toPixels(outer.left), toPixels(outer.top)),
                     QSize(width, std::clamp(client, minClient, maxClient) + menuBarHeight)};
}

QMargins decorationsOf(const QWidget *window) {
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

QPoint centredFramePosition(const QRect &available, const QSize &windowSize,
                            const QMargins &decorations) {
    QRect frame(QPoint(), windowSize.grownBy(decorations));
    frame.moveCenter(available.center());
    // move() places a window by its frame's corner.
    return frame.topLeft();
}

namespace {

// Runs `place_` with the decorations at hand, and again whenever they turn out
// other than those it last placed with.
class FramePlacement : public QObject {
public:
    FramePlacement(QWidget *window, std::function<void(const QMargins &)> place)
        : QObject(window), window_(window), place_(std::move(place)) {
        window->installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ &&
            (event->type() == QEvent::Move || event->type() == QEvent::Show) &&
            decorationsOf(window_) != applied_)
            apply();
        return false;
    }

private:
    void apply() {
        applied_ = decorationsOf(window_);
        place_(applied_);
    }

    QWidget *window_;
    std::function<void(const QMargins &)> place_;
    QMargins applied_;
};

} // namespace

QObject *keepFramePlaced(QWidget *window, std::function<void(const QMargins &)> place) {
    return new FramePlacement(window, std::move(place));
}

QObject *centreFrameOnScreen(QWidget *window) {
    return keepFramePlaced(window, [window](const QMargins &decorations) {
        const QWidget *owner = window->parentWidget();
        QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen)
            window->move(
                centredFramePosition(screen->availableGeometry(), window->size(), decorations));
    });
}

} // namespace hexacle::layout
