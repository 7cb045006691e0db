// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormBuilder.h"

#include "AnimatedPicture.h"
#include "Pictures.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
void setPaint(QWidget *widget, QPalette::ColorRole role, Paint paint)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colourOf(paint));
    widget->setPalette(palette);
}

void setSpokenName(QWidget *widget, const char *name)
{
    if (name)
        widget->setAccessibleName(QString::fromLatin1(name));
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

FormBuilder::FormBuilder(QWidget *form, const Layout::Window &window, const QString &pictureFolder)
    : m_form(form)
    , m_pictureFolder(pictureFolder)
{
    form->setObjectName(QString::fromLatin1(window.name));
    form->setWindowTitle(QString::fromLatin1(window.title));
    if (window.width > 0) // a window of no size of its own is given one by its screen
        form->setFixedSize(twips::toPx(window.width), twips::toPx(window.height));
    setPaint(form, QPalette::Window, window.background);
    form->setAutoFillBackground(true);
}

template <typename W> W *FormBuilder::place(W *widget, const char *name, const TwipsRect &place)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(pixels(place));
    return widget;
}

namespace {
template <typename L> L *style(L *label, const Layout::Label &layout)
{
    const LabelLook &look = layout.look;
    const QString text = QString::fromLatin1(layout.text);
    label->setFont(boldFont(look.face, look.points, look.italic));
    label->setAlignment(look.align | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(look.wrap);
    label->setFill(look.fill);
    label->setBorder(look.border);
    const bool darkText = look.fill == Paint::None || look.fill == Paint::Yellow;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, darkText ? Qt::black : Qt::white);
    label->setPalette(palette);
    label->setText(text);
    // Read as one line, without the breaks that place the text on screen.
    if (text != text.simplified())
        label->setAccessibleName(text.simplified());
    return label;
}
} // namespace

PlainLabel *FormBuilder::label(const Layout::Label &label)
{
    return style(place(new PlainLabel(m_form), label.name, label.place), label);
}

KeyLabel *FormBuilder::key(const Layout::Label &key)
{
    return style(place(new KeyLabel(m_form), key.name, key.place), key);
}

QLabel *FormBuilder::picture(const Layout::Picture &picture)
{
    auto *shown = place(new QLabel(m_form), picture.name, picture.place);
    shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (picture.file) {
        const QPixmap pixmap
            = Pictures::loadFor(QDir(m_pictureFolder).filePath(QString::fromLatin1(picture.file)), shown);
        if (!pixmap.isNull())
            shown->setPixmap(pixmap);
    }
    setSpokenName(shown, picture.spokenName);
    return shown;
}

AnimatedPicture *FormBuilder::animation(const Layout::Picture &picture)
{
    auto *shown = place(new AnimatedPicture(m_form), picture.name, picture.place);
    shown->setPath(QDir(m_pictureFolder).filePath(QString::fromLatin1(picture.file)));
    setSpokenName(shown, picture.spokenName);
    return shown;
}

QPushButton *FormBuilder::button(const Layout::Button &button)
{
    auto *made = place(new QPushButton(QString::fromLatin1(button.text), m_form), button.name, button.place);
    made->setFont(boldFont(Face::SansSerif, button.points));
    return made;
}

QListWidget *FormBuilder::list(const Layout::List &list)
{
    auto *made = place(new QListWidget(m_form), list.name, list.place);
    made->setFont(boldFont(Face::SansSerif, list.points));
    QPalette palette = made->palette();
    palette.setColor(QPalette::Base, colourOf(list.background));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    made->setPalette(palette);
    made->setFrameStyle(QFrame::Box | QFrame::Plain);
    made->setLineWidth(1);
    made->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    made->setUniformItemSizes(true); // one line of one font each: laid out without measuring every item
    setSpokenName(made, list.spokenName);
    return made;
}

QGroupBox *FormBuilder::frame(const Layout::Frame &frame)
{
    auto *made = place(new QGroupBox(m_form), frame.name, frame.place);
    made->setFont(boldFont(Face::SansSerif, SmallPoints)); // before the title, which measures it
    made->setTitle(QString::fromLatin1(frame.caption));
    setPaint(made, QPalette::Window, Paint::Yellow);
    made->setAutoFillBackground(true);
    return made;
}

QRadioButton *FormBuilder::option(QGroupBox *frame, const Layout::Choice &option)
{
    // In the frame's face, which it passes on.
    auto *made = place(new QRadioButton(QString::fromLatin1(option.caption), frame), option.name, option.place);
    // Tab comes into a frame on its chosen option and leaves it from there;
    // the arrow keys move between the options.
    made->setFocusPolicy(Qt::ClickFocus);
    QObject::connect(made, &QRadioButton::toggled, made,
        [made](bool chosen) { made->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus); });
    return made;
}

QCheckBox *FormBuilder::checkBox(QGroupBox *frame, const Layout::Choice &box)
{
    return place(new QCheckBox(QString::fromLatin1(box.caption), frame), box.name, box.place); // in the frame's face
}

ShapeWidget *FormBuilder::shape(const Layout::Shape &shape)
{
    return place(new ShapeWidget(shape.kind, shape.fill, m_form), shape.name, shape.place);
}

QLineEdit *FormBuilder::textBox(const Layout::TextBox &box)
{
    auto *made = place(new QLineEdit(m_form), box.name, box.place);
    made->setFont(boldFont(Face::SansSerif, box.points));
    made->setMaxLength(box.maxLength);
    setSpokenName(made, box.spokenName);
    return made;
}

QPlainTextEdit *FormBuilder::textArea(const Layout::TextBox &box)
{
    auto *made = place(new QPlainTextEdit(m_form), box.name, box.place);
    made->setFont(boldFont(Face::SansSerif, box.points));
    made->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    made->setLineWrapMode(QPlainTextEdit::NoWrap);
    setSpokenName(made, box.spokenName);
    return made;
}
