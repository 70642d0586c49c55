#include "KWGuiUtil.h"

#include "KWUtils.h"

#include <QStringList>

#include <algorithm>

QString KWEnabledPages;

namespace {

const QString Betriebsauswahl = QStringLiteral("Betriebsauswahl");
const QString Besuchsdaten = QStringLiteral("ErfassungBesuchsdaten");

} // namespace

const std::array<TKWPageInfo, KWPageCount>& KWPageCatalogue()
{
    static const std::array<TKWPageInfo, KWPageCount> Catalogue{{
        {"Betriebsauswahl", "Betriebsauswahl", "", "Betriebsauswahl", ""},
        {"ErfassungBesuchsdaten", "Betriebsdaten - Einstieg", "", "Betriebsdaten - Einstieg",
         "AuswertungSignale1"},
        {"ErfassungBetriebsdaten", "Betriebsdaten - Allgemein", "", "Betriebsdaten - Allgemein",
         "AuswertungSignale1"},
        {"ErfassungHaltungManagementFunk", "Haltung und Management - Funktionsbereiche", "",
         "Haltung u. Management - Funktionsbereiche", "AuswertungSignale1|AuswertungSignale2"},
        {"ErfassungHaltungManagementKoHy", "Haltung und Management - Hygiene+Komfort", "",
         "Haltung u. Management - Hygiene+Komfort", "AuswertungSignale1|AuswertungSignale2"},
        {"ErfassungAufenthaltsortKuehe", "Aufenthaltsort der Kühe 3 Stunden nach Futtervorlage",
         "Alle Tiere der Erfassungsgruppe", "Aufenthaltsort der Kühe",
         "AuswertungAufenthaltsortKuehe"},
        {"ErfassungLiegeboxenKomfortIndex", "Liegeboxenakzeptanz und LKI", "",
         "Liegeboxenkomfort-Index", "AuswertungLiegeboxenKomfortIndex"},
        {"ErfassungLiegepositionKuehe", "Liegeposition der Kühe", "Alle liegenden Kühe",
         "Liegeposition der Kühe", "AuswertungLiegepositionKuehe"},
        {"ErfassungZustandLiegeboxen", "Zustand der Liegeboxen", "Alle Liegeboxen",
         "Zustand der Liegeboxen", "AuswertungZustandLiegeboxen"},
        {"ErfassungLaufverhaltenAbliegedauer", "Laufverhalten und Abliegedauer",
         "mind. 10 Tiere bzw. 10% der Erfassungsgruppe", "Laufverhalten und Abliegedauer",
         "AuswertungLaufverhalten|AuswertungAbliegedauer"},
        {"ErfassungStallerhebungLiegebereich", "Stallerhebung Liegebereich",
         "Werte der schlechtesten Box, dann Box 2, 3, 4, ... mit weiteren Werten",
         "Stallerhebung Liegebereich", "AuswertungSignale2"},
        {"ErfassungStallerhebungFressLaufbereich", "Stallerhebung Fress- und Laufbereich",
         "Breiten an schmalster Stelle", "Stallerhebung Fress- und Laufbereich",
         "AuswertungSignale2"},
        {"ErfassungMobilityCheckVerhalten", "Verhaltensbeobachtung - MobilityCheck",
         "mind. 20 Tiere bzw. 20% der Erfassungsgruppe im Fressgitter",
         "Verhaltensbeobachtung - MobilityCheck", "AuswertungMCVerhalten"},
        {"ErfassungEinzelKuh", "Einzeltiererfassung",
         "mind. 20 Tiere bzw. 20% der Erfassungsgruppe", "Einzeltiererfassung",
         "AuswertungSauberkeit|AuswertungTechnopathien|AuswertungMCVerhalten|AuswertungMCKlauen"},
        {"AuswertungAufenthaltsortKuehe", "Aufenthaltsort Kühe", "", "Aufenthaltsort Kühe",
         "ErfassungAufenthaltsortKuehe"},
        {"AuswertungLiegeboxenKomfortIndex", "Liegeboxenakzeptanz und LKI", "",
         "Liegeboxenakzeptanz und LKI", "ErfassungLiegeboxenKomfortIndex"},
        {"AuswertungLiegepositionKuehe", "Liegeposition Kühe", "", "Liegeposition Kühe",
         "ErfassungLiegepositionKuehe"},
        {"AuswertungZustandLiegeboxen", "Liegeboxen und -flächen", "", "Liegeboxen und -flächen",
         "ErfassungZustandLiegeboxen"},
        {"AuswertungLaufverhalten", "Laufverhalten und Einzelbeobachtungen", "",
         "Laufverhalten und Einzelbeob.", "ErfassungLaufverhaltenAbliegedauer"},
        {"AuswertungAbliegedauer", "Abliegedauer", "", "Abliegedauer",
         "ErfassungLaufverhaltenAbliegedauer"},
        {"AuswertungSauberkeit", "Sauberkeit der Kühe", "", "Sauberkeit der Kühe",
         "ErfassungEinzelKuh"},
        {"AuswertungTechnopathien", "Technopathien", "", "Technopathien", "ErfassungEinzelKuh"},
        {"AuswertungMCVerhalten", "MobilityCheck - Verhalten", "", "MobilityCheck - Verhalten",
         "ErfassungMobilityCheckVerhalten|ErfassungEinzelKuh"},
        {"AuswertungMCKlauen", "MobilityCheck - Klauen", "", "MobilityCheck - Klauen",
         "ErfassungEinzelKuh"},
        {"AuswertungVelkora", "Velkora - LKV Kennzahlen", "", "Velkora - LKV Kennzahlen",
         "ErfassungHaltungManagementKoHy"},
        {"AuswertungSignale1", "Signale - Betrieb und Management", "",
         "Signale - Betrieb und Management",
         "ErfassungBesuchsdaten|ErfassungBetriebsdaten|ErfassungHaltungManagementFunk|"
         "ErfassungHaltungManagementKoHy"},
        {"AuswertungSignale2", "Signale - Fress- und Liegebereich", "",
         "Signale - Fress- und Liegebereich",
         "ErfassungHaltungManagementFunk|ErfassungHaltungManagementKoHy|"
         "ErfassungStallerhebungLiegebereich|ErfassungStallerhebungFressLaufbereich"},
        {"BeratungUrsachen", "Ursachen",
         "Die wichtigsten Ursachenbereiche stehen oben (Nennung, Wichtung)", "Ursachen", ""},
        {"BeratungMassnahmen", "Maßnahmen",
         "Die wichtigsten Maßnahmen stehen oben (Nennung, Wichtung)", "Maßnahmen", ""},
    }};
    return Catalogue;
}

const std::array<TKWAuswertungPage, KWAuswertungPageCount>& KWAuswertungPages()
{
    static const std::array<TKWAuswertungPage, KWAuswertungPageCount> Pages{{
        {"AuswertungAufenthaltsortKuehe", "AufenthaltsortKuehe"},
        {"AuswertungLiegeboxenKomfortIndex", "LiegeboxenKomfortIndex"},
        {"AuswertungLiegepositionKuehe", "LiegepositionKuehe"},
        {"AuswertungZustandLiegeboxen", "ZustandLiegeboxen"},
        {"AuswertungSauberkeit", "Sauberkeit"},
        {"AuswertungTechnopathien", "Technopathien"},
        {"AuswertungLaufverhalten", "Laufverhalten"},
        {"AuswertungAbliegedauer", "Abliegedauer"},
        {"AuswertungMCVerhalten", "MCVerhalten"},
        {"AuswertungMCKlauen", "MCKlauen"},
        {"AuswertungVelkora", "Velkora"},
        {"AuswertungSignale1", "Signale1"},
        {"AuswertungSignale2", "Signale2"},
    }};
    return Pages;
}

const TKWPageInfo* KWFindPage(const QString& APageId)
{
    for (const TKWPageInfo& Page : KWPageCatalogue())
        if (Page.PageId == APageId)
            return &Page;
    return nullptr;
}

bool TKWGuiUtil::IsPageEnabledEffective(const QString& APageName)
{
    static const QStringList AlwaysEnabled{Betriebsauswahl, Besuchsdaten,
                                           QStringLiteral("BeratungUrsachen"),
                                           QStringLiteral("BeratungMassnahmen")};
    if (AlwaysEnabled.contains(APageName))
        return true;
    // The stopwatch and quick entry belong to the walking and lying-down page.
    const QString PageName =
        (APageName == KWDetailLaufverhalten || APageName == KWDetailAbliegedauer)
            ? QStringLiteral("ErfassungLaufverhaltenAbliegedauer")
            : APageName;
    const QString& Selection = KWEnabledPages;
    if (KWTrim(Selection).isEmpty() || Selection.contains(PageName))
        return true;
    const TKWPageInfo* Page = KWFindPage(PageName);
    if (!Page)
        return false;
    // The visit data page is always recorded, so its evaluation pages are always enabled.
    const QString Recorded = Selection + u'|' + Besuchsdaten;
    const QStringList Related = Page->RelatedPages.split(u'|', Qt::SkipEmptyParts);
    return std::any_of(Related.cbegin(), Related.cend(),
                       [&Recorded](const QString& AId) { return Recorded.contains(AId); });
}

bool TKWGuiUtil::IsPageDetailEnabled(const QString& APageDetail)
{
    return !KWTrim(KWEnabledPages).isEmpty() && KWEnabledPages.contains(APageDetail);
}
