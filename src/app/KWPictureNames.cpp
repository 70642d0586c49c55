#include "KWPictureNames.h"

#include "KWException.h"

namespace {

const QString SauberkeitTechnopathien = QStringLiteral("SauberkeitTechnopathien");

QList<TKWPictureChoice> Choices(const QList<int>& AValues, const QStringList& ASuffixes)
{
    QList<TKWPictureChoice> Result;
    for (qsizetype I = 0; I < AValues.size(); ++I)
        Result.append({AValues[I], ASuffixes[I]});
    return Result;
}

// Standing and locomotion score: one suffix per value 1 to 5.
QList<TKWPictureChoice> BackChoices()
{
    return Choices({1, 2, 3, 4, 5}, {"RueckenGerade", "RueckenLeichtKrumm", "RueckenMittelKrumm",
                                     "RueckenStarkKrumm", "RueckenSchwerKrumm"});
}

QList<TKWPictureChoice> ClawChoices()
{
    return Choices({1, 2, 3}, {"Normal", "Auffaellig", "Auffaellig2"});
}

QList<TKWPictureChoice> CleanlinessChoices()
{
    return Choices({1, 2, 3, 4, 5, 6}, {"Sauber", "Spritzer", "Flecken", "KotAnhaftung",
                                        "KlutenbildungBeginn", "KlutenbildungStark"});
}

// The technopathy scale; each body part offers some of its values.
QList<TKWPictureChoice> TechnopathyChoices(const QList<int>& AValues)
{
    static const QStringList Suffixes{"KeinBefund", "HaarloseStelle", "HautloseStelle",
                                      "Umfangsvermehrung", "UmfangsvermehrungOffen"};
    QList<TKWPictureChoice> Result;
    for (const int Value : AValues)
        Result.append({Value, Suffixes[Value]});
    return Result;
}

QList<TKWScorePictures> BuildScorePictures()
{
    QList<TKWScorePictures> Rows{
        {"Standingscore", "Standingscore", BackChoices()},
        {"Locomotionscore", "Locomotionscore", BackChoices()},
    };
    for (const char* Field : {"KlauenzustandDorsalwandLaenge", "KlauenzustandDorsalwandKruemmung",
                              "KlauenzustandTrachtenhoehe", "KlauenzustandZehenGleich",
                              "KlauenzustandBallenhaut", "KlauenzustandStandBoden"})
        Rows.append({Field, Field, ClawChoices()});
    for (const char* Field :
         {"SauberkeitHinterhand", "SauberkeitKreuz", "SauberkeitEuterBauch", "SauberkeitSchwanz",
          "SauberkeitSchwanzquast", "SauberkeitSitzbein", "SauberkeitUnterbein"})
        Rows.append({Field, SauberkeitTechnopathien + Field, CleanlinessChoices()});
    const QList<std::pair<const char*, QList<int>>> Technopathies{
        {"TechnopathienTarsus", {0, 1, 2, 3, 4}}, {"TechnopathienKnie", {0, 1, 2}},
        {"TechnopathienWirbelsaeule", {0, 3, 4}}, {"TechnopathienWiderrist", {0, 1, 2, 3}},
        {"TechnopathienWamme", {0, 1}},           {"TechnopathienCarpus", {0, 1, 2, 3}}};
    for (const auto& [Field, Values] : Technopathies)
        Rows.append({Field, SauberkeitTechnopathien + Field, TechnopathyChoices(Values)});
    return Rows;
}

} // namespace

QStringList TKWScorePictures::PictureNames() const
{
    QStringList Result;
    for (const TKWPictureChoice& Choice : Choices)
        Result.append(BaseName + Choice.Suffix);
    return Result;
}

QStringList TKWCounterPictures::PictureNames() const
{
    QStringList Result;
    for (const QString& Field : Fields)
        Result.append(NamedByField ? Field : KWCounterPictureName(Area, Field));
    return Result;
}

QString KWCounterPictureName(const QString& AArea, const QString& AField)
{
    return AArea + AField;
}

const QList<TKWCounterPictures>& KWCounterPictures()
{
    static const QList<TKWCounterPictures> Counters{
        {"AufenthaltsortKuehe",
         {"Fressgitter", "Futtergang", "Boxengang", "WartenAMS", "StehenBox2Beine",
          "StehenBox4Beine", "LiegenBox", "LiegenLaufflaeche"}},
        {"LiegepositionKuehe",
         {"Brustlage", "GestrecktesVorderbein", "GestrecktesHinterbein", "Schlafposition",
          "TotaleSeitenlage"}},
        {"LiegeboxenKomfortIndex", {"GesamtzahlKueheBox", "AnzahlKueheLiegend"}},
        {"LaufverhaltenAbliegedauer",
         {"LaufverhaltenKopfhaltungKl20", "LaufverhaltenKopfhaltungGr20",
          "LaufverhaltenAuffaelligeLahmheiten", "KoerperpflegeDreibeinigesStehenLaufflaeche",
          "AbliegedauerZuegig", "AbliegedauerZoegerlich", "AbliegedauerVerweigernd",
          "AbliegedauerAbgebrochen"}},
        {"ZustandLiegeboxen",
         {"KotMittigBoxenende", "KotUnterLiegeboxenbuegel", "HochboxVollstaendig",
          "HochboxLueckenhaft", "HochboxVereinzelt", "TiefboxKeineMuldenbildung",
          "TiefboxLeichteMuldenbildung", "TiefboxStarkeMuldenbildung"}},
        {"MobilityCheckCommon",
         {"MobilityCheckVerhaltenRuhig", "MobilityCheckVerhaltenTrippeln",
          "MobilityCheckVerhaltenEntlasten"},
         true},
    };
    return Counters;
}

const QList<TKWScorePictures>& KWEinzelKuhScorePictures()
{
    static const QList<TKWScorePictures> Rows = BuildScorePictures();
    return Rows;
}

const TKWScorePictures& KWEinzelKuhScorePicture(const QString& AID)
{
    for (const TKWScorePictures& Row : KWEinzelKuhScorePictures())
        if (Row.ID == AID)
            return Row;
    throw EKWException(QStringLiteral("No score pictures for %1").arg(AID));
}

const QStringList& KWFixedPictureNames()
{
    static const QStringList Names{"LiegeboxenKomfortIndexGrundriss",
                                   "StallerhebungFressLaufbereichFressplatzFressgitter",
                                   "StallerhebungFressLaufbereichFressplatzNackenrohr",
                                   "StallerhebungLiegebereicheBox",
                                   "KuhKlaue",
                                   "KuhSauberkeit",
                                   "KuhTechnopahien"};
    return Names;
}

QStringList KWAllPictureNames()
{
    QStringList Names;
    for (const TKWCounterPictures& Counters : KWCounterPictures())
        Names += Counters.PictureNames();
    for (const TKWScorePictures& Row : KWEinzelKuhScorePictures())
        Names += Row.PictureNames();
    Names += KWFixedPictureNames();
    Names.removeDuplicates();
    return Names;
}
