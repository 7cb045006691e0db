// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RulesScreen.h"

#include "FormBuilder.h"
#include "RulesLayout.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace RulesLayout;

RulesScreen::RulesScreen(QWidget *parent)
    : Screen(parent, Qt::Window | Qt::FramelessWindowHint)
{
    FormBuilder form(this, Form);
    // Typing into the text changes nothing beyond the open screen.
    form.textArea(Text)->setPlainText(rulesText());
    // cmdClose_Click
    connect(form.button(Close), &QPushButton::clicked, this, &QWidget::close);
}

QString RulesScreen::rulesText()
{
    // The text is compiled into this library; a static library registers it on request.
    Q_INIT_RESOURCE(app);
    QFile file(QStringLiteral(":/tempozap/rules.txt"));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    return QString::fromUtf8(file.readAll());
}
