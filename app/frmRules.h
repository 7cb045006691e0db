#pragma once
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class Screens;

// The rules of the game, over the start screen until CLOSE.
class frmRules final : public QWidget {
    Q_OBJECT
public:
    explicit frmRules(Screens &screens, QWidget *parent = nullptr);

    static QString rulesText();

    QPushButton *cmdClose = nullptr;
    QPlainTextEdit *Text1 = nullptr;

public slots:
    void cmdClose_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Screens &m_screens;
    bool m_centred = false;
};
