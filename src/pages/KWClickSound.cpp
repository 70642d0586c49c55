#include "KWClickSound.h"

#include "KWUtils.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

TKWClickSound::TKWClickSound(const QString& AMediaPath, QObject* AParent)
    : QObject(AParent), FMediaPath(AMediaPath)
{
    // The player reports a missing file only later and asynchronously; the log should say so
    // when the counters are built.
    if (!QFileInfo(FMediaPath).isFile()) {
        Fail(QStringLiteral("The file does not exist."));
        return;
    }
    FPlayer = new QMediaPlayer(this);
    if (!FPlayer->isAvailable()) {
        Fail(QStringLiteral("No media player is available."));
        return;
    }
    FAudioOutput = new QAudioOutput(this);
    FPlayer->setAudioOutput(FAudioOutput);
    connect(FPlayer, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& AMessage) { Fail(AMessage); });
    FPlayer->setSource(QUrl::fromLocalFile(FMediaPath));
}

TKWClickSound& TKWClickSound::Instance()
{
    static QPointer<TKWClickSound> Sound;
    if (!Sound)
        Sound = new TKWClickSound(KWGetAppPath() + QStringLiteral("click_100ms.mp3"),
                                  QCoreApplication::instance());
    return *Sound;
}

void TKWClickSound::Play()
{
    if (IsSilent())
        return;
    FPlayer->setPosition(0);
    FPlayer->play();
}

void TKWClickSound::Fail(const QString& AMessage)
{
    KWLog(QStringLiteral("TKWImageSpinner.Create - Exception"));
    KWLog(QStringLiteral("  MediaPath: ") + FMediaPath);
    KWLog(QStringLiteral("  Message:   ") + AMessage);
    if (FPlayer) {
        FPlayer->disconnect(this);
        FPlayer->deleteLater();
        FPlayer = nullptr;
    }
}
