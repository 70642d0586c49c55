#include "KWHaltungManagementKoHy.h"

#include "KWGridLayout.h"
#include "KWMemTable.h"
#include "KWPageSupport.h"
#include "KWStyle.h"

#include <QScrollBar>

namespace {

const QString PageId = QStringLiteral("ErfassungHaltungManagementKoHy");

QRect Below(const QWidget* AWidget)
{
    return {AWidget->x(), AWidget->y() + AWidget->height(), 0, 0};
}

} // namespace

TKWHaltungManagementKoHy::TKWHaltungManagementKoHy(QWidget* AOwner, TKWPopup& APopup,
                                                   TKWMemTable& AHaltungManagement,
                                                   TKWMemTable& AStallerhebungKomfortHygiene)
    : TKWVertScrollBox(AOwner), FPopup(APopup), FHaltungManagementData(AHaltungManagement),
      FStallerhebungHyKoData(AStallerhebungKomfortHygiene)
{
    setObjectName(PageId);
    BuildRows();
}

void TKWHaltungManagementKoHy::BuildRows()
{
    const QStringList Nachstreuen = {"NEIN", "T", "J2T", "1W", "2W", "3W", "A2W", "A3W", "MON"};
    TGridEntries& Management = FGridEntriesManagement;
    Management.AddCodes("HaeufigkeitBoxenpflege", "Häufigkeit der Boxenpflege", "HAEUF_BOX_PFL",
                        {"1T", "2T", "3T", "J2T", "KL3W"});
    Management.AddCodes("HaeufigkeitEinstreuenHB", "Häufigkeit des Einstreuens (Hochbox)", "HAEUF_NACHSTR",
                        Nachstreuen);
    Management.AddCodes("HaeufigkeitNachstreuen", "Häufigkeit des Nachstreuens (TB/hvTB)", "HAEUF_NACHSTR",
                        Nachstreuen);
    Management.AddCodes("HaeufigkeitLaufflaechenreinigung", "Häufigkeit der Laufflächenreinigung",
                        "HAEUF_LAUF_REIN",
                        {"NIE", "J2T", "3W", "1T", "2T", "3T", "4T", "5T", "6T", "7T", "8T", "9T", "10T", "11T",
                         "12T", "24T"});
    Management.Add(etNumber, "HaeufigkeitFuttervorlage", "Häufigkeit der Futtervorlage pro Woche");
    Management.Add(etNumber, "HaeufigkeitAnschieben", "Häufigkeit des Anschiebens pro Tag");

    TGridEntries& Komfort = FGridEntriesKomfort;
    Komfort.Add(etNone, "", "Bürsten");
    Komfort.Add(etNumber, "StallerhebungBuersteAnzahl", "Anzahl Bürsten im Stall");
    Komfort.AddCodes("StallerhebungBuersteArt", "Art der Bürsten", "BUERSTE_ART", {"STAT", "ROT"});
    Komfort.AddCodes("StallerhebungBuersteZustand", "Zustand", "BUERSTE_ZUSTAND", {"GUT", "BRA", "UNBR"});
    Komfort.Add(etNone, "", "Weidegang / Laufhof");
    Komfort.Add(etCheckBox, "StallerhebungWeideVorhanden", "Weidegang möglich");
    Komfort.Add(etCheckBox, "StallerhebungLaufhofVorhanden", "Laufhof vorhanden");

    TGridEntries& Hygiene = FGridEntriesHygiene;
    for (const auto& [Heading, Pen] : {std::pair{"Krankenbucht", "StallerhebungKrankenbucht"},
                                       std::pair{"Abkalbebucht", "StallerhebungAbkalbebucht"}}) {
        const QString Prefix = QString::fromLatin1(Pen);
        Hygiene.Add(etNone, "", QString::fromLatin1(Heading));
        Hygiene.AddCodes(Prefix + "Bauart", "Bauart", "BUCHT_BAUART", {"FLAECHE_EIN", "FLAECHE_ZWEI", "FLAECHE_BOX"});
        Hygiene.AddCodes(Prefix + "Sauberkeit", "Zustand", "BUCHT_SAUBER", {"SAUBER", "SCHMUTZ"});
        Hygiene.Add(etNumber, Prefix + "Flaeche", "Fläche (qm)");
    }
    Hygiene.Add(etNone, "", "Mischbucht");
    Hygiene.Add(etCheckBox, "StallerhebungMischbuchtNutzung", "Nutzung als Mischbucht");

    TGridEntries& Weide = FGridEntriesWeide;
    Weide.AddCodes("StallerhebungWeideTraenke", "Art der Weidetränke", "WEIDE_TRAENKE", {"KEINE", "AUTO", "VORRAT"});
    Weide.AddCodes("StallerhebungWeideUnterstand", "Art des Schattenspenders", "WEIDE_UNTERSTAND",
                   {"KEIN", "NAT", "KUE"});
    Weide.Add(etCheckBox, "StallerhebungWeideStallzugang", "Steter Zugang zum Stall");
    Weide.Add(etNumber, "StallerhebungWeideFlaeche", "Weidefläche (ha)");

    TGridEntries& Laufhof = FGridEntriesLaufhof;
    Laufhof.Add(etNumber, "StallerhebungLaufhofTraenken", "Anzahl Tränken");
    Laufhof.Add(etNumber, "StallerhebungLaufhofFressplaetze", "Anzahl Fressplätze");
    Laufhof.Add(etNumber, "StallerhebungLaufhofLiegeplaetzeDach", "Liegeplätze überdacht");
    Laufhof.Add(etNumber, "StallerhebungLaufhofLiegeplaetzeFrei", "Liegeplätze ohne Dach");
    Laufhof.Add(etNumber, "StallerhebungLaufhofBuersten", "Anzahl Bürsten");
}

TKWGridLayout* TKWHaltungManagementKoHy::NewGrid(const char* ACaption, const TGridEntries& AEntries,
                                                 TKWMemTable& AData)
{
    auto* Grid = new TKWGridLayout(Content(), &FPopup, AData, QString::fromUtf8(ACaption), AEntries.List());
    Grid->Init();
    return Grid;
}

void TKWHaltungManagementKoHy::Init()
{
    FGridManagement = NewGrid("Haltungsmanagement", FGridEntriesManagement, FHaltungManagementData);
    FGridKomfort = NewGrid("Komfort", FGridEntriesKomfort, FStallerhebungHyKoData);
    FGridHygiene = NewGrid("Hygiene", FGridEntriesHygiene, FStallerhebungHyKoData);
    FGridWeide = NewGrid("Weidegang", FGridEntriesWeide, FStallerhebungHyKoData);
    FGridLaufhof = NewGrid("Laufhof", FGridEntriesLaufhof, FStallerhebungHyKoData);

    FGridManagement->move(0, 0);
    FGridKomfort->move(Below(FGridManagement).topLeft());
    const int Right = std::max(FGridManagement->width(), FGridKomfort->width()) + KWStyle::Margin;
    FGridHygiene->move(Right, 0);
    FGridWeide->move(Below(FGridHygiene).topLeft());
    FGridLaufhof->move(Below(FGridHygiene).topLeft());
    FGridKomfort->SetOnEditChange([this](const QString&) { ApplyVisibility(); });
    KWFitContent(*this);
}

std::array<TKWGridLayout*, 5> TKWHaltungManagementKoHy::Grids() const
{
    return {FGridManagement, FGridKomfort, FGridLaufhof, FGridWeide, FGridHygiene};
}

void TKWHaltungManagementKoHy::Enter()
{
    for (TKWGridLayout* Grid : Grids())
        Grid->RefreshValues();
    ApplyVisibility();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TKWHaltungManagementKoHy::ApplyVisibility()
{
    const bool Weide = FStallerhebungHyKoData.FieldByName(QStringLiteral("StallerhebungWeideVorhanden")).AsBoolean();
    const bool Laufhof =
        FStallerhebungHyKoData.FieldByName(QStringLiteral("StallerhebungLaufhofVorhanden")).AsBoolean();
    FGridWeide->setVisible(Weide);
    FGridLaufhof->setVisible(Laufhof);
    FGridLaufhof->move(Weide ? Below(FGridWeide).topLeft() : FGridWeide->pos());
    KWFitContent(*this);
}

bool TKWHaltungManagementKoHy::Leave()
{
    for (TKWGridLayout* Grid : Grids())
        Grid->UpdateChange();
    return KWFinishLeave(this, PageId);
}
