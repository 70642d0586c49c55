#include "KWDataStore.h"

#include "KWDataStoreAuswertung.h"
#include "KWDataStoreErfassung.h"
#include "KWException.h"
#include "KWJsonReader.h"
#include "KWJsonWriter.h"
#include "KWMemTable.h"

TKWDataStore::TKWDataStore()
    : FDataStoreErfassung(std::make_unique<TKWDataStoreErfassung>()),
      FDataStoreAuswertung(std::make_unique<TKWDataStoreAuswertung>(*FDataStoreErfassung))
{
}

TKWDataStore::~TKWDataStore() = default;

void TKWDataStore::ClearData()
{
    FDataStoreErfassung->ClearData();
    FDataStoreAuswertung->ClearData();
}

void TKWDataStore::ClearPersonalInformation()
{
    FDataStoreErfassung->ClearPersonalInformation();
}

TKWMemTable& TKWDataStore::GetDataErfassung(const QString& ID) const
{
    return FDataStoreErfassung->GetData(ID);
}

const TKWIndikatorList& TKWDataStore::GetDataIndikatoren(const QString& ID) const
{
    return FDataStoreAuswertung->GetIndikatorList(ID);
}

TKWIndikator& TKWDataStore::GetIndikator(const QString& ID) const
{
    return FDataStoreAuswertung->GetIndikator(ID);
}

QString TKWDataStore::GetSchwachstellenIndikatorenIDs() const
{
    return FDataStoreAuswertung->GetSchwachstellenIndikatorenIDs();
}

TKWIndikatorList TKWDataStore::GetSchwachstellenIndikatoren() const
{
    return FDataStoreAuswertung->GetSchwachstellenIndikatoren();
}

QString TKWDataStore::GetUrsachenIDs() const
{
    return FDataStoreAuswertung->GetUrsachenIDs();
}

QStringList& TKWDataStore::GetUrsachen() const
{
    return FDataStoreAuswertung->Ursachen();
}

QStringList& TKWDataStore::GetMassnahmen() const
{
    return FDataStoreAuswertung->Massnahmen();
}

TKWJson TKWDataStore::GetDataAsJson() const
{
    return KWParseJson(GetDataAsJsonText());
}

std::string TKWDataStore::GetDataAsJsonText() const
{
    TKWJsonWriter Writer;
    Writer.BeginObject();
    Writer.Key("Erfassung");
    FDataStoreErfassung->WriteJson(Writer);
    Writer.Key("Auswertung");
    FDataStoreAuswertung->WriteJson(Writer);
    Writer.Key("Kennung");
    Writer.Value(FDataStoreKennung ? *FDataStoreKennung : TKWJson::object());
    Writer.EndObject();
    return Writer.TakeText();
}

void TKWDataStore::LoadFromJsonString(const QString& Beratung, TKWAction AAction)
{
    TKWJson Document = KWParseJson(Beratung);
    LoadFromJson(Document, AAction);
}

void TKWDataStore::LoadFromJson(TKWJson& ABeratung, TKWAction AAction)
{
    if (!ABeratung.is_object())
        throw EKWException(QStringLiteral("The visit document is not a JSON object."));
    if (const auto Erfassung = ABeratung.find("Erfassung"); Erfassung != ABeratung.end())
        FDataStoreErfassung->LoadFromJson(*Erfassung, AAction);
    if (const auto Auswertung = ABeratung.find("Auswertung"); Auswertung != ABeratung.end())
        FDataStoreAuswertung->LoadFromJson(*Auswertung, AAction);
}

void TKWDataStore::SetKennung(const QString& Kennung)
{
    TKWJson Parsed = KWParseJson(Kennung);
    const auto Short = Parsed.is_object() ? Parsed.find("Short") : Parsed.end();
    if (!Parsed.is_object() || Short == Parsed.end() || !Short->is_string())
        throw EKWException(QStringLiteral("The identification has no short code."));
    FDataStoreKennung = std::move(Parsed);
    TKWMemTable& Betriebsdaten = FDataStoreErfassung->GetData(QStringLiteral("Betriebsdaten"));
    Betriebsdaten.Edit();
    Betriebsdaten.FieldByName(QStringLiteral("ErfassungsCode"))
        .SetAsString(QString::fromStdString(FDataStoreKennung->at("Short").get<std::string>()));
    Betriebsdaten.Post();
}
