// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <Qt>
#include <QtGlobal>

// The vocabulary of the screens' layout tables: places in twips, the
// program's two faces and its colours, and one record per kind of control.
// Each screen has one header of constexpr tables in these terms; the widget
// factory (FormBuilder) builds the screen from them, and the build writes them
// out as data for the tools that drive or measure the program.

// A place on a form in twips, relative to the client area of its window or frame.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

namespace twips {
inline constexpr int PerPixel = 15; // at 96 dots per inch

// Rounded to the nearest pixel, halves away from zero.
constexpr int toPx(int t)
{
    return t >= 0 ? (t * 2 + PerPixel) / (2 * PerPixel) : -((-t * 2 + PerPixel) / (2 * PerPixel));
}
constexpr int fromPx(int px)
{
    return px * PerPixel;
}
} // namespace twips

// The colours the forms are painted in.
enum class Paint { None, Yellow, Red, Green, Blue, Teal, Cyan, Grey, DarkGrey };

// The program's two faces, both bold; sizes are in points at 96 dots per inch.
enum class Face { SansSerif, Arial };
// The size of the frames, options and check boxes.
inline constexpr qreal SmallPoints = 8.25;

// How a label looks. An opaque label other than a yellow one carries white
// text; a transparent or yellow one black text. Text sits at the top.
struct LabelLook {
    Face face = Face::SansSerif;
    qreal points = SmallPoints;
    Qt::Alignment align = Qt::AlignLeft;
    Paint fill = Paint::None;
    bool border = false;
    bool italic = false;
    bool wrap = false; // breaks its text into lines at spaces and line breaks
};

namespace Layout {

// A top-level window: its name, the title a window list or screen reader
// shows, its fixed client size (none: given by the screen) and its background.
struct Window {
    const char *name;
    const char *title;
    int width, height;
    Paint background;
};

struct Label {
    const char *name;
    TwipsRect place;
    const char *text;
    LabelLook look;
};

struct Button {
    const char *name;
    TwipsRect place;
    const char *text;
    qreal points;
};

// A picture at its natural size, read from a file of the data folder; the
// spoken name is what a screen reader says for it (none: not read).
struct Picture {
    const char *name;
    TwipsRect place;
    const char *file;
    const char *spokenName = nullptr;
};

// A frame with a caption, and an option button or check box inside one
// (placed in the frame).
struct Frame {
    const char *name;
    TwipsRect place;
    const char *caption;
};
struct Choice {
    const char *name;
    TwipsRect place;
    const char *caption;
};

struct List {
    const char *name;
    TwipsRect place;
    Paint background;
    qreal points;
    const char *spokenName;
};

enum class ShapeKind { Rectangle, RoundedRectangle, Circle };
struct Shape {
    const char *name;
    TwipsRect place;
    ShapeKind kind;
    Paint fill;
};

// A single-line box (at most maxLength characters) or, with maxLength 0, a
// multi-line text with a vertical scroll bar.
struct TextBox {
    const char *name;
    TwipsRect place;
    qreal points;
    int maxLength;
    const char *spokenName;
};

} // namespace Layout
