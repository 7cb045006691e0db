// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormBuilder.h"

#include "Pictures.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename L> L *style(L *label, const QString &text, const LabelLook &look)
{
    label->setFont(boldFont(look.face, look.points, look.italic));
    label->setAlignment(look.align | Qt::AlignTop);
    label->setFill(look.fill);
    label->setBorder(look.border);
    const bool darkText = look.fill == Paint::None || look.fill == Paint::Yellow;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, darkText ? Qt::black : Qt::white);
    label->setPalette(palette);
    label->setText(text);
    // Read without the spaces that place the text on screen.
    if (text != text.simplified())
        label->setAccessibleName(text.simplified());
    return label;
}

void setPaint(QWidget *widget, QPalette::ColorRole role, Paint paint)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colourOf(paint));
    widget->setPalette(palette);
}
} // namespace

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

FormBuilder::FormBuilder(QWidget *form, const QString &pictureFolder)
    : m_form(form)
    , m_pictureFolder(pictureFolder)
{
}

void FormBuilder::setClient(int widthTwips, int heightTwips, Paint background)
{
    m_form->setFixedSize(twips::toPx(widthTwips), twips::toPx(heightTwips));
    setPaint(m_form, QPalette::Window, background);
    m_form->setAutoFillBackground(true);
}

template <typename W> W *FormBuilder::place(W *widget, const char *name, const TwipsRect &place)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twips::toPx(place));
    return widget;
}

PlainLabel *FormBuilder::label(
    const char *name, const TwipsRect &where, const QString &text, const LabelLook &look, QWidget *parent)
{
    return style(place(new PlainLabel(parent ? parent : m_form), name, where), text, look);
}

KeyLabel *FormBuilder::key(const char *name, const TwipsRect &where, const QString &text, const LabelLook &look)
{
    return style(place(new KeyLabel(m_form), name, where), text, look);
}

QLabel *FormBuilder::picture(const char *name, const TwipsRect &where, const QString &file, const QString &spokenName)
{
    auto *picture = place(new QLabel(m_form), name, where);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap pixmap
        = file.isEmpty() ? QPixmap() : Pictures::loadFor(QDir(m_pictureFolder).filePath(file), picture);
    if (!pixmap.isNull())
        picture->setPixmap(pixmap);
    if (!spokenName.isEmpty())
        picture->setAccessibleName(spokenName);
    return picture;
}

QPushButton *FormBuilder::button(
    const char *name, const TwipsRect &where, const QString &text, qreal points, QWidget *parent)
{
    auto *button = place(new QPushButton(text, parent ? parent : m_form), name, where);
    button->setFont(boldFont(Face::SansSerif, points));
    return button;
}

QListWidget *FormBuilder::list(const char *name, const TwipsRect &where, Paint background, qreal points)
{
    auto *list = place(new QListWidget(m_form), name, where);
    list->setFont(boldFont(Face::SansSerif, points));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, colourOf(background));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    list->setPalette(palette);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true); // one line of one font each: laid out without measuring every item
    return list;
}

QGroupBox *FormBuilder::frame(const char *name, const TwipsRect &where, const QString &caption, Paint background)
{
    auto *frame = place(new QGroupBox(m_form), name, where);
    frame->setFont(boldFont(Face::SansSerif, 8.25)); // before the title, which measures it
    frame->setTitle(caption);
    setPaint(frame, QPalette::Window, background);
    frame->setAutoFillBackground(true);
    return frame;
}

QRadioButton *FormBuilder::option(QGroupBox *frame, const char *name, const TwipsRect &where, const QString &caption)
{
    auto *option = place(new QRadioButton(caption, frame), name, where);
    option->setFont(boldFont(Face::SansSerif, 8.25));
    // Tab comes into a frame on its chosen option and leaves it from there;
    // the arrow keys move between the options.
    option->setFocusPolicy(Qt::ClickFocus);
    QObject::connect(option, &QRadioButton::toggled, option,
        [option](bool chosen) { option->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus); });
    return option;
}

QCheckBox *FormBuilder::checkBox(QGroupBox *frame, const char *name, const TwipsRect &where, const QString &caption)
{
    auto *box = place(new QCheckBox(caption, frame), name, where);
    box->setFont(boldFont(Face::SansSerif, 8.25));
    return box;
}

ShapeWidget *FormBuilder::shape(const char *name, const TwipsRect &where, ShapeWidget::Kind kind, Paint fill)
{
    return place(new ShapeWidget(kind, fill, m_form), name, where);
}
