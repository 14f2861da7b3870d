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

#include <algorithm>
#include <map>

namespace hexacle::layout {

std::vector<QWidget *> buildControls(QWidget *window, QWidget *client, const FormLayout &form) {
    const Window &w = form.window;
    window->setWindowTitle(QString::fromLatin1(w.caption));
    window->setWindowIcon(windowIcon());
    const QFont windowFont = toQFont(w.font, QApplication::font());
    window->setFont(windowFont);
    // Every control takes the colours the layout leaves to the system from
    // the window, whatever the desktop's scheme.
    window->setPalette(lightScheme());
    paintBackground(client, w.background, QPalette::Window);

    std::vector<QWidget *> built;
    built.reserve(form.controls.size());
    std::map<QString, QWidget *> containers;
    std::vector<std::pair<int, QWidget *>> tabStops;
    std::vector<QWidget *> inFront;
    for (const Control &c : form.controls) {
        QWidget *parent = c.container ? containers.at(QString::fromLatin1(c.container)) : client;
        QWidget *widget = makeControl(c, parent);
        built.push_back(widget);
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
        // Link labels stand in the tab order where their tab index puts them.
        if (c.kind == Kind::TextBox || c.kind == Kind::Button || qobject_cast<LinkLabel *>(widget))
            tabStops.emplace_back(c.tab, widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
        if (c.flags & InFront)
            inFront.push_back(widget);
    }
    for (QWidget *widget : inFront)
        bringToFront(widget);
    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    if (!tabStops.empty())
        tabStops.front().second->setFocus(Qt::OtherFocusReason);
    return built;
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
