#pragma once
#include <QColor>
#include <QWidget>

// A filled figure with a black outline, drawn in its rectangle: the keypad
// panel (rounded rectangle), the equation bar (rectangle) and the power lamp
// (circle). It takes no input and no focus.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle, Circle };

    ShapeWidget(Kind kind, const QColor &fill, QWidget *parent = nullptr);
    Kind kind() const { return m_kind; }
    QColor fill() const { return m_fill; }
    void setFill(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_fill;
};
