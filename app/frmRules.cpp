#include "frmRules.h"

#include "AnimatedPicture.h"
#include "Layout.h"
#include "Screens.h"
#include "frmStart.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

frmRules::frmRules(Screens &screens, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_screens(screens)
{
    setObjectName(QStringLiteral("frmRules"));
    setWindowTitle(QStringLiteral("Tempozap - Rules"));
    setFixedClient(this, 10170, 8175, colours::red);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(360, 1200, 9495, 6615));
    Text1->setFont(boldFont(Face::SansSerif, 9.75));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setPlainText(rulesText());
    Text1->setAccessibleName(QStringLiteral("Instructions and Game Play"));

    cmdClose = new QPushButton(QStringLiteral("CLOSE"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twips::rect(4358, 195, 1215, 495));
    cmdClose->setFont(boldFont(Face::SansSerif, 12));
    connect(cmdClose, &QPushButton::clicked, this, &frmRules::cmdClose_Click);

    setTabOrder(Text1, cmdClose);
    Text1->setFocus();
}

static void loadRulesResource()
{
    // The text is compiled into this library; a static library registers it on request.
    Q_INIT_RESOURCE(app);
}

QString frmRules::rulesText()
{
    loadRulesResource();
    QFile file(QStringLiteral(":/tempozap/rules.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void frmRules::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        centreOnScreen(this);
        m_centred = true;
    }
    Text1->setFocus();
    QWidget::showEvent(event);
}

void frmRules::cmdClose_Click()
{
    if (frmStart *start = m_screens.loadedStart())
        start->AnimatedGif1->start();
    m_screens.unloadRules();
}
