#include "Screens.h"

#include "Background.h"
#include "GameScreen.h"
#include "WindowRole.h"
#include "frmInitials.h"
#include "frmOptions.h"
#include "frmReset.h"
#include "frmRules.h"
#include "frmStart.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <type_traits>

Screens::Screens(SoundCue &sound, RandomSource &random, MessageBoxes &messages)
    : m_services{sound, random, messages, *this}
{
}

Screens::~Screens()
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_initials, m_options, m_rules, m_reset, m_mult,
                                                       m_div, m_start, m_background})
        delete w;
}

template <typename T> T *Screens::track(QPointer<T> &slot, T *screen)
{
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->installEventFilter(this);
    // Only the start screen stands for the program in the task bar.
    setWindowRole(screen, std::is_same_v<T, frmStart>     ? WindowRole::Main
                          : std::is_same_v<T, Background> ? WindowRole::Backdrop
                                                          : WindowRole::Secondary);
    slot = screen;
    return screen;
}

template <typename T> void Screens::unload(QPointer<T> &slot)
{
    if (T *screen = slot.data()) {
        slot = nullptr;
        screen->close();
    }
}

bool Screens::eventFilter(QObject *watched, QEvent *event)
{
    // A screen closed by any route is unloaded: forget it at once, so the
    // next touch loads it afresh.
    if (event->type() == QEvent::Close) {
        auto forget = [watched](auto &slot) {
            if (slot.data() == watched)
                slot = nullptr;
        };
        forget(m_start);
        forget(m_background);
        forget(m_mult);
        forget(m_div);
        forget(m_options);
        forget(m_rules);
        forget(m_reset);
        forget(m_initials);
    }
    return QObject::eventFilter(watched, event);
}

void Screens::startProgram()
{
    start()->show();
}

frmStart *Screens::start()
{
    if (!m_start)
        track(m_start, new frmStart(*this));
    return m_start;
}

Background *Screens::background()
{
    if (!m_background)
        track(m_background, new Background(m_services.sound));
    return m_background;
}

GameScreen *Screens::game(GameType type)
{
    QPointer<GameScreen> &slot = type == GameType::Multiplication ? m_mult : m_div;
    if (!slot)
        track(slot, new GameScreen(m_services, type));
    return slot;
}

GameScreen *Screens::loadedGame(GameType type) const
{
    return type == GameType::Multiplication ? m_mult : m_div;
}

frmOptions *Screens::options()
{
    if (!m_options)
        track(m_options, new frmOptions(*this));
    return m_options;
}

frmRules *Screens::rules()
{
    if (!m_rules)
        track(m_rules, new frmRules(*this));
    return m_rules;
}

frmReset *Screens::reset()
{
    if (!m_reset)
        track(m_reset, new frmReset(m_services));
    return m_reset;
}

frmOptions *Screens::loadedOptions() const { return m_options; }
frmRules *Screens::loadedRules() const { return m_rules; }
frmReset *Screens::loadedReset() const { return m_reset; }
frmInitials *Screens::loadedInitials() const { return m_initials; }
Background *Screens::loadedBackground() const { return m_background; }
frmStart *Screens::loadedStart() const { return m_start; }

void Screens::unloadGames()
{
    // The initials dialog belongs to the game it records; it never outlives it.
    unload(m_initials);
    unload(m_div);
    unload(m_mult);
}

void Screens::unloadOptions()
{
    unload(m_options);
}

void Screens::unloadRules()
{
    unload(m_rules);
}

void Screens::unloadReset()
{
    unload(m_reset);
}

QString Screens::gameLevel() const
{
    return m_start ? m_start->strGameLevel : QString();
}

void Screens::showPlayAgain(const QString &message, const QString &playCaption)
{
    if (m_quitting)
        return;
    frmOptions *dialog = options();
    dialog->setMessage(message, playCaption);
    dialog->showDialog();
}

void Screens::openInitials()
{
    if (m_quitting)
        return;
    const QString level = gameLevel();
    GameScreen *host = nullptr;
    if (level.startsWith(QLatin1Char('M')))
        host = m_mult;
    else if (level.startsWith(QLatin1Char('D')))
        host = m_div;
    if (!host)
        return;
    unload(m_initials);
    auto *dialog = track(m_initials, new frmInitials(m_services, host));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Screens::showStartScreen()
{
    if (m_quitting)
        return;
    frmStart *screen = start();
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void Screens::quitProgram()
{
    // Every window goes, whichever dialogs are open, so nothing is left that
    // could act on a closed game.
    if (m_quitting)
        return;
    m_quitting = true;
    unload(m_initials);
    unload(m_options);
    unload(m_rules);
    unload(m_reset);
    unload(m_div);
    unload(m_mult);
    unload(m_background);
    unload(m_start);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->close();
    }
    if (endProgram)
        endProgram();
}
