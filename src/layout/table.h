// SPDX-License-Identifier: MIT

#pragma once

// The table types that describe a window as its designer laid it out: each
// control's place in twips, its looks, its place in the Tab order and the web
// page it opens. Windows hold their layouts as constant tables of these;
// layout/build.h builds a window from one.

#include "web/pages.h"

#include <optional>
#include <span>

namespace hexacle::layout {

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

// The web page a control or menu item opens when clicked or chosen, if any.
using Opens = std::optional<Page>;
inline constexpr Opens NoPage = std::nullopt;

struct Control {
    const char *name; // object name; members of a group carry "_index"
    Kind kind;
    const char *container; // nullptr: the window's client area
    int left, top, width, height;
    Opens opens;
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
    Opens opens = NoPage;
    bool enabled = true;
    bool visible = true;
};

struct Window {
    const char *caption;
    int clientWidth, clientHeight;
    Font font;
    Paint background;
};

// One window's whole layout.
struct FormLayout {
    Window window;
    std::span<const Control> controls;
    std::span<const MenuItem> menus;
};

// The outer frame of a window in twips, with the range its client area (below
// the menu bar) must keep: decorations differ between window managers and may
// be absent, and the band that must show, or must not, is what matters.
struct OuterGeometry {
    int left, top, width, height;
    int minClient, maxClient;
};

} // namespace hexacle::layout
