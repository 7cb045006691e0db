#pragma once
#include <QWidget>

class AnimatedPicture;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Screens;

// The start screen: choose the game and the level, then Play, Cancel or
// Rules; F2 opens the reset screen of the Top Ten lists.
class frmStart final : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(Screens &screens, QWidget *parent = nullptr);

    // The two-letter game code of the last Play ("MN", "DI", ...).
    QString strGameLevel;

    AnimatedPicture *AnimatedGif1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Image3 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QRadioButton *optMult = nullptr;
    QRadioButton *optDiv = nullptr;
    QRadioButton *optNovice = nullptr;
    QRadioButton *optIntermediate = nullptr;
    QRadioButton *optExpert = nullptr;
    QPushButton *cmdPlay = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdRules = nullptr;

public slots:
    void cmdPlay_Click();
    void cmdCancel_Click();
    void cmdRules_Click();
    void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    Screens &m_screens;
    bool m_centred = false;
};
