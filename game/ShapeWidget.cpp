#include "ShapeWidget.h"

#include <QPainter>

ShapeWidget::ShapeWidget(Kind kind, const QColor &fill, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::setFill(const QColor &colour)
{
    if (colour == m_fill)
        return;
    m_fill = colour;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_fill);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_kind) {
    case Kind::Rectangle:
        painter.drawRect(box);
        break;
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
