#pragma once

#include <QString>

// Writes a self-signed certificate for 127.0.0.1 and its key as PEM files with the openssl
// command. False when the command is not installed (the test is then to be skipped); a failing
// command fails the test.
bool MakeTestCertificate(const QString& ACertFile, const QString& AKeyFile);
