#pragma once
#include <QTimer>
#include <QWidget>

class SoundCue;

// The blue backdrop spread over the desktop work area behind every other
// window of the program. It rings once, 100 ms after it is loaded.
class Background final : public QWidget {
    Q_OBJECT
public:
    explicit Background(SoundCue &sound, QWidget *parent = nullptr);

    QTimer Timer1;

public slots:
    void Timer1_Timer();

private:
    void Form_Load();
    SoundCue &m_sound;
};
