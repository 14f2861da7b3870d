// SPDX-License-Identifier: MIT

#pragma once

// Windows are described by tables in twips, as their designers laid them out,
// and built from those tables by one mechanism. Twips become logical pixels in
// exactly one place: toPixels().

#include <QLabel>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <span>
#include <vector>

class QAction;
class QCursor;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QFont;
class QMenuBar;
class QPixmap;
class QPlainTextEdit;
class QString;
class QWidget;

namespace hexacle::layout {

constexpr int kTwipsPerPixel = 15;

int toPixels(int twips);
QRect toPixels(int left, int top, int width, int height);

enum class Kind { Frame, Label, TextBox, Button, Picture, Line };

enum class Paint {
    Default, // the platform's colour for the control's kind
    DarkOlive,
    White,
    Blue,
    LightPeach,
    LightYellow,
    Black,
    SystemWindow,        // the scheme's window (text-entry) background
    SystemHighlightText, // the scheme's highlighted-text colour
};

struct Font {
    const char *family = nullptr; // nullptr: the window's font
    double points = 0;
    int weight = 400; // 400 regular, 700 bold, 900 heavy
    bool underline = false;
};

enum Flag : unsigned {
    MultiLine = 1u << 0,
    VScroll = 1u << 1,
    ReadOnly = 1u << 2,
    Centred = 1u << 3,
    WordWrap = 1u << 4,
    Transparent = 1u << 5,
    AutoSize = 1u << 6,   // sized to its text or picture
    HandColour = 1u << 7, // pointers over link labels
    HandMono = 1u << 8,
    DefaultButton = 1u << 9,
    CancelButton = 1u << 10,
    NoBorder = 1u << 11,
    FlatBorder = 1u << 12,
    InFront = 1u << 13, // in front of siblings sharing its place
    CoinPicture = 1u << 14,
    // The caption must show whole inside the rectangle: where the font at hand
    // is wider than the one the window was designed with, the size steps down
    // (same family) until it does.
    FitText = 1u << 15,
};

struct Control {
    const char *name; // object name; members of a group carry "_index"
    Kind kind;
    const char *container; // nullptr: the window's client area
    int left, top, width, height;
    const char *caption = "";
    Font font = {};
    Paint fore = Paint::Default;
    Paint back = Paint::Default;
    unsigned flags = 0;
    int tab = -1;
    const char *tag = nullptr; // an attribute no handler reads, kept as property "tag"
    // What a screen reader calls the control where nothing visible names it
    // (a text box's heading stands apart from it).
    const char *accessibleName = nullptr;
};

struct MenuItem {
    const char *name;
    const char *caption; // "-" is a separator
    const char *parent;  // nullptr: on the menu bar
    bool enabled = true;
    bool visible = true;
};

struct Window {
    const char *caption;
    int clientWidth, clientHeight;
    Font font;
    Paint background;
};

struct Form {
    Window window;
    std::span<const Control> controls;
    std::span<const MenuItem> menus;
};

// Verdana, Arial Black and MS Sans Serif fall back to close Linux families.
void installFontFallbacks();

QFont toQFont(const Font &font, const QFont &windowFont);

// A label shows "&&" as one ampersand and drops a lone one (labels have no
// access keys).
QString labelText(const char *caption);

// A label that reacts to the mouse and the keyboard: the link labels (those
// with a hand pointer) are built as these, and report a click, or Enter or
// Space while they have the focus, as `clicked`. Tab reaches them, and they
// show when they have the focus; screen readers see them as links. Their
// plain text is drawn as a plain label draws it: give it here or through
// LinkLabel::setText, as QLabel lays out the text of a label that takes the
// focus through a text document of its own, at several times the cost.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text = {}, QWidget *parent = nullptr);

    void setText(const QString &text);

    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed_ = false;
};

// Raises `widget` above its siblings. Of link labels sharing one place only
// the one in front can be seen, so only that one takes the keyboard focus.
void bringToFront(QWidget *widget);

// A picture for a widget on a screen of `devicePixelRatio`: beside "x.gif" a
// drawing twice the size may stand as "x@2x.gif", taken where the screen has
// the pixels for it. It only sharpens the plain picture: null when the plain
// file is missing or cannot be read whole, at every ratio; the plain picture
// when the larger drawing is missing or cannot be read.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio);

// The hand pointers; their hot spot is the tip of the index finger.
QCursor colourHandPointer();
QCursor monoHandPointer();

// Whether `text` shows whole in a `size` box in `font`, the way a label draws
// it (top-aligned, wrapped at word boundaries when `wrap`).
bool textFits(const QFont &font, const QSize &size, const QString &text, bool wrap);

// Controls for which this holds (and the controls inside such frames) are
// built only when buildLaterControls() is called; the first control in Tab
// order must not be among them.
using BuildLater = std::function<bool(const Control &)>;

// Which controls of `form` wait for buildLaterControls(), in layout order.
std::vector<bool> controlsBuiltLater(const Form &form, const BuildLater &later);

// Applies the window-level settings (caption, font, background, icon) and
// builds the controls into `client`, the area below any menu bar, all but
// those `later` picks. The focus goes to the first control in Tab order.
void buildControls(QWidget *window, QWidget *client, const Form &form,
                   const BuildLater &later = {});
// Builds the controls buildControls() left out, and chains them into the Tab
// order with the others, as if all had been built at once.
void buildLaterControls(QWidget *window, QWidget *client, const Form &form,
                        const BuildLater &later);
void buildMenus(QMenuBar *bar, const Form &form);

// Multi-line texts separate lines with "\r\n"; a text box shows them as lines.
void showText(QPlainTextEdit *box, const QString &text);

// The outer frame of a window in twips, with the range its client area (below
// the menu bar) must keep: decorations differ between window managers and may
// be absent, and the band that must show, or must not, is what matters.
struct OuterGeometry {
    int left, top, width, height;
    int minClient, maxClient;
};

struct Placement {
    QPoint framePosition;
    QSize windowSize; // without decorations, menu bar included
};

Placement place(const OuterGeometry &outer, const QMargins &decorations, int menuBarHeight);

} // namespace hexacle::layout
