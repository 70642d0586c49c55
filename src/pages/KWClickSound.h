#pragma once

#include <QObject>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

// The short click a counter plays when it counts up. When the sound cannot be loaded or
// played, three lines are logged once and the counters stay silent.
class TKWClickSound final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWClickSound)

public:
    // Loads the sound file at AMediaPath.
    TKWClickSound(const QString& AMediaPath, QObject* AParent);

    // The one sound of the program: "click_100ms.mp3" in the program folder, loaded on the
    // first call and kept until the application object ends.
    static TKWClickSound& Instance();

    // Plays the click from its start; does nothing when silent.
    void Play();
    bool IsSilent() const { return FPlayer == nullptr; }

private:
    void Fail(const QString& AMessage);

    QString FMediaPath;
    QMediaPlayer* FPlayer = nullptr;
    QAudioOutput* FAudioOutput = nullptr;
};
