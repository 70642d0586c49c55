// The document text of a visit is written straight from the tables. These goldens were written
// by the earlier writer, which built the whole tree and dumped it: the bytes must not change.
#include "KWCode.h"
#include "KWDataStore.h"
#include "KWDataStoreAuswertung.h"
#include "KWDataStoreErfassung.h"
#include "KWExampleVisit.h"
#include "KWIndikator.h"
#include "KWMemTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>

#include <cmath>
#include <limits>

namespace {

const char* const Texts[] = {"", "Nord", "\"Süd\"", "a\\b", "Zeile 1\nZeile 2\r\n", "\t\x01\x1f\x7f",
                             "Kühe € 😀", "SONST:Weide", "\\n bleibt"};

// Every field of every area, with texts that need escaping, empty fields, and floats of every
// form (whole, fractional, tiny, huge, not a number).
void FillVaried(TKWDataStore& AStore, int ACows)
{
    const double Floats[] = {0, 1, 0.95, 1.0 / 3, -2.5, 1e-7, 123456789012.345, 1e300,
                             std::numeric_limits<double>::quiet_NaN()};
    int Seed = 0;
    for (const QString& ID : TKWDataStoreErfassung::AreaNames()) {
        TKWMemTable& Table = AStore.GetDataErfassung(ID);
        const int Records = TKWDataStoreErfassung::IsMultiRecordArea(ID) ? ACows : 1;
        for (int R = 0; R < Records; ++R) {
            Table.Append();
            for (int I = 0; I < Table.FieldCount(); ++I, ++Seed) {
                TKWField& Field = Table.Fields(I);
                if (Seed % 11 == 0)
                    continue; // stays empty
                switch (Field.DataType()) {
                case TKWFieldType::ftString: Field.SetAsString(QString::fromUtf8(Texts[Seed % std::size(Texts)])); break;
                case TKWFieldType::ftInteger: Field.SetAsInteger(Seed % 7 == 0 ? -Seed : Seed % 6); break;
                case TKWFieldType::ftFloat: Field.SetAsFloat(Floats[Seed % std::size(Floats)]); break;
                case TKWFieldType::ftBoolean: Field.SetAsBoolean(Seed % 2 == 0); break;
                case TKWFieldType::ftDate: Field.SetAsDate(QDate(2024, 1, 1).addDays(Seed % 400)); break;
                case TKWFieldType::ftTime: Field.SetAsTime(QTime(0, 0).addSecs(Seed * 37 % 86400)); break;
                case TKWFieldType::ftDateTime: Field.SetAsDateTime(QDateTime(QDate(2024, 5, 1), QTime(8, 0))); break;
                }
            }
            Table.Post();
        }
    }
    int Rated = 0;
    for (const auto& Definition : AStore.DataStoreAuswertung().IndikatorDefinitions()) {
        TKWIndikator& Indikator = AStore.GetIndikator(Definition->ID);
        Indikator.SetRating(QStringList{"", "--", "-", "o", "+"}[Rated % 5]);
        Indikator.SetWeakness(++Rated % 3 == 0);
    }
    AStore.GetUrsachen() << "Liegebox" << "Sonst \"x\"";
    AStore.GetMassnahmen() << "Boxen nachstreuen|1|sofort\n" << "a||";
    AStore.SetKennung(R"({"Configuration":"Kvo2021","Short":"0000ABCD","Version":"test"})");
}

QByteArray Golden(const char* AName)
{
    QFile File(QStringLiteral(QOMVI_TEST_GOLDEN_DIR "/") + AName);
    EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << AName;
    return File.readAll();
}

QByteArray DocumentText(const TKWDataStore& AStore)
{
    return QByteArray::fromStdString(AStore.GetDataAsJsonText());
}

class KWDocumentTextTest : public ::testing::Test
{
protected:
    void SetUp() override { TCodes::Init(); }
    TScopedLocale FGerman{QLocale::German, QLocale::Germany};
};

TEST_F(KWDocumentTextTest, TheExampleVisitIsWrittenAsBefore)
{
    TKWDataStore Store;
    KWFillExampleVisit(Store);
    Store.SetKennung(R"({"Configuration":"Kvo2021","Short":"0000ABCD","Version":"test"})");
    const QByteArray Text = DocumentText(Store);
    EXPECT_EQ(Text, Golden("ExampleVisit.json"));
}

TEST_F(KWDocumentTextTest, ALargeVariedVisitIsWrittenAsBefore)
{
    TKWDataStore Store;
    FillVaried(Store, 500);
    const QByteArray Text = DocumentText(Store);
    const QList<QByteArray> Expected = Golden("VariedVisit500.sha256").trimmed().split(' ');
    ASSERT_EQ(Expected.size(), 2);
    EXPECT_EQ(QByteArray::number(Text.size()), Expected[1]);
    EXPECT_EQ(QCryptographicHash::hash(Text, QCryptographicHash::Sha256).toHex(), Expected[0]);
}

} // namespace
