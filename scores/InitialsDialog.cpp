// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InitialsDialog.h"

#include "FormBuilder.h"
#include "InitialsLayout.h"
#include "MessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

using namespace InitialsLayout;

namespace {
// Every route into the box (keys, paste, input methods) passes here, so the
// box only ever holds upper-case characters of one byte each.
class UpperCaseInitials final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return InitialsDialog::toInitials(input) ? Acceptable : Invalid;
    }
};
} // namespace

InitialsDialog::InitialsDialog(MessageBoxes &messages, QWidget *parent)
    : Screen(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint
            | Qt::WindowCloseButtonHint)
    , m_messages(messages)
{
    FormBuilder form(this, Form);
    form.label(Qualified);
    PlainLabel *prompt = form.label(Prompt);
    m_initials = form.textBox(Initials);
    prompt->setBuddy(m_initials);
    m_initials->setValidator(new UpperCaseInitials(m_initials));
    connect(form.button(Ok), &QPushButton::clicked, this, &InitialsDialog::onOkClicked);
    connect(m_initials, &QLineEdit::returnPressed, this, &InitialsDialog::onOkClicked); // Enter in the box is OK
    connect(form.button(Cancel), &QPushButton::clicked, this, &QWidget::close); // CancelButton_Click
    m_initials->setFocus(); // the player types first, then confirms
}

bool InitialsDialog::toInitials(QString &typed)
{
    for (QChar &c : typed) {
        const QChar upper = c.toUpper();
        if (upper.unicode() > 0xFF)
            return false;
        c = upper;
    }
    return true;
}

// OKButton_Click
void InitialsDialog::onOkClicked()
{
    const QString initials = m_initials->text();
    if (initials.isEmpty()) {
        m_messages.ask(this, QStringLiteral("Initials must be entered!\nplease retry."), QStringLiteral("Tempozap"),
            MsgButtons::Ok, MsgIcon::Exclamation);
        m_initials->setFocus(); // to retry at once
        return;
    }
    emit initialsEntered(initials);
    close();
}
