#include "frmOptions.h"

#include "Layout.h"
#include "Screens.h"

#include <QCloseEvent>
#include <QPushButton>

frmOptions::frmOptions(Screens &screens, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_screens(screens)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Tempozap"));
    setFixedClient(this, 5430, 1395, colours::yellow);

    LabelLook look;
    look.points = 13.5;
    look.align = Qt::AlignHCenter | Qt::AlignTop;
    Label1 = makeLabel(this, "Label1", twips::rect(360, 120, 4695, 495), QString(), look);

    cmdPlay = new QPushButton(this);
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdPlay->setGeometry(twips::rect(368, 660, 2175, 495));
    cmdPlay->setFont(boldFont(Face::SansSerif, 13.5));
    cmdPlay->setAutoDefault(true);
    cmdQuit = new QPushButton(QStringLiteral("QUIT GAME"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setGeometry(twips::rect(2888, 660, 2175, 495));
    cmdQuit->setFont(boldFont(Face::SansSerif, 13.5));
    cmdQuit->setAutoDefault(true);
    setTabOrder(cmdPlay, cmdQuit);
    connect(cmdPlay, &QPushButton::clicked, this, &frmOptions::cmdPlay_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmOptions::cmdQuit_Click);
}

void frmOptions::setMessage(const QString &message, const QString &playCaption)
{
    Label1->setText(message);
    cmdPlay->setText(playCaption);
}

void frmOptions::showDialog()
{
    if (!m_centred) {
        centreOnScreen(this);
        m_centred = true;
    }
    show();
    raise();
    activateWindow();
    cmdPlay->setFocus();
}

void frmOptions::cmdPlay_Click()
{
    const QString caption = cmdPlay->text();
    if (caption == QLatin1String("PLAY AGAIN")) {
        m_screens.unloadGames();
        m_screens.showStartScreen();
        m_screens.unloadOptions();
    } else if (caption == QLatin1String("CANCEL")) {
        m_screens.unloadOptions();
    }
}

void frmOptions::cmdQuit_Click()
{
    m_screens.quitProgram();
}

void frmOptions::closeEvent(QCloseEvent *event)
{
    Label1->clear();
    cmdPlay->setText(QString());
    event->accept();
}
