#pragma once
#include <QLabel>

class QMovie;

// Shows an animated picture file in its rectangle. start() runs or resumes
// the animation, stop() holds it still on the current frame.
class AnimatedPicture : public QLabel {
    Q_OBJECT
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);
    void setPath(const QString &path);
    QString path() const;
    void start();
    void stop();
    bool isRunning() const;
    QMovie *movie() const { return m_movie; }

private:
    QMovie *m_movie = nullptr;
};
