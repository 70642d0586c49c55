#include "KWDataStore.h"

#include "KWDataStoreErfassung.h"
#include "KWException.h"
#include "KWIndikator.h"
#include "KWMemTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const QString Kennung = QStringLiteral(
    R"({"Configuration":"Kvo2021","UUID":"U","Timestamp":"T","TimestampVorherigerBesuch":"",)"
    R"("Composed":"U.T","Short":"0000ABCD","Version":"qomvi test"})");

TEST(KWDataStore, AnEmptiedDocumentHoldsOnlyItsCodeAndTheEmptyEvaluation)
{
    TKWDataStore Store;
    Store.ClearData();
    Store.SetKennung(Kennung);
    const TKWJson Json = Store.GetDataAsJson();
    std::vector<std::string> Members;
    for (const auto& [Name, Value] : Json.items())
        Members.push_back(Name);
    EXPECT_EQ(Members, (std::vector<std::string>{"Erfassung", "Auswertung", "Kennung"}));
    EXPECT_EQ(Json["Erfassung"].dump(), R"({"Betriebsdaten":)" +
                                            Json["Erfassung"]["Betriebsdaten"].dump() + "}");
    EXPECT_EQ(Json["Erfassung"]["Betriebsdaten"]["ErfassungsCode"], "0000ABCD");
    EXPECT_EQ(Json["Kennung"].dump(), Kennung.toStdString());
    EXPECT_EQ(Json["Auswertung"]["Ursachen"], TKWJson::array());
}

TEST(KWDataStore, WrittenDocumentsLoadBackUnchanged)
{
    TKWDataStore Store;
    Store.SetKennung(Kennung);
    TKWMemTable& Places = Store.GetDataErfassung("AufenthaltsortKuehe");
    Places.Edit();
    Places.FieldByName("LiegenBox").SetAsInteger(30);
    Places.FieldByName("Fressgitter").SetAsInteger(10);
    Places.Post();
    Store.GetIndikator("LiegenBox").SetRating("-");
    Store.GetIndikator("LiegenBox").SetWeakness(true);
    Store.GetUrsachen() << "Nackenrohr";
    Store.GetMassnahmen() << "Nackenrohr höher positionieren|1|bald";
    const TKWJson Written = Store.GetDataAsJson();

    TKWDataStore Copy;
    Copy.LoadFromJsonString(QString::fromStdString(Written.dump()), aBeratungBearbeiten);
    Copy.SetKennung(Kennung);
    const TKWJson Again = Copy.GetDataAsJson();
    EXPECT_EQ(Again["Erfassung"], Written["Erfassung"]);
    EXPECT_EQ(Again["Auswertung"], Written["Auswertung"]);
    EXPECT_EQ(Copy.GetSchwachstellenIndikatorenIDs(), "LiegenBox,");
}

TEST(KWDataStore, TheIdentificationIsCopiedAndNeverReadFromTheText)
{
    TKWDataStore Store;
    Store.SetKennung(Kennung);
    TKWJson Json = Store.GetDataAsJson();
    Json["Kennung"]["Short"] = "changed";
    EXPECT_EQ(Store.GetDataAsJson()["Kennung"]["Short"], "0000ABCD");

    Store.LoadFromJsonString(R"({"Kennung":{"Short":"FREMD"}})", aBeratungBearbeiten);
    EXPECT_EQ(Store.GetDataAsJson()["Kennung"]["Short"], "0000ABCD");
}

TEST(KWDataStore, BadTextsAreErrorsAndEmptyObjectsChangeNothing)
{
    TKWDataStore Store;
    Store.LoadFromJsonString("{}", aBeratungBearbeiten);
    EXPECT_EQ(Store.GetDataErfassung("Betriebsdaten").RecordCount(), 0);
    for (const char* Bad : {"", "[1]", "{\"Erfassung\":", "42"})
        EXPECT_THROW(Store.LoadFromJsonString(Bad, aBeratungBearbeiten), EKWException) << Bad;
    EXPECT_THROW(Store.SetKennung(R"({"UUID":"U"})"), EKWException);
}

} // namespace
