#include "KWRecordingRows.h"

#include "KWUtils.h"

TSpinnerGridEntry TSpinnerGridEntry::CreateSpinnerGridEntry(const QString& AID,
                                                            const QString& AText, bool AEnabled,
                                                            const QString& AImageName)
{
    return {AID, AText, AImageName, AEnabled};
}

int KWCounterValue(const QString& AText)
{
    bool Ok = false;
    const int Value = AText.toInt(&Ok);
    return Ok ? Value : 0;
}

QString KWAnnotationDisplayText(const QString& AFieldText)
{
    return KWTrim(AFieldText) == QLatin1String("0") ? QString() : AFieldText;
}
