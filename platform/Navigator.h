#pragma once
#include <QString>

// What a screen may ask of the program's other screens. The application
// shell owns every screen and implements this; screen tests give a recording
// stand-in.
class Navigator {
public:
    virtual ~Navigator() = default;
    // The two-letter game code chosen on the start screen ("MI", "DE", ...).
    virtual QString gameLevel() const = 0;
    // Loads the play-again dialog if needed, writes its message and the caption
    // of its first button, and shows it without blocking.
    virtual void showPlayAgain(const QString &message, const QString &playCaption) = 0;
    // Opens the initials dialog for the game screen of the current game code.
    virtual void openInitials() = 0;
    // Shows the start screen again (after the reset screen closes).
    virtual void showStartScreen() = 0;
    // Closes every window of the program, whichever dialogs are open, and ends it.
    virtual void quitProgram() = 0;
};
