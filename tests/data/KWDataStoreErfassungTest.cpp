#include "KWDataStoreErfassung.h"

#include "KWException.h"
#include "KWMemTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class KWDataStoreErfassungTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetLog(); }

    TKWMemTable& Area(const char* AName) { return FStore.GetData(AName); }

    void SetText(const char* AArea, const char* AField, const QString& AValue)
    {
        TKWMemTable& Table = Area(AArea);
        Table.Edit();
        Table.FieldByName(AField).SetAsString(AValue);
        Table.Post();
    }

    void AppendCows(int ACount)
    {
        TKWMemTable& Table = Area("SauberkeitTechnopathien");
        for (int I = 1; I <= ACount; ++I) {
            Table.Append();
            Table.FieldByName("Kuhnummer").SetAsInteger(I);
            Table.Post();
        }
    }

    // A stored visit with farm data, husbandry data and three cows, as JSON.
    TKWJson StoredVisit()
    {
        SetText("Betriebsdaten", "Stallname", "Nordstall");
        SetText("Betriebsdaten", "GesamtzahlKuehe", "80");
        SetText("Betriebsdaten", "DatumErfassung", "2024-03-01");
        SetText("Betriebsdaten", "VerhaeltnisLiegeTier", "2");
        SetText("HaltungManagement", "AnzahlHochboxen", "12");
        SetText("HaltungManagement", "Buegeltyp", "FREI");
        SetText("AufenthaltsortKuehe", "LiegenBox", "30");
        AppendCows(3);
        return FStore.GetDataAsJson();
    }

    TKWDataStoreErfassung FStore;
};

TEST_F(KWDataStoreErfassungTest, AreasAndFieldsFollowTheRecordFormat)
{
    const QStringList Expected = {"Betriebsdaten", "HaltungManagement", "AufenthaltsortKuehe",
                                  "LiegeboxenKomfortIndex", "LiegepositionKuehe", "ZustandLiegeboxen",
                                  "LaufverhaltenAbliegedauer", "StallerhebungLiegebereiche",
                                  "StallerhebungFressLaufbereich", "StallerhebungKomfortHygiene",
                                  "MobilityCheckCommon", "SauberkeitTechnopathien",
                                  "MobilityCheckSeparate", "Velkora", "Kommentar"};
    EXPECT_EQ(TKWDataStoreErfassung::AreaNames(), Expected);

    struct TShape
    {
        const char* Area;
        int Count;
        const char* First;
        const char* Last;
    };
    const TShape Shapes[] = {
        {"Betriebsdaten", 41, "Betriebsinhaber", "EnabledPages"},
        {"HaltungManagement", 28, "AnzahlHochboxen", "HaeufigkeitAnschieben"},
        {"AufenthaltsortKuehe", 8, "Fressgitter", "LiegenLaufflaeche"},
        {"LiegeboxenKomfortIndex", 5, "Block", "GesamtzahlKueheBox"},
        {"LiegepositionKuehe", 5, "Brustlage", "TotaleSeitenlage"},
        {"ZustandLiegeboxen", 8, "KotMittigBoxenende", "TiefboxStarkeMuldenbildung"},
        {"LaufverhaltenAbliegedauer", 8, "LaufverhaltenKopfhaltungKl20", "AbliegedauerAbgebrochen"},
        {"StallerhebungLiegebereiche", 15, "BoxBoxenNr", "BoxLaengeKopfbereich"},
        {"StallerhebungFressLaufbereich", 35, "FressplatzFressgitterHoeheStandflaecheObereBegrenzung",
         "StallerhebungWassercheckTroglaenge"},
        {"StallerhebungKomfortHygiene", 21, "StallerhebungLaufhofVorhanden",
         "StallerhebungMischbuchtNutzung"},
        {"MobilityCheckCommon", 8, "KlauenreinigungMethode", "MobilityCheckVerhaltenEntlasten"},
        {"SauberkeitTechnopathien", 20, "Kuhnummer", "TechnopathienCarpusRechts"},
        {"MobilityCheckSeparate", 9, "Kuhnummer", "KlauenzustandStandBoden"},
        {"Velkora", 13, "Dunavis.Datum", "Dunavis.Chronisch.Gesamt"},
        {"Kommentar", 1, "Kommentar", "Kommentar"},
    };
    for (const TShape& Shape : Shapes) {
        TKWMemTable& Table = Area(Shape.Area);
        ASSERT_EQ(Table.FieldCount(), Shape.Count) << Shape.Area;
        EXPECT_EQ(Table.Fields(0).FieldName(), Shape.First) << Shape.Area;
        EXPECT_EQ(Table.Fields(Shape.Count - 1).FieldName(), Shape.Last) << Shape.Area;
    }
    EXPECT_EQ(Area("Betriebsdaten").FieldByName("EnabledPages").Size(), 1000);
    EXPECT_EQ(Area("Kommentar").FieldByName("Kommentar").Size(), 30000);
    EXPECT_THROW(FStore.GetData("Unbekannt"), EKWException);
}

TEST_F(KWDataStoreErfassungTest, NothingRecordedGivesAnEmptyObject)
{
    EXPECT_EQ(FStore.GetDataAsJson().dump(), "{}");
}

TEST_F(KWDataStoreErfassungTest, MultiRecordAreasBecomeArraysAndEmptyValuesKeepTheirForm)
{
    SetText("Betriebsdaten", "Stallname", "A");
    AppendCows(2);
    const TKWJson Json = FStore.GetDataAsJson();
    ASSERT_EQ(Json.size(), 2u);
    EXPECT_TRUE(Json["Betriebsdaten"].is_object());
    EXPECT_EQ(Json["Betriebsdaten"]["GesamtzahlKuehe"], 0);
    EXPECT_TRUE(Json["Betriebsdaten"]["DatumErfassung"].is_null());
    EXPECT_EQ(Json["SauberkeitTechnopathien"].size(), 2u);

    TKWDataStoreErfassung Copy;
    TKWJson Loaded = Json;
    Copy.LoadFromJson(Loaded, aBeratungBearbeiten);
    TKWMemTable& Farm = Copy.GetData("Betriebsdaten");
    EXPECT_FALSE(Farm.FieldByName("GesamtzahlKuehe").IsNull()) << "an unfilled integer comes back as 0";
    EXPECT_TRUE(Farm.FieldByName("DatumErfassung").IsNull());
    EXPECT_EQ(Copy.GetDataAsJson(), Json);
}

TEST_F(KWDataStoreErfassungTest, FollowUpVisitKeepsFarmDataAndCubicleCounts)
{
    TKWJson Json = StoredVisit();
    TKWDataStoreErfassung FollowUp;
    FollowUp.LoadFromJson(Json, aFolgeberatung);

    EXPECT_EQ(FollowUp.GetData("SauberkeitTechnopathien").RecordCount(), 0);
    EXPECT_EQ(FollowUp.GetData("AufenthaltsortKuehe").RecordCount(), 0);
    TKWMemTable& Farm = FollowUp.GetData("Betriebsdaten");
    EXPECT_EQ(Farm.FieldByName("Stallname").AsString(), "Nordstall");
    EXPECT_EQ(Farm.FieldByName("GesamtzahlKuehe").AsInteger(), 80);
    EXPECT_TRUE(Farm.FieldByName("DatumErfassung").IsNull());
    EXPECT_TRUE(Farm.FieldByName("VerhaeltnisLiegeTier").IsNull());
    TKWMemTable& Haltung = FollowUp.GetData("HaltungManagement");
    EXPECT_EQ(Haltung.FieldByName("AnzahlHochboxen").AsInteger(), 12);
    EXPECT_TRUE(Haltung.FieldByName("Buegeltyp").IsNull());
    EXPECT_FALSE(Json.contains("SauberkeitTechnopathien")) << "pruning changes the caller's object";
}

TEST_F(KWDataStoreErfassungTest, NewVisitKeepsOnlyTheFarmFields)
{
    TKWJson Json = StoredVisit();
    TKWDataStoreErfassung NewVisit;
    NewVisit.LoadFromJson(Json, aBeratungNeu);
    TKWMemTable& Farm = NewVisit.GetData("Betriebsdaten");
    EXPECT_EQ(Farm.FieldByName("GesamtzahlKuehe").AsInteger(), 80);
    EXPECT_TRUE(Farm.FieldByName("Stallname").IsNull());
    EXPECT_EQ(NewVisit.GetData("HaltungManagement").RecordCount(), 0);
}

TEST_F(KWDataStoreErfassungTest, ClearPersonalInformationBlanksTheFarmAndCutsTheRegion)
{
    const std::pair<QString, QString> Regions[] = {{"", ""}, {"A", "A"}, {"D-49377", "D-"}};
    for (const auto& [Region, Expected] : Regions) {
        TKWDataStoreErfassung Store;
        TKWMemTable& Farm = Store.GetData("Betriebsdaten");
        Farm.Edit();
        for (const char* Name : {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy", "EMail",
                                 "HITNummer", "UnternehmerNr", "Stallname"})
            Farm.FieldByName(Name).SetAsString("x");
        Farm.FieldByName("Region").SetAsString(Region);
        Farm.Post();
        Store.ClearPersonalInformation();
        for (const char* Name : {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy", "EMail",
                                 "HITNummer", "UnternehmerNr"})
            EXPECT_EQ(Farm.FieldByName(Name).AsString(), "") << Name;
        EXPECT_EQ(Farm.FieldByName("Stallname").AsString(), "x");
        EXPECT_EQ(Farm.FieldByName("Region").AsString(), Expected);
    }
    TKWDataStoreErfassung Empty;
    Empty.ClearPersonalInformation();
    EXPECT_EQ(Empty.GetData("Betriebsdaten").RecordCount(), 1);
}

TEST_F(KWDataStoreErfassungTest, UnreadableAreasAreLoggedAndLeftEmpty)
{
    TKWJson Json = TKWJson::parse(R"({
        "Betriebsdaten": {"Stallname": "Süd", "VerhaeltnisLiegeTier": "viel"},
        "HaltungManagement": [1, 2],
        "SauberkeitTechnopathien": [{"Kuhnummer": 1}, {"Kuhnummer": 2}, 7],
        "MobilityCheckCommon": {"KlauenreinigungLetzteAm": "gestern"},
        "MobilityCheckSeparate": {"Kuhnummer": 1},
        "Velkora": {"Dunavis.Gesund.Anzahl": 5},
        "Zukunft": {"Neu": 1}
    })");
    FStore.LoadFromJson(Json, aBeratungBearbeiten);
    for (const char* Name : {"Betriebsdaten", "HaltungManagement", "SauberkeitTechnopathien",
                             "MobilityCheckCommon", "MobilityCheckSeparate"})
        EXPECT_EQ(Area(Name).RecordCount(), 0) << Name;
    EXPECT_EQ(Area("Velkora").FieldByName("Dunavis.Gesund.Anzahl").AsInteger(), 5);
    EXPECT_EQ(ReadLogLines(), (QStringList{"TempID=Betriebsdaten", "TempID=HaltungManagement",
                                           "TempID=MobilityCheckCommon",
                                           "TempID=SauberkeitTechnopathien",
                                           "TempID=MobilityCheckSeparate"}));
}

TEST_F(KWDataStoreErfassungTest, ClearDataKeepsTheTables)
{
    TKWMemTable* Cows = &Area("SauberkeitTechnopathien");
    AppendCows(2);
    FStore.ClearData();
    EXPECT_EQ(&Area("SauberkeitTechnopathien"), Cows);
    EXPECT_EQ(Cows->RecordCount(), 0);
}

} // namespace
