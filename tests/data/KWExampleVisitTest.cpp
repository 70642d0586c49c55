#include "KWExampleVisit.h"

#include "KWCode.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWDataStoreAuswertung.h"
#include "KWDataStoreErfassung.h"
#include "KWIndikator.h"
#include "KWMemTable.h"
#include "KWUrsachenHelper.h"
#include "KWUtils.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QSet>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

class KWExampleVisitTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TCodes::Init(); }
    static void TearDownTestSuite() { TCodes::Terminate(); }

    void SetUp() override
    {
        ResetLog();
        FStore.ClearData();
        KWFillExampleVisit(FStore);
    }

    TKWMemTable& Area(const char* AName) const { return FStore.GetDataErfassung(AName); }
    int Int(const char* AArea, const char* AField) const
    {
        return Area(AArea).FieldByName(AField).AsInteger();
    }
    int Sum(const char* AArea, std::initializer_list<const char*> AFields) const
    {
        int Result = 0;
        for (const char* Field : AFields)
            Result += Int(AArea, Field);
        return Result;
    }

    TKWDataStore FStore;
};

TEST_F(KWExampleVisitTest, EveryAreaHoldsAFreeStallBarnOf2024)
{
    for (const QString& Name : TKWDataStoreErfassung::AreaNames())
        EXPECT_GT(FStore.GetDataErfassung(Name).RecordCount(), 0) << Name.toStdString();

    TKWMemTable& Farm = Area("Betriebsdaten");
    // Only a barn name starting with "Demo" keeps the example from being overwritten or deleted.
    EXPECT_TRUE(Farm.FieldByName("Stallname").AsString().startsWith(QLatin1String("Demo")));
    EXPECT_EQ(Farm.FieldByName("DatumErfassung").AsDate().year(), 2024);
    EXPECT_EQ(Farm.FieldByName("Stallsystem").AsString(), "LL");

    // Every heading of the default comment stays, so the comment popup finds its sections.
    const QStringList Comment =
        Area("Kommentar").FieldByName("Kommentar").AsString().split(QStringLiteral("\r\n"));
    for (const QString& Line : KWLoadStringsResource(QStringLiteral("KommentarStandardText")))
        if (Line.startsWith(QLatin1Char('*'))) {
            EXPECT_TRUE(Comment.contains(Line)) << Line.toStdString();
        }
    EXPECT_GT(Comment.size(),
              KWLoadStringsResource(QStringLiteral("KommentarStandardText")).size());
}

// The counts are checked the way the recording pages check them, so no page title turns red
// and no evaluation share exceeds its whole.
TEST_F(KWExampleVisitTest, CountsFitTogether)
{
    const int Tiere = Int("Betriebsdaten", "AnzahlTiereErfassungsgruppe");
    const int Hochboxen = Int("HaltungManagement", "AnzahlHochboxen");
    const int Tiefboxen =
        Sum("HaltungManagement", {"AnzahlTiefboxen", "AnzahlHochverlegteTiefboxen"});
    const int Boxen = Hochboxen + Tiefboxen;
    EXPECT_EQ(Int("Betriebsdaten", "AnzahlLiegeboxen"), Boxen);
    EXPECT_EQ(Int("Betriebsdaten", "AnzahlFressplaetze"),
              Int("StallerhebungFressLaufbereich", "AnzahlFressplaetze"));

    const int Gefunden =
        Sum("AufenthaltsortKuehe",
            {"Fressgitter", "Futtergang", "Boxengang", "WartenAMS", "StehenBox2Beine",
             "StehenBox4Beine", "LiegenBox", "LiegenLaufflaeche"});
    EXPECT_LE(Gefunden, Tiere);
    EXPECT_GE(Gefunden * 10, Tiere * 9);
    EXPECT_LE(Sum("AufenthaltsortKuehe", {"StehenBox2Beine", "StehenBox4Beine", "LiegenBox"}),
              Boxen);
    const int Liegend = Int("AufenthaltsortKuehe", "LiegenBox");
    const int Positionen =
        Sum("LiegepositionKuehe", {"Brustlage", "GestrecktesVorderbein", "GestrecktesHinterbein",
                                   "Schlafposition", "TotaleSeitenlage"});
    EXPECT_LE(std::abs(Positionen - Liegend) * 10, Liegend);

    EXPECT_LE(Sum("ZustandLiegeboxen", {"KotMittigBoxenende", "KotUnterLiegeboxenbuegel"}), Boxen);
    EXPECT_EQ(Sum("ZustandLiegeboxen",
                  {"HochboxVollstaendig", "HochboxLueckenhaft", "HochboxVereinzelt"}),
              Hochboxen);
    EXPECT_EQ(Sum("ZustandLiegeboxen", {"TiefboxKeineMuldenbildung", "TiefboxLeichteMuldenbildung",
                                        "TiefboxStarkeMuldenbildung"}),
              Tiefboxen);

    TKWMemTable& Blocks = Area("LiegeboxenKomfortIndex");
    EXPECT_GE(Blocks.RecordCount(), 4);
    EXPECT_LE(Blocks.RecordCount(), 6);
    int BlockBoxen = 0;
    for (Blocks.First(); !Blocks.Eof(); Blocks.Next()) {
        const int Anzahl = Blocks.FieldByName("AnzahlBoxen").AsString().toInt();
        EXPECT_LE(Blocks.FieldByName("AnzahlKueheLiegend").AsInteger(),
                  Blocks.FieldByName("GesamtzahlKueheBox").AsInteger());
        EXPECT_LE(Blocks.FieldByName("GesamtzahlKueheBox").AsInteger(), Anzahl);
        BlockBoxen += Anzahl;
    }
    EXPECT_LE(BlockBoxen, Boxen);
    EXPECT_GE(Area("StallerhebungLiegebereiche").RecordCount(), 4);
    EXPECT_LE(Area("StallerhebungLiegebereiche").RecordCount(), 6);

    EXPECT_NEAR(
        Sum("MobilityCheckCommon", {"MobilityCheckVerhaltenRuhig", "MobilityCheckVerhaltenTrippeln",
                                    "MobilityCheckVerhaltenEntlasten"}),
        20, 2);
    for (const char* Figure :
         {"Gesund", "ErstMastitis", "NeuInLaktation", "NeuInTrocken", "Heilung", "Chronisch"}) {
        const QString Prefix = QStringLiteral("Dunavis.") + QLatin1String(Figure);
        const int Gesamt =
            Area("Velkora").FieldByName(Prefix + QStringLiteral(".Gesamt")).AsInteger();
        EXPECT_GT(Gesamt, 0) << Figure;
        EXPECT_LE(Area("Velkora").FieldByName(Prefix + QStringLiteral(".Anzahl")).AsInteger(),
                  Gesamt)
            << Figure;
    }
}

// Each score must be one the single-cow page offers for its field, or the page shows it red.
TEST_F(KWExampleVisitTest, SingleCowScoresAreOnTheirScales)
{
    TKWMemTable& Sauberkeit = Area("SauberkeitTechnopathien");
    TKWMemTable& Mobility = Area("MobilityCheckSeparate");
    ASSERT_EQ(Sauberkeit.RecordCount(), Mobility.RecordCount());
    EXPECT_NEAR(Sauberkeit.RecordCount(), 20, 2);

    const QSet<int> Clean = {1, 2, 3, 4, 5, 6};
    const QSet<int> Klaue = {1, 2, 3};
    const QSet<int> Score = {1, 3, 5};
    const struct
    {
        TKWMemTable& Table;
        const char* Field;
        QSet<int> Offered;
    } Scales[] = {{Sauberkeit, "SauberkeitHinterhand", Clean},
                  {Sauberkeit, "SauberkeitKreuz", Clean},
                  {Sauberkeit, "SauberkeitEuterBauch", Clean},
                  {Sauberkeit, "SauberkeitSchwanz", Clean},
                  {Sauberkeit, "SauberkeitSchwanzquast", Clean + QSet<int>{0}},
                  {Sauberkeit, "SauberkeitSitzbein", Clean},
                  {Sauberkeit, "SauberkeitUnterbein", Clean},
                  {Sauberkeit, "TechnopathienTarsus", {0, 1, 2, 3, 4}},
                  {Sauberkeit, "TechnopathienKnie", {0, 1, 2}},
                  {Sauberkeit, "TechnopathienWirbelsaeule", {0, 3, 4}},
                  {Sauberkeit, "TechnopathienWiderrist", {0, 1, 2, 3}},
                  {Sauberkeit, "TechnopathienWamme", {0, 1}},
                  {Sauberkeit, "TechnopathienCarpus", {0, 1, 2, 3}},
                  {Mobility, "Standingscore", Score},
                  {Mobility, "Locomotionscore", Score},
                  {Mobility, "KlauenzustandDorsalwandLaenge", Klaue},
                  {Mobility, "KlauenzustandDorsalwandKruemmung", Klaue},
                  {Mobility, "KlauenzustandTrachtenhoehe", Klaue},
                  {Mobility, "KlauenzustandZehenGleich", Klaue},
                  {Mobility, "KlauenzustandBallenhaut", Klaue},
                  {Mobility, "KlauenzustandStandBoden", Klaue}};
    for (const auto& Scale : Scales)
        for (Scale.Table.First(); !Scale.Table.Eof(); Scale.Table.Next())
            EXPECT_TRUE(Scale.Offered.contains(Scale.Table.FieldByName(Scale.Field).AsInteger()))
                << Scale.Field << " of cow " << Scale.Table.RecNo();

    for (Sauberkeit.First(), Mobility.First(); !Sauberkeit.Eof();
         Sauberkeit.Next(), Mobility.Next())
        EXPECT_EQ(Sauberkeit.FieldByName("Kuhnummer").AsInteger(),
                  Mobility.FieldByName("Kuhnummer").AsInteger());
}

// Coded answers hold codes, never labels; a wrong code shows as a raw text on the pages.
TEST_F(KWExampleVisitTest, CodedAnswersAreCodesOfTheirLists)
{
    const struct
    {
        const char* Area;
        const char* Field;
        const char* Group;
        // The tie-stall length and the cubicle slope are recorded by no page of a free-stall barn.
        bool Recorded = true;
    } CodedFields[] = {
        {"Betriebsdaten", "Stallsystem", "STALLSYSTEM"},
        {"Betriebsdaten", "Stalltyp", "STALLREIHEN"},
        {"Betriebsdaten", "Stallboxentyp", "STALLBOXEN", false},
        {"Betriebsdaten", "Melksystem", "MELKSYSTEM"},
        {"Betriebsdaten", "Melkstand", "MELKSTAND"},
        {"Betriebsdaten", "Rasse", "RASSE"},
        {"Betriebsdaten", "BeschreibungErfassungsgruppe", "ERFASS_GR"},
        {"HaltungManagement", "GefaelleLiegebox", "GefaelleLiegebox", false},
        {"HaltungManagement", "Buegeltyp", "BUEGEL"},
        {"HaltungManagement", "Bugbegrenzung", "BUG_BEG"},
        {"HaltungManagement", "HochboxLiegeboxenbelag", "HBOX_BEL"},
        {"HaltungManagement", "HochboxEinstreumaterial", "HBOX_STREU"},
        {"HaltungManagement", "HochboxZusaetzlichKalk", "ZUS_KAL"},
        {"HaltungManagement", "TiefboxGrundmaterial", "TBOX_GRUND"},
        {"HaltungManagement", "TiefboxDeckschichtmaterial", "TBOX_DECK"},
        {"HaltungManagement", "TiefboxZusaetzlichKalk", "ZUS_KAL"},
        {"HaltungManagement", "ArtBodenFuttergang", "BOD_FUTT"},
        {"HaltungManagement", "ArtBodenLaufgang", "BOD_LAUF"},
        {"HaltungManagement", "ArtLaufflaechenreinigung", "LAUF_REIN"},
        {"HaltungManagement", "Fuetterungssystem", "FUETTERUNGSYSTEM"},
        {"HaltungManagement", "Rationsgestalltung", "RATIONSGESTALTUNG"},
        {"HaltungManagement", "HaeufigkeitBoxenpflege", "HAEUF_BOX_PFL"},
        {"HaltungManagement", "HaeufigkeitEinstreuenHB", "HAEUF_NACHSTR"},
        {"HaltungManagement", "HaeufigkeitNachstreuen", "HAEUF_NACHSTR"},
        {"HaltungManagement", "HaeufigkeitLaufflaechenreinigung", "HAEUF_LAUF_REIN"},
        {"StallerhebungLiegebereiche", "BoxBoxentyp", "BOXENTYP"},
        {"StallerhebungFressLaufbereich", "ArtBegrenzung", "ART_BEG"},
        {"StallerhebungFressLaufbereich", "AusfuehrungSockel", "AUSF_SOCK"},
        {"StallerhebungFressLaufbereich", "Rutschfestigkeit", "RUTSCHFEST"},
        {"StallerhebungFressLaufbereich", "Trittsicherheit", "TRITTSICHER"},
        {"StallerhebungFressLaufbereich", "StallerhebungWassercheckZufluss", "WASSERCHECK_ZUFLUSS"},
        {"StallerhebungKomfortHygiene", "StallerhebungWeideTraenke", "WEIDE_TRAENKE"},
        {"StallerhebungKomfortHygiene", "StallerhebungWeideUnterstand", "WEIDE_UNTERSTAND"},
        {"StallerhebungKomfortHygiene", "StallerhebungBuersteArt", "BUERSTE_ART"},
        {"StallerhebungKomfortHygiene", "StallerhebungBuersteZustand", "BUERSTE_ZUSTAND"},
        {"StallerhebungKomfortHygiene", "StallerhebungKrankenbuchtBauart", "BUCHT_BAUART"},
        {"StallerhebungKomfortHygiene", "StallerhebungKrankenbuchtSauberkeit", "BUCHT_SAUBER"},
        {"StallerhebungKomfortHygiene", "StallerhebungAbkalbebuchtBauart", "BUCHT_BAUART"},
        {"StallerhebungKomfortHygiene", "StallerhebungAbkalbebuchtSauberkeit", "BUCHT_SAUBER"},
        {"MobilityCheckCommon", "KlauenreinigungMethode", "REINIGUNG_METHODE"},
        {"MobilityCheckCommon", "KlauenreinigungMittel", "REINIGUNG_MITTEL"},
    };
    for (const auto& Coded : CodedFields) {
        const TKWCodesystem& Group = TCodes::GetCodesystem(Coded.Group);
        TKWMemTable& Table = Area(Coded.Area);
        for (Table.First(); !Table.Eof(); Table.Next()) {
            const QString Value = Table.FieldByName(Coded.Field).AsString();
            if (Coded.Recorded)
                EXPECT_TRUE(Group.Contains(Value)) << Coded.Field << " = " << Value.toStdString();
            else
                EXPECT_TRUE(Value.isEmpty()) << Coded.Field << " = " << Value.toStdString();
        }
    }
}

TEST_F(KWExampleVisitTest, EveryEvaluationPageShowsValues)
{
    for (const QString& Key : TKWDataStoreAuswertung::AuswertungKeys()) {
        int Shown = 0;
        for (TKWIndikator* Indikator : FStore.GetDataIndikatoren(Key)) {
            Indikator->RefreshValue();
            if (!std::isnan(Indikator->Value()) && Indikator->Value() != 0)
                ++Shown;
        }
        EXPECT_GT(Shown, 0) << Key.toStdString();
    }
}

// The advice pages drop what does not follow from the weak points: a cause area the catalogue
// does not propose for them, or a measure that serves none of them through a chosen area, would
// vanish as soon as the example is opened and its advice pages are left.
TEST_F(KWExampleVisitTest, AdviceFollowsTheCatalogue)
{
    const std::set<QString> Ratings = {"--", "-", "o", "+"};
    int Rated = 0;
    for (const QString& Key : TKWDataStoreAuswertung::AuswertungKeys())
        for (const TKWIndikator* Indikator : FStore.GetDataIndikatoren(Key)) {
            if (Indikator->Rating().isEmpty())
                continue;
            ++Rated;
            EXPECT_TRUE(Ratings.count(Indikator->Rating()))
                << Indikator->Definition().ID.toStdString();
            // The signal pages offer no "--".
            if (Key.startsWith(QLatin1String("Signale"))) {
                EXPECT_NE(Indikator->Rating(), "--") << Indikator->Definition().ID.toStdString();
            }
        }
    EXPECT_GE(Rated, 10);

    const QString Weak = FStore.GetSchwachstellenIndikatorenIDs();
    EXPECT_GE(FStore.GetSchwachstellenIndikatoren().size(), 4);
    EXPECT_LE(FStore.GetSchwachstellenIndikatoren().size(), 6);

    const QStringList& Causes = FStore.GetUrsachen();
    EXPECT_GE(Causes.size(), 2);
    EXPECT_LE(Causes.size(), 3);
    const QString Proposed = GetUrsachenForIndikatoren(Weak);
    for (const QString& Cause : Causes)
        EXPECT_TRUE(IsInList(Proposed, Cause, ",")) << Cause.toStdString();

    TKWPrioList Offered;
    GetMassnahmenForAuswahl(Weak, FStore.GetUrsachenIDs(), Offered);
    const QStringList& Measures = FStore.GetMassnahmen();
    EXPECT_GE(Measures.size(), 3);
    EXPECT_LE(Measures.size(), 5);
    for (const QString& Entry : Measures) {
        const QStringList Pieces = Entry.split(QLatin1Char('|'));
        ASSERT_EQ(Pieces.size(), 3) << Entry.toStdString();
        EXPECT_TRUE(std::any_of(Offered.cbegin(), Offered.cend(), [&](const TKWPrioPair& Pair) {
            return Pair.first == Pieces[0];
        })) << Pieces[0].toStdString();
        const int Priority = Pieces[1].toInt();
        EXPECT_GE(Priority, 1) << Entry.toStdString();
        EXPECT_LE(Priority, 3) << Entry.toStdString();
        EXPECT_FALSE(Pieces[2].trimmed().isEmpty()) << Entry.toStdString();
        EXPECT_LE(Pieces[2].size(), 100) << Entry.toStdString();
    }
}

// Opening the example as a stored visit, including the repairs applied to every opened visit,
// must give back exactly what was stored.
TEST_F(KWExampleVisitTest, OpensUnchangedFromItsJson)
{
    const TKWJson Document = FStore.GetDataAsJson();
    TKWDataStore Opened;
    Opened.LoadFromJsonString(QString::fromStdString(Document.dump()), aBeratungBearbeiten);
    TKWDataManagement::NormalizeDataFields(Opened);
    EXPECT_EQ(Opened.GetDataAsJson(), Document);
}

} // namespace
