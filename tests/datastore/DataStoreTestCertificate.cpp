#include "DataStoreTestCertificate.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

bool MakeTestCertificate(const QString& ACertFile, const QString& AKeyFile)
{
    const QString OpenSsl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (OpenSsl.isEmpty())
        return false;
    QProcess Generator;
    Generator.start(OpenSsl, {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                              "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1", "-subj",
                              "/CN=127.0.0.1", "-keyout", AKeyFile, "-out", ACertFile});
    EXPECT_TRUE(Generator.waitForFinished(10000));
    EXPECT_EQ(Generator.exitCode(), 0) << Generator.readAllStandardError().toStdString();
    return true;
}
