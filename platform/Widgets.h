// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Layout.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

QColor colourOf(Paint paint);

// A label that is either transparent (draws only its text) or opaque (fills
// its rectangle first), optionally with a one-pixel black border. Screen
// readers read it as a label whose name is its text.
class PlainLabel : public QLabel {
    Q_OBJECT
public:
    explicit PlainLabel(QWidget *parent = nullptr);
    void setFill(Paint fill);
    void setBorder(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Paint m_fill = Paint::None;
    bool m_border = false;
};

// A label that works as a key: a press and release of the left button over
// it is a click. It never takes the keyboard focus; screen readers see a
// push button they can press (see Accessibility).
class KeyLabel : public PlainLabel {
    Q_OBJECT
public:
    explicit KeyLabel(QWidget *parent = nullptr);
    // What a click does, without the mouse (a screen reader's press).
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A filled figure with a black outline, drawn in its rectangle. It takes no
// input and no focus.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    using Kind = Layout::ShapeKind;

    ShapeWidget(Kind kind, Paint fill, QWidget *parent = nullptr);
    Paint fill() const { return m_fill; }
    void setFill(Paint fill);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    Paint m_fill;
};
