#include "KWCliCatalogue.h"
#include "KWCliEvaluate.h"
#include "KWCliStorage.h"

#include "KWDBUtil.h"
#include "KWJson.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

const QString Fixture = QStringLiteral(QOMVI_CLI_FIXTURES "/visit.json");

struct TRun
{
    int Exit;
    std::string Out;
    std::string Err;
};

TRun RunCommand(int (*ACommand)(const QStringList&, std::ostream&, std::ostream&), const QStringList& AArgs)
{
    std::ostringstream Out;
    std::ostringstream Err;
    const int Exit = ACommand(AArgs, Out, Err);
    return {Exit, Out.str(), Err.str()};
}

const TKWJson& Indicator(const TKWJson& AResult, const std::string& AId)
{
    for (const TKWJson& Row : AResult["indicators"])
        if (Row["id"] == AId)
            return Row;
    throw std::runtime_error("no indicator " + AId);
}

TEST(KWCli, EvaluateRecomputesEveryIndicatorOfAVisit)
{
    TScopedLocale English(QLocale::English, QLocale::UnitedStates);
    const TRun Result = RunCommand(KWCliEvaluate, {Fixture});
    ASSERT_EQ(Result.Exit, 0) << Result.Err;
    const TKWJson Json = TKWJson::parse(Result.Out);
    ASSERT_EQ(Json.size(), 1u);
    const TKWJson& Visit = Json[0];
    EXPECT_EQ(Visit["file"], Fixture.toStdString());
    ASSERT_EQ(Visit["indicators"].size(), 110u);
    EXPECT_EQ(Visit["indicators"][0]["id"], "BetriebTierLiegeplatzVerh");
    EXPECT_EQ(Visit["indicators"][109]["id"], "Velkora.Dunavis.AC");

    const TKWJson& LiegenBox = Indicator(Visit, "LiegenBox");
    EXPECT_EQ(LiegenBox["key"], "AufenthaltsortKuehe");
    EXPECT_EQ(LiegenBox["valueType"], "vtPercent");
    EXPECT_DOUBLE_EQ(LiegenBox["value"].get<double>(), 56) << "recomputed, not the stored 12";
    EXPECT_EQ(LiegenBox["rating"], "-");
    EXPECT_EQ(LiegenBox["weakPoint"], true);
    EXPECT_TRUE(LiegenBox["inTarget"].is_null());
    EXPECT_TRUE(LiegenBox["reference"].is_number());

    EXPECT_NEAR(Indicator(Visit, "LiegeboxenKomfortIndex")["value"].get<double>(), 2100.0 / 27, 1e-9);
    EXPECT_DOUBLE_EQ(Indicator(Visit, "LiegeboxenAkzeptanzIndex")["value"].get<double>(), 90);
    EXPECT_DOUBLE_EQ(Indicator(Visit, "Hinterhand")["value"].get<double>(), 2.5);
    EXPECT_DOUBLE_EQ(Indicator(Visit, "TarsalgelenkHaarloseStelle")["value"].get<double>(), 50);

    const TKWJson& Liegeplatz = Indicator(Visit, "BetriebTierLiegeplatzVerh");
    EXPECT_EQ(Liegeplatz["valueCode"], "1.05");
    EXPECT_EQ(Liegeplatz["targetCodes"], "0,95 -- 1,1");
    EXPECT_EQ(Liegeplatz["inTarget"], true) << "decimal-comma bounds compare in an English locale";
    EXPECT_TRUE(Liegeplatz["reference"].is_null());

    const TKWJson& Boxenpflege = Indicator(Visit, "MngmtBoxenpflege");
    EXPECT_EQ(Boxenpflege["valueCode"], "2T");
    EXPECT_EQ(Boxenpflege["valueText"], "2x täglich");
    EXPECT_EQ(Boxenpflege["inTarget"], true);
    EXPECT_EQ(Indicator(Visit, "FnkHygieneMischbucht")["valueCode"], "Nein");

    EXPECT_EQ(Visit["ursachen"], TKWJson::array({"Nackenrohr"}));
    EXPECT_EQ(Visit["massnahmen"], TKWJson::array({"Nackenrohr höher positionieren|1|bald"}));
}

TEST(KWCli, EvaluateReportsBadFilesAndGoesOn)
{
    QTemporaryDir Folder;
    const std::pair<QString, QByteArray> Bad[] = {
        {"array.json", "[1, 2]"}, {"broken.json", "{\"Erfassung\":"}, {"types.json", "{\"Erfassung\": 5}"}};
    QStringList Files = {Fixture};
    for (const auto& [Name, Content] : Bad) {
        QFile File(Folder.filePath(Name));
        ASSERT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(Content);
        Files << File.fileName();
    }
    Files << Folder.filePath("missing.json");
    const TRun Result = RunCommand(KWCliEvaluate, Files);
    EXPECT_EQ(Result.Exit, 1);
    EXPECT_EQ(TKWJson::parse(Result.Out).size(), 1u) << "the good file is still evaluated";
    for (const char* Name : {"array.json", "broken.json", "types.json", "missing.json"})
        EXPECT_NE(Result.Err.find(Name), std::string::npos) << Result.Err;
}

TEST(KWCli, EvaluateWritesCsv)
{
    const TRun Result = RunCommand(KWCliEvaluate, {"--format", "csv", Fixture});
    ASSERT_EQ(Result.Exit, 0);
    const QStringList Lines = QString::fromStdString(Result.Out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(Lines.size(), 111);
    EXPECT_EQ(Lines[0], "file;id;key;text;valueType;value;valueCode;valueText;reference;target;targetText;"
                        "targetCodes;inTarget;rating;weakPoint");
    EXPECT_TRUE(Lines[1].startsWith(Fixture + ";BetriebTierLiegeplatzVerh;Signale1;"));
}

TEST(KWCli, CatalogueCommands)
{
    const TRun Causes = RunCommand(KWCliCauses, {"Brustlage", "Sitzbein"});
    ASSERT_EQ(Causes.Exit, 0);
    bool Found = false;
    for (const TKWJson& Row : TKWJson::parse(Causes.Out))
        if (Row["ursache"] == "Bugbegrenzung") {
            EXPECT_EQ(Row["weight"], 4);
            Found = true;
        }
    EXPECT_TRUE(Found);

    const TRun Measures = RunCommand(KWCliMeasures, {"--weak", "Brustlage", "--causes", "Bugbegrenzung,Stalldesign"});
    ASSERT_EQ(Measures.Exit, 0);
    const TKWJson MeasureRows = TKWJson::parse(Measures.Out);
    ASSERT_FALSE(MeasureRows.empty());
    EXPECT_TRUE(MeasureRows[0].contains("massnahme") && MeasureRows[0].contains("weight"));

    const TRun Codes = RunCommand(KWCliCodes, {"STALLSYSTEM"});
    EXPECT_EQ(TKWJson::parse(Codes.Out)["codes"][0]["code"], "LL");
    EXPECT_EQ(TKWJson::parse(RunCommand(KWCliCodes, {}).Out).size(), 37u);
    EXPECT_EQ(RunCommand(KWCliCodes, {"GIBTSNICHT"}).Exit, 1);
    EXPECT_EQ(RunCommand(KWCliMeasures, {"--weak"}).Exit, 2);
    EXPECT_EQ(RunCommand(KWCliCauses, {}).Exit, 2);
}

TEST(KWCli, VisitsAndExport)
{
    QTemporaryDir Folder;
    const QString Db = Folder.filePath("kvd.s3db");
    {
        TKWDBUtil DB(Db);
        DB.SaveBetriebNeu("UUID-1", "Huber");
        DB.SaveBetriebsbesuchNeu("UUID-1", "2024-05-02 08:00:00", QDate(2024, 5, 2), "Nord", "",
                                 "{\"Erfassung\":{}}", "");
    }
    const TRun Visits = RunCommand(KWCliVisits, {"--db", Db});
    ASSERT_EQ(Visits.Exit, 0) << Visits.Err;
    const TKWJson Farms = TKWJson::parse(Visits.Out);
    ASSERT_EQ(Farms.size(), 1u);
    EXPECT_EQ(Farms[0]["name"], "Huber");
    EXPECT_EQ(Farms[0]["visits"][0]["detail"], "2024-05-02 08:00  ");

    const TRun Export = RunCommand(KWCliExport, {"--db", Db, "--out", Folder.filePath("out")});
    ASSERT_EQ(Export.Exit, 0) << Export.Err;
    QFile Exported(Folder.filePath("out/UUID-1.2024-05-02-08-00-00/BeratungVoll.json"));
    ASSERT_TRUE(Exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(Exported.readAll(), "{\"Erfassung\":{}}");

    EXPECT_EQ(RunCommand(KWCliVisits, {"--db", Folder.filePath("fehlt.s3db")}).Exit, 1);
    EXPECT_FALSE(QFile::exists(Folder.filePath("fehlt.s3db"))) << "no empty database is created";
    EXPECT_EQ(RunCommand(KWCliExport, {"--db", Db}).Exit, 2);
}

TEST(KWCli, TheProgramGivesExitCodes)
{
    const std::pair<QStringList, int> Cases[] = {
        {{"evaluate", Fixture}, 0}, {{"evaluate"}, 2}, {{}, 2}, {{"unbekannt"}, 2}, {{"--help"}, 0}};
    for (const auto& [Args, Exit] : Cases) {
        QProcess Process;
        Process.start(QStringLiteral(QOMVI_CLI_EXE), Args);
        ASSERT_TRUE(Process.waitForFinished(30000));
        EXPECT_EQ(Process.exitCode(), Exit) << Args.join(' ').toStdString();
    }
}

} // namespace
