#include "KWCliOutput.h"

void KWCliWriteJson(std::ostream& AOut, const TKWJson& AValue)
{
    AOut << AValue.dump(2) << '\n';
}

void KWCliReportFailure(std::ostream& AErr, const QString& AFile, const QString& AReason)
{
    AErr << "qomvi-cli: " << AFile.toStdString() << ": " << AReason.toStdString() << '\n';
}

QString KWCliCsvField(const QString& AValue)
{
    if (!AValue.contains(u';') && !AValue.contains(u'"') && !AValue.contains(u'\n') &&
        !AValue.contains(u'\r'))
        return AValue;
    QString Quoted = AValue;
    Quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + Quoted + u'"';
}

QStringList KWCliSplitList(const QString& AArgument)
{
    QStringList Entries;
    for (const QString& Entry : AArgument.split(u','))
        if (!Entry.trimmed().isEmpty())
            Entries << Entry.trimmed();
    return Entries;
}

QString KWCliListText(const QStringList& AEntries)
{
    QString Text;
    for (const QString& Entry : AEntries)
        Text += Entry + u',';
    return Text;
}
