#include "Layout.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

QFont boldFont(Face face, qreal points, bool italic)
{
    // Arial and the classic dialog face both map to an Arial-metric sans
    // face; fontconfig picks Liberation Sans where it is installed.
    QFont font(face == Face::Arial ? QStringLiteral("Arial") : QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

PlainLabel::PlainLabel(QWidget *parent)
    : QLabel(parent)
{
}

void PlainLabel::setFill(const QColor &colour)
{
    m_fill = colour;
    update();
}

void PlainLabel::setBorder(bool on)
{
    m_border = on;
    update();
}

void PlainLabel::setTextColour(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void PlainLabel::paintEvent(QPaintEvent *event)
{
    if (m_fill.isValid() || m_border) {
        QPainter painter(this);
        if (m_fill.isValid())
            painter.fillRect(rect(), m_fill);
        if (m_border) {
            painter.setPen(Qt::black);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    QLabel::paintEvent(event);
}

void PlainLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PlainLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

PlainLabel *makeLabel(QWidget *parent, const char *name, const QRect &twipsRect,
                      const QString &text, const LabelLook &look)
{
    auto *label = new PlainLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twipsRect);
    label->setFont(boldFont(look.face, look.points, look.italic));
    label->setAlignment(look.align);
    label->setWordWrap(false);
    label->setFill(look.fill);
    label->setBorder(look.border);
    label->setTextColour(look.text);
    label->setText(text);
    return label;
}

void setFixedClient(QWidget *window, int widthTwips, int heightTwips, const QColor &background)
{
    window->setFixedSize(twips::size(widthTwips, heightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, background);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}
