#pragma once
#include <QDate>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class TopTenHost;
struct Services;

// The dialog that takes a qualifying player's initials. OK puts the new line
// into the game screen's Top Ten list and rewrites its score file; OK and
// Cancel both hand over to the play-again dialog and close this one.
class frmInitials final : public QWidget {
    Q_OBJECT
public:
    // Without a parent the dialog stands over the host's window.
    frmInitials(Services &services, TopTenHost *host, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

    // The game code copied when the dialog loads.
    QString strGameLevel;

    // Where the date of a new line comes from; the clock's date by default.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // Upper-cases typed text in place, one character at a time; false when a
    // character has no upper-case form that fits one byte of an 8-bit record.
    static bool Text1_KeyPress(QString &typed);

public slots:
    void OKButton_Click();
    void CancelButton_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void handOver();

    Services &m_services;
    TopTenHost *m_host;
    bool m_handedOver = false;
};
