#pragma once
#include <QWidget>

class QLabel;
class QPushButton;
class Screens;

// The play-again dialog. Its callers write the message and the caption of
// its first button; the dialog acts on that caption: "PLAY AGAIN" goes back
// to the start screen, "CANCEL" only closes the dialog.
class frmOptions final : public QWidget {
    Q_OBJECT
public:
    explicit frmOptions(Screens &screens, QWidget *parent = nullptr);

    void setMessage(const QString &message, const QString &playCaption);
    void showDialog();

    QLabel *Label1 = nullptr;
    QPushButton *cmdPlay = nullptr;
    QPushButton *cmdQuit = nullptr;

public slots:
    void cmdPlay_Click();
    void cmdQuit_Click();

protected:
    void closeEvent(QCloseEvent *event) override; // the query-unload step

private:
    Screens &m_screens;
    bool m_centred = false;
};
