// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResetScreen.h"

#include "FormBuilder.h"
#include "MessageBoxes.h"
#include "ResetLayout.h"
#include "ScoreStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

using namespace ResetLayout;

namespace {
const QString Title = QStringLiteral("Reset to Zero");

// "Division Novice" ...
QString nameOf(const GameChoice &choice)
{
    for (const Game &game : Games) {
        for (const Box &box : game.boxes) {
            if (box.list == choice)
                return QString::fromLatin1(game.frame.caption) + QLatin1Char(' ') + QString::fromLatin1(box.box.caption);
        }
    }
    return QString();
}
} // namespace

ResetScreen::ResetScreen(const ScoreStore &store, MessageBoxes &messages, QWidget *parent)
    : Screen(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_store(store)
    , m_messages(messages)
{
    FormBuilder form(this, Form);
    form.label(Text);
    for (std::size_t g = 0; g < Games.size(); ++g) {
        QGroupBox *frame = form.frame(Games[g].frame);
        for (std::size_t b = 0; b < Games[g].boxes.size(); ++b)
            m_boxes[g][b] = form.checkBox(frame, Games[g].boxes[b].box);
    }
    connect(form.button(Reset), &QPushButton::clicked, this, &ResetScreen::onResetClicked);
    connect(form.button(Cancel), &QPushButton::clicked, this, &QWidget::close); // cmdCancel_Click
}

// cmdReset_Click: the chosen lists are reset division first, then multiplication.
void ResetScreen::onResetClicked()
{
    QList<GameChoice> chosen;
    for (std::size_t g = Games.size(); g-- > 0;) {
        for (std::size_t b = 0; b < Games[g].boxes.size(); ++b) {
            if (m_boxes[g][b]->isChecked())
                chosen.append(Games[g].boxes[b].list);
        }
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
        m_messages.ask(this, QStringLiteral("These lists could not be reset:\n") + names.join(QLatin1Char('\n')), Title,
            MsgButtons::Ok, MsgIcon::Exclamation);
    }
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
