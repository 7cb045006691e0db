#pragma once
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>

// Screen geometry is laid out in twips: 15 twips make one pixel.
namespace twips {
constexpr int toPx(int t)
{
    return t >= 0 ? (t * 2 + 15) / 30 : -((-t * 2 + 15) / 30);
}
constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}
constexpr QSize size(int width, int height)
{
    return QSize(toPx(width), toPx(height));
}
}

// The two faces the screens use. Both are bold; sizes are in points at 96 dots
// per inch, given to Qt as pixel sizes so the layout does not depend on the
// screen's reported resolution.
enum class Face { SansSerif, Arial };
QFont boldFont(Face face, qreal points, bool italic = false);

namespace colours {
inline const QColor yellow{255, 255, 0};
inline const QColor red{255, 0, 0};
inline const QColor green{0, 255, 0};
inline const QColor blue{0, 0, 255};
inline const QColor teal{0, 192, 192};
inline const QColor cyan{0, 255, 255};
inline const QColor grey{128, 128, 128};
inline const QColor darkGrey{64, 64, 64};
}

// A label that is either transparent (draws only its text) or opaque (fills
// its rectangle first), optionally with a one-pixel black border, and that
// reports a click (press and release over it). Readable by screen readers
// as a label whose name is its text.
class PlainLabel : public QLabel {
    Q_OBJECT
public:
    explicit PlainLabel(QWidget *parent = nullptr);
    void setFill(const QColor &colour); // invalid colour: transparent
    QColor fill() const { return m_fill; }
    void setBorder(bool on);
    bool hasBorder() const { return m_border; }
    void setTextColour(const QColor &colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_fill;
    bool m_border = false;
    bool m_pressed = false;
};

struct LabelLook {
    Face face = Face::SansSerif;
    qreal points = 8.25;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    QColor fill;                  // invalid: transparent
    QColor text = Qt::black;
    bool border = false;
    bool italic = false;
};

// Makes a named label at a place given in twips.
PlainLabel *makeLabel(QWidget *parent, const char *name, const QRect &twipsRect,
                      const QString &text, const LabelLook &look);

// Fixes a top-level window's client size (given in twips) and background colour.
void setFixedClient(QWidget *window, int widthTwips, int heightTwips, const QColor &background);

// Centres a top-level window on the screen it will appear on.
void centreOnScreen(QWidget *window);
