// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Layout.h"
#include "Widgets.h"

#include <QFont>
#include <QRect>
#include <QString>

class AnimatedPicture;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// A place in twips as pixels.
constexpr QRect pixels(const TwipsRect &r)
{
    return QRect(twips::toPx(r.left), twips::toPx(r.top), twips::toPx(r.width), twips::toPx(r.height));
}

// One of the program's faces, bold, at a size in points; given to Qt as a
// pixel size so that the layout does not depend on the screen's reported
// resolution.
QFont boldFont(Face face, qreal points, bool italic = false);

// Builds one form from its layout tables: the window itself, then each
// control, named and placed, handed back typed so that the screen keeps it.
// A later control lies over an earlier one; controls that take the focus
// follow each other in the tab order in the order they are made. Pictures are
// read from the folder given, in the file drawn for the screen's pixel density
// (see Pictures); one that cannot be read leaves an empty rectangle.
class FormBuilder {
public:
    FormBuilder(QWidget *form, const Layout::Window &window, const QString &pictureFolder = QString());

    PlainLabel *label(const Layout::Label &label);
    KeyLabel *key(const Layout::Label &key);
    QLabel *picture(const Layout::Picture &picture);
    AnimatedPicture *animation(const Layout::Picture &picture);
    QPushButton *button(const Layout::Button &button);
    QListWidget *list(const Layout::List &list);
    QGroupBox *frame(const Layout::Frame &frame);
    QRadioButton *option(QGroupBox *frame, const Layout::Choice &option);
    QCheckBox *checkBox(QGroupBox *frame, const Layout::Choice &box);
    ShapeWidget *shape(const Layout::Shape &shape);
    QLineEdit *textBox(const Layout::TextBox &box);
    QPlainTextEdit *textArea(const Layout::TextBox &box);

private:
    template <typename W> W *place(W *widget, const char *name, const TwipsRect &place);

    QWidget *m_form;
    QString m_pictureFolder;
};
