// The click of the picture counters: the file the build places next to the program decodes
// with the multimedia backend of this system into a short, soft sound.
#include "TestSupport.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct TDecoded
{
    qint64 Frames = 0;
    int SampleRate = 0;
    double Peak = 0;
    QString Error;
};

double PeakOf(const QAudioBuffer& ABuffer)
{
    double Peak = 0;
    const QAudioFormat Format = ABuffer.format();
    for (int I = 0; I < ABuffer.sampleCount(); ++I) {
        double Value = 0;
        if (Format.sampleFormat() == QAudioFormat::Int16)
            Value = ABuffer.constData<qint16>()[I] / 32768.0;
        else if (Format.sampleFormat() == QAudioFormat::Float)
            Value = ABuffer.constData<float>()[I];
        else if (Format.sampleFormat() == QAudioFormat::Int32)
            Value = ABuffer.constData<qint32>()[I] / 2147483648.0;
        Peak = qMax(Peak, qAbs(Value));
    }
    return Peak;
}

TDecoded Decode(const QString& APath)
{
    TDecoded Result;
    QAudioDecoder Decoder;
    bool Done = false;
    QObject::connect(&Decoder, &QAudioDecoder::bufferReady, [&] {
        const QAudioBuffer Buffer = Decoder.read();
        Result.Frames += Buffer.frameCount();
        Result.SampleRate = Buffer.format().sampleRate();
        Result.Peak = qMax(Result.Peak, PeakOf(Buffer));
    });
    QObject::connect(&Decoder, &QAudioDecoder::finished, [&] { Done = true; });
    QObject::connect(&Decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), [&] {
        Result.Error = Decoder.errorString();
        Done = true;
    });
    Decoder.setSource(QUrl::fromLocalFile(APath));
    Decoder.start();
    QElapsedTimer Timer;
    Timer.start();
    while (!Done && Timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!Done)
        Result.Error = QStringLiteral("no answer from the decoder");
    return Result;
}

TEST(KWClickSound, LiesNextToTheProgramAndDecodesToASoftClickOf100Ms)
{
    const QString Path = QStringLiteral(QOMVI_PROGRAM_DIR "/click_100ms.mp3");
    ASSERT_TRUE(QFile::exists(Path)) << Path.toStdString();
    const TDecoded Sound = Decode(Path);
    ASSERT_TRUE(Sound.Error.isEmpty()) << Sound.Error.toStdString();
    ASSERT_GT(Sound.SampleRate, 0);
    const double Milliseconds = 1000.0 * Sound.Frames / Sound.SampleRate;
    EXPECT_NEAR(Milliseconds, 100.0, 15.0);
    EXPECT_GT(Sound.Peak, 0.05) << "audible";
    EXPECT_LT(Sound.Peak, 0.5) << "soft";
}

} // namespace
