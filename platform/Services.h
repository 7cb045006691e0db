#pragma once

class SoundCue;
class RandomSource;
class MessageBoxes;
class Navigator;

// The collaborators every screen is built with. The program passes the real
// ones; tests pass recording or scripted stand-ins.
struct Services {
    SoundCue &sound;
    RandomSource &random;
    MessageBoxes &messages;
    Navigator &navigator;
};
