#include "DataStoreServerProcess.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int cTimeoutMs = 10000;

} // namespace

TDataStoreServerProcess::~TDataStoreServerProcess()
{
    if (FProcess.state() != QProcess::NotRunning) {
        FProcess.kill();
        FProcess.waitForFinished(cTimeoutMs);
    }
}

int TDataStoreServerProcess::Start(const QString& AExecutable, const QString& ADatabase,
                                   QStringList AExtraArgs)
{
    AExtraArgs << QStringLiteral("--port") << QStringLiteral("0") << QStringLiteral("--db") << ADatabase;
    FProcess.start(AExecutable, AExtraArgs);
    while (!FProcess.canReadLine() && FProcess.waitForReadyRead(cTimeoutMs)) {
    }
    const QString Line = QString::fromUtf8(FProcess.readLine()).trimmed();
    const QRegularExpressionMatch Match =
        QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(Line);
    EXPECT_TRUE(Match.hasMatch()) << Line.toStdString() << "\n"
                                  << FProcess.readAllStandardError().toStdString();
    return Match.hasMatch() ? Match.captured(1).toInt() : 0;
}

std::string TDataStoreServerProcess::StopWith(int ASignal)
{
    ::kill(pid_t(FProcess.processId()), ASignal);
    EXPECT_TRUE(FProcess.waitForFinished(cTimeoutMs));
    EXPECT_EQ(FProcess.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(FProcess.exitCode(), 0);
    return FProcess.readAllStandardError().toStdString();
}
