// SPDX-License-Identifier: MIT

#include "forms/form_layout.h"

#include "forms/colour_scheme.h"
#include "forms/font_cache.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QString>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

// The pictures live in a static library; their resources must be registered by hand.
static void initResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(hexacle);
        return true;
    }();
    Q_UNUSED(done);
}

namespace hexacle::layout {

int toPixels(int twips) {
    return qRound(twips / double(kTwipsPerPixel));
}

QRect toPixels(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void installFontFallbacks() {
    static const bool installed = [] {
        const QStringList &sans = closeFamilies();
        QFont::insertSubstitutions("Verdana", sans);
        QFont::insertSubstitutions("Arial Black", sans);
        QFont::insertSubstitutions("MS Sans Serif", sans);
        return true;
    }();
    Q_UNUSED(installed);
}

QFont toQFont(const Font &font, const QFont &windowFont) {
    return font.family ? sharedFont(font) : windowFont;
}

namespace {

// Screen readers are told a link label is a link, named by its text, that
// can be pressed.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *linkLabelAccessible(const QString &className, QObject *object) {
    if (object && object->isWidgetType() &&
        className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(linkLabelAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setTextFormat(Qt::PlainText);
    QLabel::setText(text);
    // Tab reaches it; a click opens the page without taking the focus.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setText(const QString &text) {
    // QLabel gives the text of a label that can take the focus a text
    // document; without the focus policy for a moment it keeps drawing the
    // text itself.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    QLabel::setText(text);
    setFocusPolicy(policy);
}

// QLabel would build the text document as the label is polished and as it
// takes the focus, to move a text cursor this label has none of.
bool LinkLabel::event(QEvent *event) {
    if (event->type() == QEvent::Polish)
        return QFrame::event(event);
    return QLabel::event(event);
}

void LinkLabel::focusInEvent(QFocusEvent *event) {
    QFrame::focusInEvent(event);
}

namespace {

// Enter in a window with a default button presses that button, wherever the
// focus is.
bool hasDefaultButton(const QWidget *window) {
    const auto buttons = window->findChildren<QPushButton *>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton *button) {
        return button->isDefault() && button->isVisible() && button->isEnabled();
    });
}

} // namespace

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool press = (enter && !hasDefaultButton(window())) || event->key() == Qt::Key_Space;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!press || !plain) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        activate();
}

void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    // A click is a press and a release of the left button over the label.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

// Drawn by tools/draw_icons.py, which places the fingertip at this pixel.
constexpr int kHandHotX = 6;
constexpr int kHandHotY = 1;

namespace {

// A PNG copy inside the program. Qt asks every image plugin whether it reads
// a picture before its own PNG reader may, unless told the format is certain;
// loading the plugins costs more than all the pictures together.
QPixmap embeddedPicture(const QString &path) {
    initResources();
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QCursor colourHandPointer() {
    static const QCursor pointer(embeddedPicture(QStringLiteral(":/hexacle/hand_colour.png")),
                                 kHandHotX, kHandHotY);
    return pointer;
}

QCursor monoHandPointer() {
    static const QCursor pointer(embeddedPicture(QStringLiteral(":/hexacle/hand_mono.png")),
                                 kHandHotX, kHandHotY);
    return pointer;
}

void bringToFront(QWidget *widget) {
    if (!widget)
        return;
    widget->raise();
    QWidget *parent = widget->parentWidget();
    if (!parent)
        return;
    // children() runs from the back to the front.
    const QObjectList &order = parent->children();
    for (qsizetype i = 0; i < order.size(); ++i) {
        auto *label = qobject_cast<LinkLabel *>(order[i]);
        if (!label)
            continue;
        bool covered = false;
        for (qsizetype j = i + 1; j < order.size() && !covered; ++j) {
            const auto *above = qobject_cast<const LinkLabel *>(order[j]);
            covered = above && !above->isHidden() && above->geometry().contains(label->geometry());
        }
        label->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    }
}

namespace {

// The picture in the file, or nothing when it cannot be read whole. Qt's GIF
// reader shows as much as it got of a file cut off partway, so a GIF must end
// with its trailer.
QImage readWholePicture(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("GIF8")) {
        qsizetype end = bytes.size();
        while (end > 0 && bytes[end - 1] == '\0')
            --end;
        if (end == 0 || bytes[end - 1] != ';')
            return {};
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The name's suffix spares trying every reader on the content; a file
    // that is not what its name says is still read for what it is. The
    // pictures inside the program are what their names say.
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(!path.startsWith(QLatin1String(":/")));
    return reader.read();
}

} // namespace

QPixmap loadPicture(const QString &path, qreal devicePixelRatio) {
    // The plain file is the picture; without it there is none, whatever
    // larger drawing lies beside it.
    const QImage image = readWholePicture(path);
    if (image.isNull())
        return QPixmap();
    if (devicePixelRatio > 1) {
        const QFileInfo plain(path);
        const QString larger = plain.path() + QLatin1Char('/') + plain.completeBaseName() +
                               QLatin1String("@2x.") + plain.suffix();
        QImage sharper = readWholePicture(larger);
        if (!sharper.isNull()) {
            sharper.setDevicePixelRatio(2);
            return QPixmap::fromImage(sharper);
        }
    }
    return QPixmap::fromImage(image);
}

bool textFits(const QFont &font, const QSize &size, const QString &text, bool wrap) {
    const QFontMetrics metrics(font);
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, size.width(), 1 << 20),
                             Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0), text);
    return needed.width() <= size.width() && needed.height() <= size.height();
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

namespace {

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

QWidget *makeFrame(const Control &c, QWidget *parent) {
    auto *frame = new QFrame(parent);
    if (c.flags & NoBorder)
        frame->setFrameStyle(QFrame::NoFrame);
    else if (c.flags & FlatBorder)
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    else
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintBackground(frame, c.back, QPalette::Window);
    return frame;
}

QWidget *makeLabel(const Control &c, QWidget *parent) {
    const bool link = c.flags & (HandColour | HandMono);
    QLabel *label = link ? new LinkLabel(labelText(c.caption), parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    if (!link)
        label->setText(labelText(c.caption));
    label->setWordWrap(c.flags & WordWrap);
    label->setAlignment(((c.flags & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (!(c.flags & Transparent))
        paintBackground(label, c.back, QPalette::Window);
    paintText(label, c.fore, QPalette::WindowText);
    if (c.flags & HandColour)
        label->setCursor(colourHandPointer());
    else if (c.flags & HandMono)
        label->setCursor(monoHandPointer());
    return label;
}

QWidget *makeLineBox(const Control &c, QWidget *parent) {
    auto *box = new QLineEdit(QString::fromLatin1(c.caption), parent);
    box->setReadOnly(c.flags & ReadOnly);
    if (c.back != Paint::Default)
        paintBackground(box, c.back, QPalette::Base);
    paintText(box, c.fore, QPalette::Text);
    return box;
}

// A new text box lays out its empty document at once in the application's
// font, before it takes a font of its own. The windows use that font nowhere
// before they show, and loading it with its list of fallback families costs
// as much as all the rest of a text box: the box is made while the
// application's font is that of its parent, one already loaded.
QPlainTextEdit *newPlainTextEdit(QWidget *parent) {
    const QFont applicationFont = QGuiApplication::font();
    QGuiApplication::setFont(parent->font());
    auto *box = new QPlainTextEdit(parent);
    QGuiApplication::setFont(applicationFont);
    return box;
}

QWidget *makeTextBox(const Control &c, QWidget *parent) {
    if (!(c.flags & MultiLine))
        return makeLineBox(c, parent);
    auto *box = newPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Lines break between words only: breaking one huge pasted word anywhere
    // costs minutes of layout. A word wider than the box scrolls sideways.
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setVerticalScrollBarPolicy((c.flags & VScroll) ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (c.flags & ReadOnly) {
        // Read-only, yet its text can be selected and copied.
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    if (c.flags & FlatBorder)
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setPlainText(QString::fromLatin1(c.caption));
    if (c.back != Paint::Default)
        paintBackground(box, c.back, QPalette::Base);
    paintText(box, c.fore, QPalette::Text);
    box->setTabChangesFocus(true);
    return box;
}

QWidget *makeButton(const Control &c, QWidget *parent) {
    auto *button = new QPushButton(QString::fromLatin1(c.caption), parent);
    button->setAutoDefault(false);
    button->setDefault(c.flags & DefaultButton);
    return button;
}

// The coin picture inside the program, decoded once for all its picture boxes.
QPixmap coinPicture(qreal devicePixelRatio) {
    static std::map<qreal, QPixmap> decoded;
    auto it = decoded.find(devicePixelRatio);
    if (it == decoded.end())
        it = decoded
                 .emplace(devicePixelRatio,
                          loadPicture(QStringLiteral(":/hexacle/coin.png"), devicePixelRatio))
                 .first;
    return it->second;
}

QWidget *makePicture(const Control &c, QWidget *parent) {
    auto *picture = new QLabel(parent);
    if (c.flags & CoinPicture) {
        picture->setPixmap(coinPicture(picture->devicePixelRatioF()));
        picture->setAccessibleName(QStringLiteral("coin"));
    }
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (c.back != Paint::Default)
        paintBackground(picture, c.back, QPalette::Window);
    return picture;
}

QWidget *makeLine(const Control &c, QWidget *parent) {
    auto *line = new QWidget(parent);
    paintBackground(line, c.fore == Paint::Default ? Paint::Black : c.fore, QPalette::Window);
    return line;
}

QWidget *makeControl(const Control &c, QWidget *parent) {
    switch (c.kind) {
    case Kind::Frame:
        return makeFrame(c, parent);
    case Kind::Label:
        return makeLabel(c, parent);
    case Kind::TextBox:
        return makeTextBox(c, parent);
    case Kind::Button:
        return makeButton(c, parent);
    case Kind::Picture:
        return makePicture(c, parent);
    case Kind::Line:
        return makeLine(c, parent);
    }
    return nullptr;
}

// Steps the point size down until the caption shows whole in the control.
void fitText(QWidget *widget, const QString &text, bool wrap, const QMargins &inside) {
    const QSize room = widget->size().shrunkBy(inside);
    QFont font = widget->font();
    const qreal smallest = font.pointSizeF() * 0.75;
    while (!textFits(font, room, text, wrap) && font.pointSizeF() - 0.25 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

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

} // namespace

namespace {

QIcon windowIcon() {
    static const QIcon icon(embeddedPicture(QStringLiteral(":/hexacle/coin_icon.png")));
    return icon;
}

bool isTabStop(const Control &c, const QWidget *widget) {
    // Link labels stand in the tab order where their tab index puts them.
    return c.kind == Kind::TextBox || c.kind == Kind::Button ||
           qobject_cast<const LinkLabel *>(widget);
}

// Builds the controls of `form` marked in `part` into `client`.
void buildPart(QWidget *window, QWidget *client, const Form &form, const std::vector<bool> &part) {
    const QFont windowFont = toQFont(form.window.font, QApplication::font());
    std::vector<QWidget *> inFront;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        if (!part[i])
            continue;
        const Control &c = form.controls[i];
        QWidget *parent =
            c.container ? client->findChild<QWidget *>(QString::fromLatin1(c.container)) : client;
        QWidget *widget = makeControl(c, parent);
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
QWidget *chainTabOrder(QWidget *client, const Form &form) {
    std::vector<std::pair<int, QWidget *>> tabStops;
    for (const Control &c : form.controls) {
        QWidget *widget = client->findChild<QWidget *>(QString::fromLatin1(c.name));
        if (widget && isTabStop(c, widget))
            tabStops.emplace_back(c.tab, widget);
    }
    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    return tabStops.empty() ? nullptr : tabStops.front().second;
}

} // namespace

std::vector<bool> controlsBuiltLater(const Form &form, const BuildLater &later) {
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

void buildControls(QWidget *window, QWidget *client, const Form &form, const BuildLater &later) {
    initResources();
    installFontFallbacks();
    const Window &w = form.window;
    window->setWindowTitle(QString::fromLatin1(w.caption));
    window->setWindowIcon(windowIcon());
    window->setFont(toQFont(w.font, QApplication::font()));
    // Every control takes the colours the layout leaves to the system from
    // the window, whatever the desktop's scheme.
    window->setPalette(lightScheme());
    paintBackground(client, w.background, QPalette::Window);

    std::vector<bool> now = controlsBuiltLater(form, later);
    now.flip();
    buildPart(window, client, form, now);
    if (QWidget *first = chainTabOrder(client, form))
        first->setFocus(Qt::OtherFocusReason);
}

void buildLaterControls(QWidget *window, QWidget *client, const Form &form,
                        const BuildLater &later) {
    buildPart(window, client, form, controlsBuiltLater(form, later));
    chainTabOrder(client, form);
}

void buildMenus(QMenuBar *bar, const Form &form) {
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
    }
}

void showText(QPlainTextEdit *box, const QString &text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setPlainText(lines);
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

} // namespace hexacle::layout
