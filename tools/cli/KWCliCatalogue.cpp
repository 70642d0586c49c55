#include "KWCliCatalogue.h"

#include "KWCliOutput.h"
#include "KWCode.h"
#include "KWException.h"
#include "KWUrsachenHelper.h"

namespace {

TKWJson WeightsToJson(const TKWPrioList& AList, const char* AName)
{
    TKWJson Result = TKWJson::array();
    for (const TKWPrioPair& Pair : AList)
        Result.push_back({{AName, Pair.first.toStdString()}, {"weight", Pair.second}});
    return Result;
}

TKWJson CodesystemToJson(const QString& AID)
{
    TKWJson Codes = TKWJson::array();
    for (const TCode& Code : TCodes::GetCodesInOrder(AID))
        Codes.push_back({{"code", Code.FCode.toStdString()}, {"label", Code.FName.toStdString()}});
    return {{"group", AID.toStdString()}, {"codes", Codes}};
}

} // namespace

int KWCliCauses(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr)
{
    if (AArgs.isEmpty()) {
        AErr << "usage: qomvi-cli causes ID...\n";
        return ceUsage;
    }
    TKWPrioList Weights;
    GetUrsachenForIndikatoren(KWCliListText(AArgs), Weights);
    KWCliWriteJson(AOut, WeightsToJson(Weights, "ursache"));
    return ceOk;
}

int KWCliMeasures(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr)
{
    QStringList Weak;
    QStringList Causes;
    for (int I = 0; I < AArgs.size(); ++I) {
        const bool HasValue = I + 1 < AArgs.size();
        if (AArgs[I] == QLatin1String("--weak") && HasValue)
            Weak << KWCliSplitList(AArgs[++I]);
        else if (AArgs[I] == QLatin1String("--causes") && HasValue)
            Causes << KWCliSplitList(AArgs[++I]);
        else {
            AErr << "usage: qomvi-cli measures --weak ID,ID... --causes NAME,NAME...\n";
            return ceUsage;
        }
    }
    TKWPrioList Weights;
    GetMassnahmenForAuswahl(KWCliListText(Weak), KWCliListText(Causes), Weights);
    KWCliWriteJson(AOut, WeightsToJson(Weights, "massnahme"));
    return ceOk;
}

int KWCliCodes(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr)
{
    if (AArgs.size() > 1) {
        AErr << "usage: qomvi-cli codes [GROUP]\n";
        return ceUsage;
    }
    TCodes::Init();
    if (AArgs.size() == 1) {
        try {
            KWCliWriteJson(AOut, CodesystemToJson(AArgs.first()));
        } catch (const EKWException& E) {
            KWCliReportFailure(AErr, AArgs.first(), E.Message());
            return ceInputFailed;
        }
        return ceOk;
    }
    TKWJson Groups = TKWJson::array();
    for (const QString& ID : TCodes::GetCodesystemIDs())
        Groups.push_back(CodesystemToJson(ID));
    KWCliWriteJson(AOut, Groups);
    return ceOk;
}
