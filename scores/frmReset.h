#pragma once
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
struct Services;

// The maintenance screen that sets chosen Top Ten lists back to ten zero
// lines. Reset (after Yes) and Cancel both close it and bring the start
// screen back.
class frmReset final : public QWidget {
    Q_OBJECT
public:
    explicit frmReset(Services &services, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QCheckBox *chkMN = nullptr;
    QCheckBox *chkMI = nullptr;
    QCheckBox *chkME = nullptr;
    QCheckBox *chkDN = nullptr;
    QCheckBox *chkDI = nullptr;
    QCheckBox *chkDE = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmdReset_Click();
    void cmdCancel_Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Services &m_services;
    bool m_leaving = false;
};
