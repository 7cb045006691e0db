#include "frmStart.h"

#include "AnimatedPicture.h"
#include "Background.h"
#include "GameScreen.h"
#include "Layout.h"
#include "MessageBoxes.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "Screens.h"
#include "frmReset.h"
#include "frmRules.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {
QLabel *picture(QWidget *parent, const char *name, const QRect &rect, const QString &file,
                const QString &description)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(Pictures::loadFor(ProgramFolder::dataFile(file), label));
    label->setAccessibleName(description);
    return label;
}

QGroupBox *frame(QWidget *parent, const char *name, const QRect &rect, const QString &caption)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    box->setFont(boldFont(Face::SansSerif, 8.25));
    return box;
}

QRadioButton *option(QGroupBox *frame, const char *name, const QRect &rect, const QString &caption)
{
    auto *button = new QRadioButton(caption, frame);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setFont(boldFont(Face::SansSerif, 8.25));
    return button;
}

QPushButton *button(QWidget *parent, const char *name, const QRect &rect, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(rect);
    b->setFont(boldFont(Face::SansSerif, 9.75));
    b->setAutoDefault(false);
    return b;
}
}

frmStart::frmStart(Screens &screens, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_screens(screens)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Tempozap"));
    setFixedClient(this, 9300, 3675, colours::yellow);

    Image1 = picture(this, "Image1", twips::rect(0, 120, 3000, 750), QStringLiteral("StartTitle1.png"),
                     QStringLiteral("Tempozap"));
    Image2 = picture(this, "Image2", twips::rect(0, 780, 3000, 750), QStringLiteral("Title2.png"), QString());
    Image3 = picture(this, "Image3", twips::rect(0, 1440, 3000, 750), QStringLiteral("StartTitle3.png"),
                     QString());
    AnimatedGif1 = new AnimatedPicture(this);
    AnimatedGif1->setObjectName(QStringLiteral("AnimatedGif1"));
    AnimatedGif1->setGeometry(twips::rect(2400, 120, 2295, 2535));
    AnimatedGif1->setAccessibleName(QStringLiteral("Clock"));
    AnimatedGif1->raise();

    Frame1 = frame(this, "Frame1", twips::rect(4920, 240, 3375, 1095), QStringLiteral("Choose Game"));
    optMult = option(Frame1, "optMult(0)", twips::rect(360, 240, 2055, 375), QStringLiteral("Multiplication"));
    optDiv = option(Frame1, "optDiv(1)", twips::rect(360, 600, 2055, 375), QStringLiteral("Division"));
    Frame2 = frame(this, "Frame2", twips::rect(4920, 1920, 3375, 1575), QStringLiteral("Choose Level"));
    optNovice = option(Frame2, "optNovice(0)", twips::rect(360, 240, 2655, 495),
                       QStringLiteral("5 minutes - Novice"));
    optIntermediate = option(Frame2, "optIntermediate(1)", twips::rect(360, 600, 2655, 495),
                             QStringLiteral("4 minutes - Intermediate"));
    optExpert = option(Frame2, "optExpert(2)", twips::rect(360, 960, 2655, 495),
                       QStringLiteral("3 minutes - Expert"));
    optMult->setChecked(true);
    optIntermediate->setChecked(true);

    cmdPlay = button(this, "cmdPlay", twips::rect(360, 2880, 1215, 495), QStringLiteral("Play"));
    cmdCancel = button(this, "cmdCancel", twips::rect(1740, 2880, 1215, 495), QStringLiteral("Cancel"));
    cmdRules = button(this, "cmdRules", twips::rect(3120, 2880, 1215, 495), QStringLiteral("Rules"));
    connect(cmdPlay, &QPushButton::clicked, this, &frmStart::cmdPlay_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmStart::cmdCancel_Click);
    connect(cmdRules, &QPushButton::clicked, this, &frmStart::cmdRules_Click);

    // Tab order: the game options, the level options, then the buttons.
    setTabOrder(optMult, optDiv);
    setTabOrder(optDiv, optNovice);
    setTabOrder(optNovice, optIntermediate);
    setTabOrder(optIntermediate, optExpert);
    setTabOrder(optExpert, cmdPlay);
    setTabOrder(cmdPlay, cmdCancel);
    setTabOrder(cmdCancel, cmdRules);

    // The form sees every key before the control that has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    Form_Load();
}

void frmStart::Form_Load()
{
    Background *backdrop = m_screens.background();
    backdrop->show();
    AnimatedGif1->setPath(ProgramFolder::dataFile(QStringLiteral("CLOCK.gif")));
    AnimatedGif1->start();
}

void frmStart::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        centreOnScreen(this);
        m_centred = true;
    }
    QWidget::showEvent(event);
}

void frmStart::paintEvent(QPaintEvent *)
{
    // The fixed single-line border of a window without a title bar.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool frmStart::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F2) {
            Form_KeyDown(113, key->modifiers());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmStart::cmdPlay_Click()
{
    const QChar level = optNovice->isChecked() ? QLatin1Char('N')
                        : optExpert->isChecked() ? QLatin1Char('E')
                                                 : QLatin1Char('I');
    const QString minutes = optNovice->isChecked() ? QStringLiteral("5")
                            : optExpert->isChecked() ? QStringLiteral("3")
                                                     : QStringLiteral("4");
    GameScreen *screen = nullptr;
    if (optMult->isChecked()) {
        strGameLevel = QStringLiteral("M") + level;
        screen = m_screens.game(GameType::Multiplication);
    } else if (optDiv->isChecked()) {
        strGameLevel = QStringLiteral("D") + level;
        screen = m_screens.game(GameType::Division);
    }
    if (screen) {
        screen->setMinutesCaption(minutes);
        screen->show();
        screen->raise();
        screen->activateWindow();
    }
    hide();
}

void frmStart::cmdCancel_Click()
{
    AnimatedGif1->stop();
    const MsgAnswer answer = m_screens.services().messages.ask(
        this, QStringLiteral("Are you sure?"), QStringLiteral("Quit the Game"), MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) {
        m_screens.quitProgram();
        return;
    }
    AnimatedGif1->setVisible(false);
    AnimatedGif1->setVisible(true);
    AnimatedGif1->start();
}

void frmStart::cmdRules_Click()
{
    frmRules *rules = m_screens.rules();
    rules->show();
    rules->raise();
    rules->activateWindow();
    AnimatedGif1->stop();
}

void frmStart::Form_KeyDown(int keyCode, Qt::KeyboardModifiers)
{
    // F2, whatever the shift state; every other key is ignored.
    if (keyCode != 113)
        return;
    hide();
    frmReset *reset = m_screens.reset();
    reset->show();
    reset->raise();
    reset->activateWindow();
}
