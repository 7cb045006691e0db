// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InitialsDialog.h"

#include "FormBuilder.h"
#include "MessageBoxes.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

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
    : QWidget(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint
            | Qt::WindowCloseButtonHint)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("frmInitials"));
    setWindowTitle(QStringLiteral("CONGRATULATIONS !"));
    FormBuilder form(this);
    form.setClient(6465, 2355, Paint::Cyan);

    LabelLook look;
    look.points = 9.75;
    form.label("Label1", {240, 120, 4335, 375}, QStringLiteral("You qualify for the Top Ten Scores list. "), look)
        ->setTextFormat(Qt::PlainText);
    PlainLabel *prompt = form.label("Label2", {240, 600, 4455, 615},
        QStringLiteral("Enter your initials below and click \"OK\" to"
                       "                    "
                       "add your score to the list !"),
        look);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);

    m_initials = new QLineEdit(this);
    m_initials->setObjectName(QStringLiteral("Text1"));
    m_initials->setGeometry(twips::toPx(TwipsRect{2280, 1320, 1215, 555}));
    m_initials->setFont(boldFont(Face::SansSerif, 24));
    m_initials->setMaxLength(3);
    m_initials->setValidator(new UpperCaseInitials(m_initials));
    // The box is named by its prompt.
    prompt->setBuddy(m_initials);
    m_initials->setAccessibleName(prompt->text().simplified());

    QPushButton *ok = form.button("OKButton", {5040, 120, 1215, 375}, QStringLiteral("OK"), 9.75);
    QPushButton *cancel = form.button("CancelButton", {5040, 600, 1215, 375}, QStringLiteral("Cancel"), 9.75);
    connect(ok, &QPushButton::clicked, this, &InitialsDialog::onOkClicked);
    connect(m_initials, &QLineEdit::returnPressed, this, &InitialsDialog::onOkClicked); // Enter in the box is OK
    connect(cancel, &QPushButton::clicked, this, &InitialsDialog::onCancelClicked);

    // The player types first, then confirms.
    setTabOrder(m_initials, ok);
    setTabOrder(ok, cancel);
    m_initials->setFocus();
    centreOnScreen(this);
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
        m_messages.ask(this, QStringLiteral("Initials must be entered!\r\nplease retry."), QStringLiteral("Tempozap"),
            MsgButtons::Ok, MsgIcon::Exclamation);
        m_initials->setFocus(); // to retry at once
        return;
    }
    emit initialsEntered(initials);
    leave();
}

// CancelButton_Click
void InitialsDialog::onCancelClicked()
{
    leave();
}

void InitialsDialog::leave()
{
    if (m_left)
        return;
    m_left = true;
    emit closed();
    close();
}

void InitialsDialog::closeEvent(QCloseEvent *event)
{
    // Closed from the title bar: the score is not recorded, as with Cancel.
    if (event->spontaneous() && !m_left) {
        m_left = true;
        emit closed();
    }
    QWidget::closeEvent(event);
}
