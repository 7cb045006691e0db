// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RulesScreen.h"

#include "FormBuilder.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

RulesScreen::RulesScreen(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmRules"));
    setWindowTitle(QStringLiteral("Tempozap - Rules"));
    FormBuilder form(this);
    form.setClient(10170, 8175, Paint::Red);

    // Typing into the text changes nothing beyond the open screen.
    auto *text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setGeometry(twips::toPx(TwipsRect{360, 1200, 9495, 6615}));
    text->setFont(boldFont(Face::SansSerif, 9.75));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(rulesText());
    text->setAccessibleName(QStringLiteral("Instructions and Game Play"));

    QPushButton *close = form.button("cmdClose", {4358, 195, 1215, 495}, QStringLiteral("CLOSE"), 12);
    // cmdClose_Click
    connect(close, &QPushButton::clicked, this, [this] {
        emit closed();
        this->close();
    });
    setTabOrder(text, close);
    centreOnScreen(this);
}

QString RulesScreen::rulesText()
{
    // The text is compiled into this library; a static library registers it on request.
    Q_INIT_RESOURCE(app);
    QFile file(QStringLiteral(":/tempozap/rules.txt"));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    return QString::fromUtf8(file.readAll());
}
