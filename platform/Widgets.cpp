// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Widgets.h"

#include <QMouseEvent>
#include <QPainter>

QColor colourOf(Paint paint)
{
    switch (paint) {
    case Paint::None: return {};
    case Paint::Yellow: return {255, 255, 0};
    case Paint::Red: return {255, 0, 0};
    case Paint::Green: return {0, 255, 0};
    case Paint::Blue: return {0, 0, 255};
    case Paint::Teal: return {0, 192, 192};
    case Paint::Cyan: return {0, 255, 255};
    case Paint::Grey: return {128, 128, 128};
    case Paint::DarkGrey: return {64, 64, 64};
    }
    return {};
}

PlainLabel::PlainLabel(QWidget *parent)
    : QLabel(parent)
{
}

void PlainLabel::setFill(Paint fill)
{
    m_fill = fill;
    update();
}

void PlainLabel::setBorder(bool on)
{
    m_border = on;
    update();
}

void PlainLabel::paintEvent(QPaintEvent *event)
{
    if (m_fill != Paint::None || m_border) {
        QPainter painter(this);
        if (m_fill != Paint::None)
            painter.fillRect(rect(), colourOf(m_fill));
        if (m_border) {
            painter.setPen(Qt::black);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    QLabel::paintEvent(event);
}

KeyLabel::KeyLabel(QWidget *parent)
    : PlainLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void KeyLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void KeyLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ShapeWidget::ShapeWidget(Kind kind, Paint fill, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::setFill(Paint fill)
{
    m_fill = fill;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(colourOf(m_fill));
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_kind) {
    case Kind::Rectangle: painter.drawRect(box); break;
    case Kind::RoundedRectangle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(box, 8, 8);
        break;
    case Kind::Circle: {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal side = qMin(box.width(), box.height());
        painter.drawEllipse(QRectF(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side)));
        break;
    }
    }
}
