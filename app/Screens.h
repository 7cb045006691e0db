#pragma once
#include "MessageBoxes.h"
#include "Navigator.h"
#include "RandomSource.h"
#include "Services.h"
#include "SoundCue.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <functional>

class Background;
class frmStart;
class frmOptions;
class frmRules;
class frmInitials;
class frmReset;
class GameScreen;
enum class GameType;

// Owns the single instance of every screen. A screen is loaded on first
// touch and unloaded by closing it; a closed screen is loaded afresh, with
// its design-time state, the next time it is touched.
class Screens final : public QObject, public Navigator {
    Q_OBJECT
public:
    Screens(SoundCue &sound, RandomSource &random, MessageBoxes &messages);
    ~Screens() override;

    Services &services() { return m_services; }

    // Loads the start screen (which raises the backdrop) and shows it.
    void startProgram();

    // Load on touch.
    frmStart *start();
    Background *background();
    GameScreen *game(GameType type);
    frmOptions *options();
    frmRules *rules();
    frmReset *reset();

    // Only when loaded (nullptr otherwise).
    GameScreen *loadedGame(GameType type) const;
    frmOptions *loadedOptions() const;
    frmRules *loadedRules() const;
    frmReset *loadedReset() const;
    frmInitials *loadedInitials() const;
    Background *loadedBackground() const;
    frmStart *loadedStart() const;

    // Unloading a screen that is not loaded does nothing.
    void unloadGames();
    void unloadOptions();
    void unloadRules();
    void unloadReset();

    // Navigator
    QString gameLevel() const override;
    void showPlayAgain(const QString &message, const QString &playCaption) override;
    void openInitials() override;
    void showStartScreen() override;
    void quitProgram() override;

    // What ends the program once every window is closed; tests replace it.
    std::function<void()> endProgram = [] { QCoreApplication::quit(); };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename T> T *track(QPointer<T> &slot, T *screen);
    template <typename T> void unload(QPointer<T> &slot);

    Services m_services;
    QPointer<frmStart> m_start;
    QPointer<Background> m_background;
    QPointer<GameScreen> m_mult;
    QPointer<GameScreen> m_div;
    QPointer<frmOptions> m_options;
    QPointer<frmRules> m_rules;
    QPointer<frmReset> m_reset;
    QPointer<frmInitials> m_initials;
    bool m_quitting = false;
};
