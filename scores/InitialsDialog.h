// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>

class MessageBoxes;
class QLineEdit;

// The dialog that takes a qualifying player's initials: one to three
// characters, upper case, one byte each. OK hands them on; OK and Cancel,
// and a close from the title bar, then close the dialog. It stands over the
// window given as its parent.
class InitialsDialog final : public QWidget {
    Q_OBJECT
public:
    explicit InitialsDialog(MessageBoxes &messages, QWidget *parent = nullptr);

    // Upper-cases typed text in place; false when a character has no
    // upper-case form that fits one byte of a record.
    static bool toInitials(QString &typed);

signals:
    void initialsEntered(const QString &initials);
    void closed(); // by OK, Cancel or the title bar; not when the program closes it

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onOkClicked();
    void onCancelClicked();
    void leave();

    MessageBoxes &m_messages;
    QLineEdit *m_initials = nullptr;
    bool m_left = false;
};
