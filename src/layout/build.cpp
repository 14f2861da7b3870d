// SPDX-License-Identifier: MIT

#include "layout/build.h"

#include "layout/captions.h"
#include "layout/colour_scheme.h"
#include "layout/colours.h"
#include "layout/controls.h"
#include "layout/geometry.h"
#include "layout/link_label.h"
#include "layout/pictures.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>

#include <algorithm>
#include <map>

namespace hexacle::layout {

namespace {

bool isTabStop(const Control &c, const QWidget *widget) {
    // Link labels stand in the tab order where their tab index puts them.
    return c.kind == Kind::TextBox || c.kind == Kind::Button ||
           qobject_cast<const LinkLabel *>(widget);
}

// Builds the controls of `form` marked in `part` into `client`, each into
// its row of `built`.
void buildPart(QWidget *window, QWidget *client, const FormLayout &form,
               const std::vector<bool> &part, std::vector<QWidget *> &built) {
    const QFont windowFont = toQFont(form.window.font, QApplication::font());
    std::map<QString, QWidget *> containers;
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (built[i] && form.controls[i].kind == Kind::Frame)
            containers[QString::fromLatin1(form.controls[i].name)] = built[i];
    std::vector<QWidget *> inFront;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        if (!part[i])
            continue;
        const Control &c = form.controls[i];
        QWidget *parent = c.container ? containers.at(QString::fromLatin1(c.container)) : client;
        QWidget *widget = makeControl(c, parent);
        built[i] = widget;
        widget->setObjectName(QString::fromLatin1(c.name));
        widget->setFont(toQFont(c.font, windowFont));
        if (c.kind == Kind::Line) {
            // A rule from (left, top) to (left + width, top), two pixels thick.
            widget->setGeometry(toPixels(c.left), toPixels(c.top) - 1,
                                toPixels(c.left + c.width) - toPixels(c.left), 2);
        } else {
            widget->setGeometry(toPixels(c.left, c.top, c.width, c.height));
        }
        if (c.flags & FitText)
            fitCaption(widget, c);
        if (c.flags & AutoSize)
            widget->resize(widget->sizeHint());
        if (c.flags & CancelButton) {
            // Esc anywhere in the window presses the cancel button.
            auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
            QObject::connect(escape, &QShortcut::activated, static_cast<QPushButton *>(widget),
                             &QPushButton::click);
        }
        if (c.tag)
            widget->setProperty("tag", QString::fromLatin1(c.tag));
        if (c.accessibleName)
            widget->setAccessibleName(QString::fromLatin1(c.accessibleName));
        if (c.kind == Kind::Frame)
            containers[widget->objectName()] = widget;
        if (!isTabStop(c, widget))
            widget->setFocusPolicy(Qt::NoFocus);
        if (c.flags & InFront)
            inFront.push_back(widget);
    }
    for (QWidget *widget : inFront)
        bringToFront(widget);
}

// Chains every control built so far in the order of the layout's tab indexes;
// returns the first.
QWidget *chainTabOrder(const FormLayout &form, const std::vector<QWidget *> &built) {
    std::vector<std::pair<int, QWidget *>> tabStops;
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (built[i] && isTabStop(form.controls[i], built[i]))
            tabStops.emplace_back(form.controls[i].tab, built[i]);
    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    return tabStops.empty() ? nullptr : tabStops.front().second;
}

} // namespace

std::vector<bool> controlsBuiltLater(const FormLayout &form, const BuildLater &later) {
    std::vector<bool> result(form.controls.size(), false);
    if (!later)
        return result;
    QStringList laterFrames;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const Control &c = form.controls[i];
        result[i] = later(c) || (c.container && laterFrames.contains(QLatin1String(c.container)));
        if (result[i] && c.kind == Kind::Frame)
            laterFrames << QString::fromLatin1(c.name);
    }
    return result;
}

std::vector<QWidget *> buildControls(QWidget *window, QWidget *client, const FormLayout &form,
                                     const BuildLater &later) {
    const Window &w = form.window;
    window->setWindowTitle(QString::fromLatin1(w.caption));
    window->setWindowIcon(windowIcon());
    window->setFont(toQFont(w.font, QApplication::font()));
    // Every control takes the colours the layout leaves to the system from
    // the window, whatever the desktop's scheme.
    window->setPalette(lightScheme());
    paintBackground(client, w.background, QPalette::Window);

    std::vector<QWidget *> built(form.controls.size(), nullptr);
    std::vector<bool> now = controlsBuiltLater(form, later);
    now.flip();
    buildPart(window, client, form, now, built);
    if (QWidget *first = chainTabOrder(form, built))
        first->setFocus(Qt::OtherFocusReason);
    return built;
}

void buildLaterControls(QWidget *window, QWidget *client, const FormLayout &form,
                        const BuildLater &later, std::vector<QWidget *> &built) {
    buildPart(window, client, form, controlsBuiltLater(form, later), built);
    chainTabOrder(form, built);
}

std::vector<QAction *> buildMenus(QMenuBar *bar, const FormLayout &form) {
    std::vector<QAction *> built;
    built.reserve(form.menus.size());
    std::map<QString, QMenu *> menus;
    for (const MenuItem &item : form.menus) {
        const QString name = QString::fromLatin1(item.name);
        const QString caption = QString::fromLatin1(item.caption);
        // A menu bar entry with children becomes a menu; the others are actions.
        const bool hasChildren =
            std::any_of(form.menus.begin(), form.menus.end(), [&](const MenuItem &other) {
                return other.parent && name == QLatin1String(other.parent);
            });
        QAction *action = nullptr;
        if (!item.parent && hasChildren) {
            QMenu *menu = bar->addMenu(caption);
            menu->setObjectName(name);
            // A menu is a window of its own and would take the desktop's colours.
            menu->setPalette(lightScheme());
            menus[name] = menu;
            action = menu->menuAction();
        } else if (!item.parent) {
            action = bar->addAction(caption);
        } else if (caption == QLatin1String("-")) {
            action = menus.at(QString::fromLatin1(item.parent))->addSeparator();
        } else {
            action = menus.at(QString::fromLatin1(item.parent))->addAction(caption);
        }
        action->setObjectName(name);
        action->setEnabled(item.enabled);
        action->setVisible(item.visible);
        built.push_back(action);
    }
    return built;
}

void showText(QPlainTextEdit *box, const QString &text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setPlainText(lines);
}

} // namespace hexacle::layout
