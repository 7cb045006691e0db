#include "Background.h"

#include "Layout.h"
#include "SoundCue.h"
#include "WorkArea.h"

Background::Background(SoundCue &sound, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_sound(sound)
{
    setObjectName(QStringLiteral("Background"));
    setWindowTitle(QStringLiteral("Tempozap - backdrop"));
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(100);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &Background::Timer1_Timer);
    Form_Load();
}

void Background::Form_Load()
{
    // Over the work area, 400 twips taller than it, from its top edge.
    const QRect area = workAreaTwips(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colours::blue);
    setPalette(pal);
    setAutoFillBackground(true);
    setGeometry(twips::toPx(area.left()), twips::toPx(area.top()), twips::toPx(area.width()),
                twips::toPx(area.height() + 400));
    Timer1.start();
}

void Background::Timer1_Timer()
{
    m_sound.PlaySoundCue(QStringLiteral("ring.WAV"));
    Timer1.stop();
}
