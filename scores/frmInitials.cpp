#include "frmInitials.h"

#include "Layout.h"
#include "MessageBoxes.h"
#include "Navigator.h"
#include "ScoreFile.h"
#include "Services.h"
#include "TopTenHost.h"
#include "TopTenList.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QWindow>

namespace {
const QString Title = QStringLiteral("Tempozap");

// Every route into the box (keys, paste, input methods) passes here, so the
// box only ever holds upper-case characters of one byte each.
class UpperCaseInitials final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return frmInitials::Text1_KeyPress(input) ? Acceptable : Invalid;
    }
};

bool isGameCode(const QString &code)
{
    return code.size() == 2 && QStringLiteral("MD").contains(code.at(0))
        && QStringLiteral("NIE").contains(code.at(1));
}
}

frmInitials::frmInitials(Services &services, TopTenHost *host, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_host(host)
{
    setObjectName(QStringLiteral("frmInitials"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("CONGRATULATIONS !"));
    setFixedClient(this, 6465, 2355, colours::cyan);

    LabelLook look;
    look.points = 9.75;
    Label1 = makeLabel(this, "Label1", twips::rect(240, 120, 4335, 375),
                       QStringLiteral("You qualify for the Top Ten Scores list. "), look);
    Label2 = makeLabel(this, "Label2", twips::rect(240, 600, 4455, 615),
                       QStringLiteral("Enter your initials below and click \"OK\" to"
                                      "                    "
                                      "add your score to the list !"),
                       look);
    Label1->setTextFormat(Qt::PlainText);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(2280, 1320, 1215, 555));
    Text1->setFont(boldFont(Face::SansSerif, 24));
    Text1->setMaxLength(3);
    Text1->setValidator(new UpperCaseInitials(Text1));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(twips::rect(5040, 120, 1215, 375));
    OKButton->setFont(boldFont(Face::SansSerif, 9.75));
    connect(OKButton, &QPushButton::clicked, this, &frmInitials::OKButton_Click);

    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(twips::rect(5040, 600, 1215, 375));
    CancelButton->setFont(boldFont(Face::SansSerif, 9.75));
    connect(CancelButton, &QPushButton::clicked, this, &frmInitials::CancelButton_Click);

    // The player types first, then confirms.
    setTabOrder(Text1, OKButton);
    setTabOrder(OKButton, CancelButton);
    Text1->setFocus();

    centreOnScreen(this);
    Form_Load();
}

void frmInitials::Form_Load()
{
    strGameLevel = m_services.navigator.gameLevel();
}

bool frmInitials::Text1_KeyPress(QString &typed)
{
    for (QChar &c : typed) {
        const QChar upper = c.toUpper();
        if (upper.unicode() > 0xFF)
            return false;
        c = upper;
    }
    return true;
}

void frmInitials::OKButton_Click()
{
    if (m_handedOver)
        return;
    const QString initials = Text1->text();
    if (initials.isEmpty()) {
        m_services.messages.ask(this, QStringLiteral("Initials must be entered!\r\nplease retry."), Title,
                                MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }

    // The list on screen changes first; the file follows it.
    if (m_host) {
        TopTenList &list = m_host->topTen();
        list.removeLowest();
        list.add(makeTopTenLine(m_host->finalScore(), initials, today()));
        m_host->showTopTen();

        // Without a valid game code there is no file that belongs to this list.
        if (isGameCode(strGameLevel) && !ScoreFile::save(ScoreFile::pathFor(strGameLevel), list)) {
            m_services.messages.ask(this,
                                    QStringLiteral("Your score could not be saved.\r\n"
                                                   "The Top Ten list on disk is unchanged."),
                                    Title, MsgButtons::Ok, MsgIcon::Exclamation);
        }
    }
    handOver();
    close();
}

void frmInitials::CancelButton_Click()
{
    if (m_handedOver)
        return;
    handOver();
    close();
}

void frmInitials::handOver()
{
    m_handedOver = true;
    m_services.navigator.showPlayAgain(QStringLiteral("PLAY ANOTHER GAME?"), QStringLiteral("PLAY AGAIN"));
}

void frmInitials::showEvent(QShowEvent *event)
{
    // Stays above the game screen and out of the task bar, without becoming
    // one of the game screen's own widgets.
    QWidget *owner = m_host ? m_host->hostWindow() : nullptr;
    if (!parentWidget() && owner && windowHandle()) {
        owner->winId();
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    QWidget::showEvent(event);
}

void frmInitials::closeEvent(QCloseEvent *event)
{
    // Closed from the title bar: the score is not recorded, as with Cancel.
    // A close made by the program itself (unloading the game) hands over nothing.
    if (event->spontaneous() && !m_handedOver)
        handOver();
    QWidget::closeEvent(event);
}
