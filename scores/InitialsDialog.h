// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Screen.h"

class MessageBoxes;
class QLineEdit;

// The dialog that takes a qualifying player's initials: one to three
// characters, upper case, one byte each. OK hands them on; OK and Cancel,
// and a close from the title bar, then close the dialog. It stands over the
// window given as its parent.
class InitialsDialog final : public Screen {
    Q_OBJECT
public:
    explicit InitialsDialog(MessageBoxes &messages, QWidget *parent = nullptr);

    // Upper-cases typed text in place; false when a character has no
    // upper-case form that fits one byte of a record.
    static bool toInitials(QString &typed);

signals:
    void initialsEntered(const QString &initials);

private:
    void onOkClicked();

    MessageBoxes &m_messages;
    QLineEdit *m_initials = nullptr;
};
