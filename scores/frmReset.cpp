#include "frmReset.h"

#include "Layout.h"
#include "MessageBoxes.h"
#include "Navigator.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "ScoreFile.h"
#include "Services.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

namespace {
const QString Title = QStringLiteral("Reset to Zero");

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(rect);
    frame->setFont(boldFont(Face::SansSerif, 8.25));
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, colours::yellow);
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
    return frame;
}

QCheckBox *makeBox(QGroupBox *frame, const char *name, const QString &caption, int topTwips)
{
    auto *box = new QCheckBox(caption, frame);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twips::rect(120, topTwips, 1815, 255));
    box->setFont(boldFont(Face::SansSerif, 8.25));
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setFont(boldFont(Face::SansSerif, 9.75));
    return button;
}

// The bytes a chosen list is set to: the template, when it is a whole blank
// list; otherwise ten blank records, so a reset never leaves a list a game
// screen cannot read.
QByteArray clearedList()
{
    const std::optional<QByteArray> bytes =
        RecordFile::read(ProgramFolder::dataFile(QStringLiteral("ScoresClear.dat")));
    if (bytes && ScoreFile::isWellFormedList(*bytes))
        return *bytes;
    return ScoreFile::blankList();
}
}

frmReset::frmReset(Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmReset"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tempozap"));
    setFixedClient(this, 7020, 3615, colours::yellow);

    LabelLook look;
    look.points = 12;
    Label1 = makeLabel(this, "Label1", twips::rect(240, 120, 3135, 2295),
                       QStringLiteral("Use this form to reset Top Ten Scorers' lists to zero. "
                                      "Choose Game/s and Level/s and click \"Reset\" button. "),
                       look);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);

    Frame1 = makeFrame(this, "Frame1", QStringLiteral("Multiplication"), twips::rect(4440, 120, 2295, 1575));
    chkMN = makeBox(Frame1, "chkMN", QStringLiteral("Novice"), 360);
    chkMI = makeBox(Frame1, "chkMI", QStringLiteral("Intermediate"), 780);
    chkME = makeBox(Frame1, "chkME", QStringLiteral("Expert"), 1200);

    Frame2 = makeFrame(this, "Frame2", QStringLiteral("Division"), twips::rect(4440, 1920, 2295, 1575));
    chkDN = makeBox(Frame2, "chkDN", QStringLiteral("Novice"), 360);
    chkDI = makeBox(Frame2, "chkDI", QStringLiteral("Intermediate"), 780);
    chkDE = makeBox(Frame2, "chkDE", QStringLiteral("Expert"), 1200);

    cmdReset = makeButton(this, "cmdReset", QStringLiteral("Reset"), twips::rect(480, 2640, 1215, 495));
    cmdCancel = makeButton(this, "cmdCancel", QStringLiteral("Cancel"), twips::rect(1920, 2640, 1215, 495));
    connect(cmdReset, &QPushButton::clicked, this, &frmReset::cmdReset_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmReset::cmdCancel_Click);

    centreOnScreen(this);
}

void frmReset::cmdReset_Click()
{
    struct Choice {
        QCheckBox *box;
        const char *code;
        const char *name;
    };
    const Choice order[] = {
        {chkDN, "DN", "Division Novice"},       {chkDI, "DI", "Division Intermediate"},
        {chkDE, "DE", "Division Expert"},       {chkMN, "MN", "Multiplication Novice"},
        {chkMI, "MI", "Multiplication Intermediate"}, {chkME, "ME", "Multiplication Expert"},
    };

    bool anyTicked = false;
    for (const Choice &c : order)
        anyTicked = anyTicked || c.box->isChecked();
    if (!anyTicked)
        return;

    if (m_services.messages.ask(this, QStringLiteral("Reset Selected Lists?"), Title, MsgButtons::YesNo,
                                MsgIcon::None)
        != MsgAnswer::Yes)
        return;

    const QByteArray cleared = clearedList();
    QStringList failed;
    for (const Choice &c : order) {
        if (!c.box->isChecked())
            continue;
        if (!RecordFile::replace(ScoreFile::pathFor(QString::fromLatin1(c.code)), cleared))
            failed << QString::fromLatin1(c.name);
    }
    if (!failed.isEmpty()) {
        m_services.messages.ask(this,
                                QStringLiteral("These lists could not be reset:\r\n")
                                    + failed.join(QStringLiteral("\r\n")),
                                Title, MsgButtons::Ok, MsgIcon::Exclamation);
    }
    cmdCancel_Click();
}

void frmReset::cmdCancel_Click()
{
    if (m_leaving)
        return;
    m_leaving = true;
    // The start screen comes back before this one goes, so the program
    // always has a screen of its own on show.
    m_services.navigator.showStartScreen();
    close();
}

void frmReset::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmReset::closeEvent(QCloseEvent *event)
{
    // Closed by the window system (there is no title bar, but a key of the
    // desktop can still close it): the start screen comes back as with Cancel.
    if (event->spontaneous() && !m_leaving) {
        m_leaving = true;
        m_services.navigator.showStartScreen();
    }
    QWidget::closeEvent(event);
}
