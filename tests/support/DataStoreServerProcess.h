#pragma once

#include <QProcess>
#include <QStringList>

#include <string>

// The real qomvi-datastore program on a free port of 127.0.0.1, for the tests that talk to it.
// The program prints "listening on ADDRESS:PORT" once it is ready.
class TDataStoreServerProcess
{
public:
    ~TDataStoreServerProcess();

    // Starts the program with "--port 0 --db ADatabase" and AExtraArgs; returns the port, 0 when
    // it did not start (the test has then already failed).
    int Start(const QString& AExecutable, const QString& ADatabase, QStringList AExtraArgs = {});
    // Sends the signal and expects a clean end; returns what the program wrote to stderr.
    std::string StopWith(int ASignal);
    QProcess& Process() { return FProcess; }

private:
    QProcess FProcess;
};
