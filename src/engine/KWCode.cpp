#include "KWCode.h"

#include <map>
#include <memory>
#include <span>

namespace {

struct TKWCodeDef
{
    QStringView FCode;
    QStringView FName;
};

struct TKWCodesystemDef
{
    QStringView FID;
    std::span<const TKWCodeDef> FCodes;
};

// One code a line keeps the lists easy to compare and review.
// clang-format off
// Each group's codes in their order of definition. Groups that offer exactly the same choices
// share one list (see CodesystemDefs).
constexpr TKWCodeDef StallsystemCodes[] = {
    {u"LL", u"Liegeboxenlaufstall"},
    {u"AB", u"Anbindestall"},
};

constexpr TKWCodeDef StallreihenCodes[] = {
    {u"10R", u"1+0 Reiher"},
    {u"20R", u"2+0 Reiher"},
    {u"30R", u"3+0 Reiher"},
    {u"11R", u"1+1 Reiher"},
    {u"22R", u"2+2 Reiher"},
    {u"12R", u"1+2 Reiher"},
    {u"13R", u"1+3 Reiher"},
    {u"23R", u"2+3 Reiher"},
    {u"33R", u"3+3 Reiher"},
    {u"4R", u"4 Reiher"},
    {u"40R", u"4+0 Reiher"},
    {u"6R", u"6 Reiher"},
    {u"KAMM", u"Kammstand"},
    {u"SONST", u"Sonstiger"},
};

constexpr TKWCodeDef StallboxenCodes[] = {
    {u"KURZ", u"Kurzstand"},
    {u"MITTEL", u"Mittellangstand"},
    {u"LANG", u"Langstand"},
};

constexpr TKWCodeDef BoxentypCodes[] = {
    {u"HB", u"Hochbox"},
    {u"TB", u"Tiefbox"},
    {u"hvTB", u"hochverlegte Tiefbox"},
};

constexpr TKWCodeDef MelksystemCodes[] = {
    {u"KONV", u"konventionell"},
    {u"AMS", u"Automatisches Melksystem"},
};

constexpr TKWCodeDef MelkstandCodes[] = {
    {u"KEINER", u""},
    {u"FGMSTD", u"FGM"},
    {u"SBS", u"Side-By-Side"},
    {u"FGMSTL", u"FGM steil"},
    {u"INNMLK", u"Innenmelker"},
    {u"AUSMLK", u"Außenmelker"},
    {u"TANDEM", u"Tandem"},
    {u"ROHRMLK", u"Rohrmelker"},
    {u"EIMERMLK", u"Eimermelker"},
    {u"SONST", u"Sonstiger"},
};

constexpr TKWCodeDef RasseCodes[] = {
    {u"HF", u"HF"},
    {u"FV", u"Fleckvieh"},
    {u"BV", u"Braunvieh"},
    {u"J", u"Jersey"},
    {u"SONST", u"Sonstige"},
};

constexpr TKWCodeDef ErfassGrCodes[] = {
    {u"GES", u"Gesamtgruppe"},
    {u"HOC_GRU", u"hochleistende Gruppe"},
    {u"NIE_GRU", u"niederleistende Gruppe"},
    {u"FRI_GRU", u"Frischmelkergruppe"},
    {u"ALT_GRU", u"Altmelkergruppe"},
    {u"SONST", u"Sonstige"},
};

constexpr TKWCodeDef BuegelCodes[] = {
    {u"FRTR_ST_MON", u"Freitragend an Stützen montiert"},
    {u"FRTR_HOR_ROH", u"Freitragend an horizontalen Rohren"},
    {u"JED_BOX_ST", u"Jede Box eine Stütze"},
    {u"BOD_MON", u"Am Boden montiert"},
    {u"FIE_GLA", u"Fiberglas"},
    {u"KUNS", u"Kunststoff"},
    {u"HOL_ABT", u"Holzabtrennung"},
    {u"FLEX", u"Flexible Bügel (Holz, Cow Welfare, Deltex)"},
    {u"SONST", u"Sonstige"},
};

constexpr TKWCodeDef BugBegCodes[] = {
    {u"RUN_HOL", u"Rundholz"},
    {u"KUNST", u"Kunststoffrohr (PE/KG-Rohr, Ergoboard)"},
    {u"PE_ROH", u"PE-Rohr"},
    {u"KG_ROH", u"KG-Rohr"},
    {u"ERG_BOR", u"Ergobord"},
    {u"BRE", u"Brett"},
    {u"SCHLA", u"Schlauch"},
    {u"MET_ROH", u"Metallrohr"},
    {u"BETON", u"Beton"},
    {u"KEIN", u"Keine"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef HboxBelCodes[] = {
    {u"KEIN_BEL", u"Kein Belag"},
    {u"GUM_MAT", u"Vollgummimatte"},
    {u"EVA_MAT", u"EVA-Matte"},
    {u"WAS_BET", u"Wasserbett"},
    {u"TEX_SCHL", u"Textil mit Schläuchen"},
    {u"GUM_SCHA", u"Gummicover + Schaum etc."},
    {u"MAT_MEH", u"Matratze mehrschichtig"},
    {u"MAT_GR_30", u"Matratze > 30mm"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef HboxStreuCodes[] = {
    {u"OHNE", u"Ohne Einstreu"},
    {u"SAEG_MEH", u"Sägemehl"},
    {u"SAEG_SPA", u"Sägespäne"},
    {u"STR_HAE", u"Strohhäcksel"},
    {u"STH_SAEM", u"Strohhäck. u. Sägemehl"},
    {u"STR_MEH", u"Strohmehl"},
    {u"LAN_STR", u"Langstroh"},
    {u"SAN", u"Sand"},
    {u"KALK", u"Kalk"},
    {u"GUEL_SEP", u"Sep. Gülle / Gärreste"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef TboxGrundCodes[] = {
    {u"STR_MIS_MAT", u"Strohmistmatratze"},
    {u"STR_KAL_MAT", u"Stroh-Kalk-Matratze"},
    {u"PFE_MIS", u"Pferdemist"},
    {u"PFE_MIS_KAL_STR", u"Pferdemist-Kalk-Stroh"},
    {u"SAND_BETTW", u"Sandbettwabe"},
    {u"SAEG_MEH", u"Sägemehl"},
    {u"SAEG_MEH_KAL_STR", u"Sägemehl-Kalk-Stroh"},
    {u"SAEG_SPA", u"Sägespäne"},
    {u"STR_HAE", u"Strohhäcksel"},
    {u"STR_MEH", u"Strohmehl"},
    {u"LAN_STR", u"Langstroh"},
    {u"SAN", u"Sand"},
    {u"GAER_FEU", u"Gärrest feucht"},
    {u"GAER_GET", u"Sep. Gülle / Gärreste"},
    {u"KOM", u"Kompost"},
    {u"PAP", u"Papier"},
    {u"MAI_SIL", u"Maissilage"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef TboxDeckCodes[] = {
    {u"SAEG_MEH", u"Sägemehl"},
    {u"SAEG_SPA", u"Sägespäne"},
    {u"STR_HAE", u"Strohhäcksel"},
    {u"STR_MEH", u"Strohmehl"},
    {u"LAN_STR", u"Langstroh"},
    {u"SAN", u"Sand"},
    {u"GAER_FEU", u"Gärrest feucht"},
    {u"GAER_GET", u"Sep. Gülle / Gärreste"},
    {u"KOM", u"Kompost"},
    {u"PAP", u"Papier"},
    {u"MAI_SIL", u"Maissilage"},
    {u"STH_SAEM", u"Strohhäck. u. Sägemehl"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef ZusKalCodes[] = {
    {u"NEIN", u"Nein"},
    {u"T", u"täglich"},
    {u"J2T", u"jeden 2. Tag"},
    {u"1W", u"1x wöchentlich"},
    {u"2W", u"2x wöchentlich"},
    {u"3W", u"3x wöchentlich"},
    {u"A2W", u"alle 2 Wochen"},
    {u"A3W", u"alle 3 Wochen"},
    {u"MON", u"monatlich"},
};

constexpr TKWCodeDef HaeufBoxPflCodes[] = {
    {u"1T", u"1x täglich"},
    {u"2T", u"2x täglich"},
    {u"3T", u"3x täglich"},
    {u"J2T", u"jeden 2. Tag"},
    {u"KL3W", u"< 3x wöchentlich"},
};

constexpr TKWCodeDef BodFuttCodes[] = {
    {u"SPA_BOD", u"Spaltenboden"},
    {u"SPA_GUM", u"Spaltenboden mit Gummi"},
    {u"PLAN_BET", u"Planbefestigt Beton"},
    {u"PLAN_GUS", u"Planbefestigt Gussasphalt"},
    {u"PLAN_GUM", u"Planbefestigt mit Gummiauflage"},
    {u"PLAN_FER_BET", u"Planbefestigt Fertigbetonelemente"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef LaufReinCodes[] = {
    {u"STA_SCHIE_ANL", u"Stationäre Schieberanlage"},
    {u"ROBO", u"Roboter"},
    {u"SCHLEP", u"Schlepper"},
    {u"ABSCH_HAND", u"Abschieben per Hand"},
    {u"MOB_ABSCH", u"Mobiles Abschiebegerät"},
    {u"SPUEL", u"Spülen"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef HaeufLaufReinCodes[] = {
    {u"NIE", u"gar nicht"},
    {u"J2T", u"jeden 2. Tag"},
    {u"3W", u"3x wöchentlich"},
    {u"1T", u"1x täglich"},
    {u"2T", u"2x täglich"},
    {u"3T", u"3x täglich"},
    {u"4T", u"4x täglich"},
    {u"5T", u"5x täglich"},
    {u"6T", u"6x täglich"},
    {u"7T", u"7x täglich"},
    {u"8T", u"8x täglich"},
    {u"9T", u"9x täglich"},
    {u"10T", u"10x täglich"},
    {u"11T", u"11x täglich"},
    {u"12T", u"12x täglich"},
    {u"24T", u"24x täglich"},
};

constexpr TKWCodeDef FuetterungsystemCodes[] = {
    {u"KONV", u"Futtermischwagen"},
    {u"KONV_SBS", u"Siloblockschneider"},
    {u"AUTO", u"Teilautom. Bandfütterung"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef RationsgestaltungCodes[] = {
    {u"TMR", u"Voll-TMR"},
    {u"TMRT", u"Teil-TMR"},
    {u"TMRK", u"Kompakt-TMR"},
    {u"VORRAT", u"Vorratsfütterung"},
    {u"BAND", u"Bandfütterung"},
};

constexpr TKWCodeDef RutschfestCodes[] = {
    {u"RUT_FES", u"Rutschfest"},
    {u"GLATT", u"Glatt"},
};

constexpr TKWCodeDef TrittsicherCodes[] = {
    {u"TRI_SIC", u"Trittsicher"},
    {u"TRI_WACK", u"Wackelig/Uneben/Kantig"},
};

constexpr TKWCodeDef ArtBegCodes[] = {
    {u"FRE_GIT", u"Fressgitter"},
    {u"FLX_SYS", u"flex. System"},
    {u"NAC_ROH", u"Nackenrohr"},
    {u"DRA_SEI", u"Drahtseil"},
    {u"KET", u"Kette"},
};

constexpr TKWCodeDef AusfSockCodes[] = {
    {u"BET_SCH_KAN", u"Beton scharfkantig"},
    {u"BET_DRE", u"Beton Dreikant"},
    {u"BET_SCHR", u"Beton schräg"},
    {u"BET_RUN", u"Beton rund"},
    {u"HOLZ", u"Holz"},
    {u"SONST", u"Sonstiges"},
};

constexpr TKWCodeDef WassercheckZuflussCodes[] = {
    {u"GERING", u"zu gering"},
    {u"LAMINAR", u"Laminar fließend"},
    {u"TURBO", u"Turbulent strömend"},
};

constexpr TKWCodeDef GefaelleLiegeboxCodes[] = {
    {u"0", u"0%"},
    {u"1", u"1%"},
    {u"2", u"2%"},
    {u"3", u"3%"},
    {u"4", u"4%"},
    {u"5", u"5%"},
    {u"6", u"6%"},
    {u"7", u"7%"},
    {u"8", u"8%"},
    {u"9", u"9%"},
};

constexpr TKWCodeDef WeideTraenkeCodes[] = {
    {u"KEINE", u"Keine"},
    {u"AUTO", u"Selbstbefüllend - konstante Wasserversorgung (Leitung, Pumpe)"},
    {u"VORRAT", u"Vorratstank - manuelle Wasserversorgung (Weidefass, Trog)"},
};

constexpr TKWCodeDef WeideUnterstandCodes[] = {
    {u"KEIN", u"keiner"},
    {u"NAT", u"natürlich"},
    {u"KUE", u"künstlich"},
};

constexpr TKWCodeDef BuersteArtCodes[] = {
    {u"STAT", u"fest"},
    {u"ROT", u"rotierend"},
};

constexpr TKWCodeDef BuersteZustandCodes[] = {
    {u"GUT", u"Gut nutzbar"},
    {u"BRA", u"Bedingt nutzbar"},
    {u"UNBR", u"Nicht nutzbar"},
};

constexpr TKWCodeDef BuchtBauartCodes[] = {
    {u"FLAECHE_EIN", u"1-Flächenbucht"},
    {u"FLAECHE_ZWEI", u"2-Flächenbucht"},
    {u"FLAECHE_BOX", u"Liegebox"},
};

constexpr TKWCodeDef BuchtSauberCodes[] = {
    {u"SAUBER", u"Sauber"},
    {u"SCHMUTZ", u"Schmutzig"},
};

constexpr TKWCodeDef ReinigungMethodeCodes[] = {
    {u"NEIN", u"Keine"},
    {u"BAD", u"Klauenbad"},
    {u"NEBEL", u"Sprühnebel"},
};

constexpr TKWCodeDef ReinigungMittelCodes[] = {
    {u"PFL", u"Pflegend"},
    {u"DESI", u"Desinfizierend"},
};

// Every group in its order of definition. "HAEUF_NACHSTR" repeats "ZUS_KAL" and "BOD_LAUF"
// repeats "BOD_FUTT"; each is still a group of its own.
constexpr TKWCodesystemDef CodesystemDefs[] = {
    {u"STALLSYSTEM", StallsystemCodes},
    {u"STALLREIHEN", StallreihenCodes},
    {u"STALLBOXEN", StallboxenCodes},
    {u"BOXENTYP", BoxentypCodes},
    {u"MELKSYSTEM", MelksystemCodes},
    {u"MELKSTAND", MelkstandCodes},
    {u"RASSE", RasseCodes},
    {u"ERFASS_GR", ErfassGrCodes},
    {u"BUEGEL", BuegelCodes},
    {u"BUG_BEG", BugBegCodes},
    {u"HBOX_BEL", HboxBelCodes},
    {u"HBOX_STREU", HboxStreuCodes},
    {u"TBOX_GRUND", TboxGrundCodes},
    {u"TBOX_DECK", TboxDeckCodes},
    {u"ZUS_KAL", ZusKalCodes},
    {u"HAEUF_BOX_PFL", HaeufBoxPflCodes},
    {u"HAEUF_NACHSTR", ZusKalCodes},
    {u"BOD_FUTT", BodFuttCodes},
    {u"BOD_LAUF", BodFuttCodes},
    {u"LAUF_REIN", LaufReinCodes},
    {u"HAEUF_LAUF_REIN", HaeufLaufReinCodes},
    {u"FUETTERUNGSYSTEM", FuetterungsystemCodes},
    {u"RATIONSGESTALTUNG", RationsgestaltungCodes},
    {u"RUTSCHFEST", RutschfestCodes},
    {u"TRITTSICHER", TrittsicherCodes},
    {u"ART_BEG", ArtBegCodes},
    {u"AUSF_SOCK", AusfSockCodes},
    {u"WASSERCHECK_ZUFLUSS", WassercheckZuflussCodes},
    {u"GefaelleLiegebox", GefaelleLiegeboxCodes},
    {u"WEIDE_TRAENKE", WeideTraenkeCodes},
    {u"WEIDE_UNTERSTAND", WeideUnterstandCodes},
    {u"BUERSTE_ART", BuersteArtCodes},
    {u"BUERSTE_ZUSTAND", BuersteZustandCodes},
    {u"BUCHT_BAUART", BuchtBauartCodes},
    {u"BUCHT_SAUBER", BuchtSauberCodes},
    {u"REINIGUNG_METHODE", ReinigungMethodeCodes},
    {u"REINIGUNG_MITTEL", ReinigungMittelCodes},
};

// The order in which Search visits the groups. It differs from the order of definition and
// decides the label of the codes that carry different labels in different groups ("SONST",
// "KEIN", "NEIN", "KONV", "AUTO", "VORRAT"), so it must stay as it is.
constexpr QStringView SearchOrder[] = {
    u"REINIGUNG_MITTEL", u"BUCHT_BAUART", u"STALLBOXEN", u"RASSE",
    u"BOXENTYP", u"WEIDE_UNTERSTAND", u"BUERSTE_ART", u"HBOX_STREU",
    u"STALLREIHEN", u"BOD_FUTT", u"BUCHT_SAUBER", u"MELKSYSTEM",
    u"AUSF_SOCK", u"TBOX_GRUND", u"RATIONSGESTALTUNG", u"ERFASS_GR",
    u"HAEUF_LAUF_REIN", u"LAUF_REIN", u"ART_BEG", u"ZUS_KAL",
    u"BUG_BEG", u"HBOX_BEL", u"WASSERCHECK_ZUFLUSS", u"BUEGEL",
    u"BUERSTE_ZUSTAND", u"TRITTSICHER", u"HAEUF_NACHSTR", u"STALLSYSTEM",
    u"TBOX_DECK", u"MELKSTAND", u"GefaelleLiegebox", u"RUTSCHFEST",
    u"BOD_LAUF", u"HAEUF_BOX_PFL", u"FUETTERUNGSYSTEM", u"WEIDE_TRAENKE",
    u"REINIGUNG_METHODE",
};
// clang-format on

struct TKWCodeRegistry
{
    std::map<QString, TKWCodesystem> FGroups;
    QStringList FIDs;
    // Each code's label from the first group of the search order that holds it.
    QHash<QString, QString> FSearchLabels;
};

std::unique_ptr<TKWCodeRegistry> Registry;

const TKWCodesystem& FindGroup(const TKWCodeRegistry* ARegistry, const QString& AID)
{
    if (ARegistry) {
        const auto Found = ARegistry->FGroups.find(AID);
        if (Found != ARegistry->FGroups.end())
            return Found->second;
    }
    throw EKWCodesystemException(QStringLiteral("Code group '%1' not found").arg(AID));
}

void AddGroup(TKWCodeRegistry& ARegistry, const TKWCodesystemDef& ADef)
{
    const QString ID = ADef.FID.toString();
    const auto [Group, Inserted] = ARegistry.FGroups.try_emplace(ID);
    if (!Inserted)
        throw EKWCodesystemException(QStringLiteral("Code group '%1' defined twice").arg(ID));
    for (const TKWCodeDef& Def : ADef.FCodes)
        Group->second.Add(Def.FCode.toString(), Def.FName.toString());
    ARegistry.FIDs.append(ID);
}

void BuildSearchLabels(TKWCodeRegistry& ARegistry)
{
    for (QStringView ID : SearchOrder)
        for (const TCode& Code : FindGroup(&ARegistry, ID.toString()).Codes())
            if (!ARegistry.FSearchLabels.contains(Code.FCode))
                ARegistry.FSearchLabels.insert(Code.FCode, Code.FName);
}

} // namespace

TCode::TCode(const QString& ACode, const QString& AName) : FCode(ACode), FName(AName) {}

void TKWCodesystem::Add(const QString& ACode, const QString& AName)
{
    if (Contains(ACode))
        throw EKWCodesystemException(QStringLiteral("Duplicate code '%1'").arg(ACode));
    FIndex.insert(ACode, Count());
    FCodes.emplace_back(ACode, AName);
}

const TCode* TKWCodesystem::Find(const QString& ACode) const
{
    const auto Found = FIndex.constFind(ACode);
    return Found == FIndex.cend() ? nullptr : &FCodes[size_t(*Found)];
}

void TCodes::Init()
{
    if (Registry)
        return;
    // Built aside and installed whole, so a failure leaves no half-filled groups behind.
    auto NewRegistry = std::make_unique<TKWCodeRegistry>();
    for (const TKWCodesystemDef& Def : CodesystemDefs)
        AddGroup(*NewRegistry, Def);
    BuildSearchLabels(*NewRegistry);
    Registry = std::move(NewRegistry);
}

void TCodes::Terminate()
{
    Registry.reset();
}

const TKWCodesystem& TCodes::GetCodesystem(const QString& CodesystemID)
{
    return FindGroup(Registry.get(), CodesystemID);
}

QString TCodes::Search(const QString& Code)
{
    return Registry ? Registry->FSearchLabels.value(Code, Code) : Code;
}

QStringList TCodes::GetCodesystemIDs()
{
    return Registry ? Registry->FIDs : QStringList();
}

std::vector<TCode> TCodes::GetCodesInOrder(const QString& CodesystemID)
{
    return GetCodesystem(CodesystemID).Codes();
}
