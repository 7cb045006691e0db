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
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
