// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Widgets.h"
#include "WindowRole.h" // centreOnScreen(), which every screen calls

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

// A place on a form in twips (15 twips make one pixel), relative to the
// client area of its window or frame.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

namespace twips {
constexpr int toPx(int t)
{
    return t >= 0 ? (t * 2 + 15) / 30 : -((-t * 2 + 15) / 30);
}
constexpr QRect toPx(const TwipsRect &r)
{
    return QRect(toPx(r.left), toPx(r.top), toPx(r.width), toPx(r.height));
}
} // namespace twips

// The two faces of the forms. Both are bold; sizes are in points at 96 dots
// per inch, given to Qt as pixel sizes so that the layout does not depend on
// the screen's reported resolution.
enum class Face { SansSerif, Arial };
QFont boldFont(Face face, qreal points, bool italic = false);

// How a label looks. An opaque label other than a yellow one carries white
// text; a transparent or yellow one black text. Text sits at the top.
struct LabelLook {
    Face face = Face::SansSerif;
    qreal points = 8.25;
    Qt::Alignment align = Qt::AlignLeft;
    Paint fill = Paint::None;
    bool border = false;
    bool italic = false;
};

// Makes the controls of one form, each named and placed in twips, and the
// form itself: a fixed client size and a background colour. Pictures are
// read from the folder given, in the file drawn for the screen's pixel
// density (see Pictures); one that cannot be read leaves an empty rectangle.
class FormBuilder {
public:
    FormBuilder(QWidget *form, const QString &pictureFolder = QString());

    void setClient(int widthTwips, int heightTwips, Paint background);

    PlainLabel *label(const char *name, const TwipsRect &place, const QString &text, const LabelLook &look,
        QWidget *parent = nullptr);
    QLabel *picture(
        const char *name, const TwipsRect &place, const QString &file, const QString &spokenName = QString());
    QPushButton *button(
        const char *name, const TwipsRect &place, const QString &text, qreal points, QWidget *parent = nullptr);
    QListWidget *list(const char *name, const TwipsRect &place, Paint background, qreal points);
    QGroupBox *frame(const char *name, const TwipsRect &place, const QString &caption, Paint background);
    QRadioButton *option(QGroupBox *frame, const char *name, const TwipsRect &place, const QString &caption);
    QCheckBox *checkBox(QGroupBox *frame, const char *name, const TwipsRect &place, const QString &caption);
    ShapeWidget *shape(const char *name, const TwipsRect &place, ShapeWidget::Kind kind, Paint fill);
    KeyLabel *key(const char *name, const TwipsRect &place, const QString &text, const LabelLook &look);

private:
    template <typename W> W *place(W *widget, const char *name, const TwipsRect &place);

    QWidget *m_form;
    QString m_pictureFolder;
};
