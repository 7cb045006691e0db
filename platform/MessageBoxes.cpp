// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessageBoxes.h"

#include <QMessageBox>

MsgAnswer ModalMessageBoxes::ask(
    QWidget *parent, const QString &prompt, const QString &title, MsgButtons buttons, MsgIcon icon)
{
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title, prompt,
        buttons == MsgButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                     : QMessageBox::StandardButtons(QMessageBox::Ok),
        parent);
    box.setWindowModality(Qt::ApplicationModal);
    const int result = box.exec();
    // The window the question was asked from is the active one again, with its focus.
    if (parent)
        parent->window()->activateWindow();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
