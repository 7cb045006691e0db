// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResetScreen.h"

#include "FormBuilder.h"
#include "GameChoice.h"
#include "MessageBoxes.h"
#include "ScoreStore.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

namespace {
using Operation = GameChoice::Operation;
using Level = GameChoice::Level;

const QString Title = QStringLiteral("Reset to Zero");

// The six boxes, in the order their lists are reset.
struct Box {
    const char *name;
    GameChoice choice;
    int top; // in its frame
    const char *caption;
};
constexpr Box Boxes[] = {
    {"chkDN", {Operation::Division, Level::Novice}, 360, "Novice"},
    {"chkDI", {Operation::Division, Level::Intermediate}, 780, "Intermediate"},
    {"chkDE", {Operation::Division, Level::Expert}, 1200, "Expert"},
    {"chkMN", {Operation::Multiplication, Level::Novice}, 360, "Novice"},
    {"chkMI", {Operation::Multiplication, Level::Intermediate}, 780, "Intermediate"},
    {"chkME", {Operation::Multiplication, Level::Expert}, 1200, "Expert"},
};

// "Division Novice" ...
QString nameOf(const GameChoice &choice)
{
    const char *operation = choice.operation() == Operation::Multiplication ? "Multiplication" : "Division";
    for (const Box &box : Boxes) {
        if (box.choice == choice)
            return QString::fromLatin1(operation) + QLatin1Char(' ') + QString::fromLatin1(box.caption);
    }
    return QString();
}
} // namespace

ResetScreen::ResetScreen(const ScoreStore &store, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_store(store)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("frmReset"));
    setWindowTitle(QStringLiteral("Tempozap"));
    FormBuilder form(this);
    form.setClient(7020, 3615, Paint::Yellow);

    LabelLook look;
    look.points = 12;
    PlainLabel *text = form.label("Label1", {240, 120, 3135, 2295},
        QStringLiteral("Use this form to reset Top Ten Scorers' lists to zero. "
                       "Choose Game/s and Level/s and click \"Reset\" button. "),
        look);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);

    QGroupBox *multiplication
        = form.frame("Frame1", {4440, 120, 2295, 1575}, QStringLiteral("Multiplication"), Paint::Yellow);
    QGroupBox *division = form.frame("Frame2", {4440, 1920, 2295, 1575}, QStringLiteral("Division"), Paint::Yellow);
    for (int i : {3, 4, 5, 0, 1, 2}) { // the multiplication frame's boxes come first in the tab order
        const Box &box = Boxes[i];
        QGroupBox *frame = box.choice.operation() == Operation::Multiplication ? multiplication : division;
        form.checkBox(frame, box.name, {120, box.top, 1815, 255}, QString::fromLatin1(box.caption));
    }

    QPushButton *reset = form.button("cmdReset", {480, 2640, 1215, 495}, QStringLiteral("Reset"), 9.75);
    QPushButton *cancel = form.button("cmdCancel", {1920, 2640, 1215, 495}, QStringLiteral("Cancel"), 9.75);
    connect(reset, &QPushButton::clicked, this, &ResetScreen::onResetClicked);
    connect(cancel, &QPushButton::clicked, this, &ResetScreen::leave);
    centreOnScreen(this);
}

// cmdReset_Click
void ResetScreen::onResetClicked()
{
    QList<GameChoice> chosen;
    for (const Box &box : Boxes) {
        if (findChild<QCheckBox *>(QString::fromLatin1(box.name))->isChecked())
            chosen.append(box.choice);
    }
    if (chosen.isEmpty())
        return;
    if (m_messages.ask(this, QStringLiteral("Reset Selected Lists?"), Title, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;

    const QList<GameChoice> failed = m_store.reset(chosen);
    if (!failed.isEmpty()) {
        QStringList names;
        for (const GameChoice &choice : failed)
            names << nameOf(choice);
        m_messages.ask(this, QStringLiteral("These lists could not be reset:\r\n") + names.join(QStringLiteral("\r\n")),
            Title, MsgButtons::Ok, MsgIcon::Exclamation);
    }
    leave();
}

// cmdCancel_Click, and the end of a reset.
void ResetScreen::leave()
{
    if (m_left)
        return;
    m_left = true;
    emit closed();
    close();
}

void ResetScreen::paintEvent(QPaintEvent *event)
{
    // The fixed single-line border of a window without a title bar.
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ResetScreen::closeEvent(QCloseEvent *event)
{
    // Closed by the window system (a key of the desktop can close a window
    // without a title bar): the start screen comes back as with Cancel.
    if (event->spontaneous() && !m_left) {
        m_left = true;
        emit closed();
    }
    QWidget::closeEvent(event);
}
