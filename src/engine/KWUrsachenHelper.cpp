#include "KWUrsachenHelper.h"

#include <algorithm>
#include <functional>

namespace {

QString ListSeparator()
{
    return QStringLiteral(",");
}

// A list text prepared once for many membership tests. A query asks about the same few dozen
// texts over and over, so every answer is kept instead of searching the list text again.
class TKWListText
{
public:
    TKWListText(const QString& AList, const QString& ASeparator)
        : FSeparator(ASeparator), FWrapped(ASeparator + AList + ASeparator)
    {
    }

    bool Contains(const QString& AItem)
    {
        auto It = FAnswers.constFind(AItem);
        if (It == FAnswers.cend())
            It = FAnswers.insert(AItem, Search(AItem));
        return It.value();
    }

private:
    bool Search(const QString& AItem) const
    {
        // Without this guard an empty item would match any list text that ends with a separator.
        return !AItem.isEmpty() && FWrapped.contains(FSeparator + AItem + FSeparator);
    }

    QString FSeparator;
    QString FWrapped;
    QHash<QString, bool> FAnswers;
};

// One measure: its cause area and the indicators it serves, as "Id, Id (2), ..." where "(2)"
// marks a link of weight 2. The texts are UTF-8; two measures keep a double blank.
struct TKWMassnahmeEintrag
{
    const char* Ursache;
    const char* Massnahme;
    const char* Indikatoren;
};

// By cause area in the order of definition, then by measure.
constexpr TKWMassnahmeEintrag CKatalog[] = {
    {"Stalldesign", "Anordnung und Dimensionierung der Laufzonen überprüfen",
     "Futtergang, Boxengang, LiegenBox, LiegenLaufflaeche, WartenAMS, Unterbein, HerdenIndex, "
     "KopfhaltungKl20, KopfhaltungGr20"},
    {"Stalldesign", "Stallbelegung überprüfen",
     "Futtergang, Boxengang, StehenBox2Beine, LiegenLaufflaeche, WartenAMS, "
     "LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, Schwanz, Sitzbein, "
     "AbliegedauerZoegerlich, AbliegedauerVerweigernd, AbliegedauerAbgebrochen, "
     "KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Stalldesign", "Sackgassen zurückbauen", "Brustlage"},
    {"Nackenrohr", "Nackenrohr höher positionieren",
     "StehenBox2Beine (2), LiegeboxenKomfortIndex (2), LiegeboxenAkzeptanzIndex (2), "
     "WiderristHaarloseStelle, WiderristHautloseStelle, WiderristUmfangsvermehrung"},
    {"Nackenrohr", "Abstand des Nackenrohrs zur Kotstufe anpassen",
     "StehenBox2Beine (2), LiegeboxenKomfortIndex (2), LiegeboxenAkzeptanzIndex (2), KotMittig, "
     "KotSeitlich, Sitzbein, WiderristHaarloseStelle, WiderristHautloseStelle, "
     "WiderristUmfangsvermehrung"},
    {"Nackenrohr", "Abstand des Nackenrohrs zur Bugbegrenzung anpassen",
     "LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, KotMittig"},
    {"Bugbegrenzung", "Alternative Bugbegrenzung wählen",
     "Brustlage, GestrecktesVorderbein, Sitzbein, AbliegedauerZoegerlich, "
     "AbliegedauerVerweigernd, AbliegedauerAbgebrochen"},
    {"Bugbegrenzung", "niedrigere Bugbegrenzung einsetzen",
     "LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, Brustlage, GestrecktesVorderbein (2)"},
    {"Bugbegrenzung", "Abstand der Bugbegrenzung zum Nackenrohr anpassen",
     "LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, GestrecktesVorderbein, KotSeitlich"},
    {"Bugbegrenzung", "Bugbrett gegen Schwelle tauschen", "Brustlage"},
    {"Liegeflächendimensionierung", "Liegefläche verlängern",
     "StehenBox2Beine, StehenBox4Beine, LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, "
     "Brustlage, GestrecktesVorderbein (2), Schlafposition, TotaleSeitenlage (2), Kreuz, "
     "Schwanz, Schwanzquast, Sitzbein, WirbelsaeuleUmfangsvermehrung (2), "
     "WirbelsaeuleUmfangsvermehrungOffen (2), AbliegedauerZoegerlich, AbliegedauerVerweigernd, "
     "AbliegedauerAbgebrochen, KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Liegeflächendimensionierung", "Liegebox verbreitern",
     "StehenBox4Beine, LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, Brustlage, "
     "GestrecktesHinterbein, Schlafposition, TotaleSeitenlage (2), "
     "WirbelsaeuleUmfangsvermehrung, WirbelsaeuleUmfangsvermehrungOffen, "
     "AbliegedauerZoegerlich, AbliegedauerVerweigernd, AbliegedauerAbgebrochen, "
     "KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Liegeflächendimensionierung", "Gefälle überprüfen",
     "StehenBox4Beine, LiegenBox, GestrecktesHinterbein, Schwanzquast, Sitzbein, "
     "AbliegedauerZoegerlich, AbliegedauerVerweigernd, AbliegedauerAbgebrochen"},
    {"Liegeflächendimensionierung", "Höhe der Kotstufe überprüfen <= 20cm",
     "StehenBox2Beine, LiegenBox, Sitzbein, AbliegedauerZoegerlich, AbliegedauerVerweigernd, "
     "AbliegedauerAbgebrochen"},
    {"Hochboxenbelag", "Verformbarkeit des Belages überprüfen",
     "StehenBox4Beine (2), LiegenBox (2), LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, "
     "TotaleSeitenlage, TarsalgelenkHaarloseStelle, TarsalgelenkHautloseStelle, "
     "TarsalgelenkUmfangsvermehrung, TarsalgelenkUmfangsvermehrungOffen, KnieHaarloseStelle, "
     "KnieHautloseStelle, KarpalgelenkHaarloseStelle (2), KarpalgelenkHautloseStelle (2), "
     "KarpalgelenkUmfangsvermehrung (2), AbliegedauerZoegerlich (2), "
     "AbliegedauerVerweigernd (2), AbliegedauerAbgebrochen (2), KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Hochboxenbelag", "Boxenbelag erneuern",
     "StehenBox4Beine, LiegenBox, LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, "
     "GestrecktesHinterbein, TotaleSeitenlage, TarsalgelenkHaarloseStelle, "
     "TarsalgelenkHautloseStelle, TarsalgelenkUmfangsvermehrung, "
     "TarsalgelenkUmfangsvermehrungOffen, KarpalgelenkHaarloseStelle, "
     "KarpalgelenkHautloseStelle, KarpalgelenkUmfangsvermehrung, AbliegedauerZoegerlich, "
     "AbliegedauerVerweigernd, AbliegedauerAbgebrochen"},
    {"Hochboxenbelag", "Feuchtigkeit auf der Liegefläche reduzieren",
     "LiegenBox, Hinterhand, EuterBauch, TarsalgelenkHaarloseStelle (2), "
     "TarsalgelenkHautloseStelle (2), TarsalgelenkUmfangsvermehrung (2), "
     "TarsalgelenkUmfangsvermehrungOffen (2), KnieHaarloseStelle, KnieHautloseStelle, "
     "WammeHaarloseStelle"},
    {"Tiefboxenmanagement", "Zustand der organischen Matratze überprüfen",
     "StehenBox2Beine, StehenBox4Beine (2), LiegenBox (2), LiegeboxenKomfortIndex, "
     "LiegeboxenAkzeptanzIndex, TiefboxKeineMulde, TiefboxLeichteMulde, TiefboxStarkeMulde, "
     "EuterBauch, TarsalgelenkHaarloseStelle, TarsalgelenkHautloseStelle, "
     "TarsalgelenkUmfangsvermehrung, TarsalgelenkUmfangsvermehrungOffen, KnieHaarloseStelle, "
     "KnieHautloseStelle, KarpalgelenkHaarloseStelle (2), KarpalgelenkHautloseStelle (2), "
     "KarpalgelenkUmfangsvermehrung (2), AbliegedauerZoegerlich, AbliegedauerVerweigernd, "
     "AbliegedauerAbgebrochen"},
    {"Tiefboxenmanagement", "Verformbarkeit der Matratze überprüfen",
     "StehenBox4Beine, LiegenBox, LiegeboxenKomfortIndex, LiegeboxenAkzeptanzIndex, "
     "TotaleSeitenlage, TiefboxKeineMulde, TiefboxLeichteMulde, TiefboxStarkeMulde, "
     "TarsalgelenkHaarloseStelle, TarsalgelenkHautloseStelle, TarsalgelenkUmfangsvermehrung, "
     "TarsalgelenkUmfangsvermehrungOffen, KnieHaarloseStelle, KnieHautloseStelle, "
     "KarpalgelenkHaarloseStelle, KarpalgelenkHautloseStelle, KarpalgelenkUmfangsvermehrung, "
     "AbliegedauerZoegerlich (2), AbliegedauerVerweigernd (2), AbliegedauerAbgebrochen (2), "
     "KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Tiefboxenmanagement", "Muldenbildung in der Tiefbox beheben",
     "StehenBox2Beine, StehenBox4Beine, GestrecktesHinterbein, Schlafposition, "
     "TotaleSeitenlage, TiefboxKeineMulde, TiefboxLeichteMulde, TiefboxStarkeMulde, "
     "WammeHaarloseStelle, KarpalgelenkHaarloseStelle, KarpalgelenkHautloseStelle, "
     "KarpalgelenkUmfangsvermehrung, AbliegedauerZoegerlich, AbliegedauerVerweigernd, "
     "AbliegedauerAbgebrochen"},
    {"Boxenmanagement", "Färsentraining Liegeboxen",
     "LiegenLaufflaeche, AbliegedauerZoegerlich, AbliegedauerVerweigernd, "
     "AbliegedauerAbgebrochen"},
    {"Boxenmanagement", "Art der Liegeboxenpflege verändern",
     "HochboxLueckenhaft, HochboxVereinzelt, TiefboxKeineMulde, TiefboxLeichteMulde, "
     "TiefboxStarkeMulde, Hinterhand, HerdenIndex"},
    {"Boxenmanagement", "Alternatives Einstreumaterial wählen",
     "HochboxLueckenhaft, HochboxVereinzelt, Hinterhand, TarsalgelenkHaarloseStelle (2), "
     "TarsalgelenkHautloseStelle (2), TarsalgelenkUmfangsvermehrung (2), "
     "TarsalgelenkUmfangsvermehrungOffen (2), KnieHaarloseStelle, KnieHautloseStelle, "
     "AbliegedauerZoegerlich, AbliegedauerVerweigernd, AbliegedauerAbgebrochen"},
    {"Boxenmanagement", "Einstreumenge erhöhen",
     "LiegenBox (2), HochboxVereinzelt, TiefboxKeineMulde, TiefboxLeichteMulde, "
     "TiefboxStarkeMulde, Hinterhand (2), EuterBauch (2), Schwanz, TarsalgelenkHaarloseStelle, "
     "TarsalgelenkHautloseStelle, TarsalgelenkUmfangsvermehrung, "
     "TarsalgelenkUmfangsvermehrungOffen, KnieHaarloseStelle, KnieHautloseStelle, "
     "KarpalgelenkHaarloseStelle, KarpalgelenkHautloseStelle, KarpalgelenkUmfangsvermehrung, "
     "KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Boxenmanagement", "Häufigkeit des Einstreuens bzw. Nachstreuens steigern",
     "LiegenBox, HochboxLueckenhaft, HochboxVereinzelt, TiefboxKeineMulde, TiefboxLeichteMulde, "
     "TiefboxStarkeMulde, Hinterhand, EuterBauch, TarsalgelenkHaarloseStelle, "
     "TarsalgelenkHautloseStelle, TarsalgelenkUmfangsvermehrung, "
     "TarsalgelenkUmfangsvermehrungOffen, KnieHaarloseStelle, KnieHautloseStelle, "
     "AbliegedauerZoegerlich, AbliegedauerVerweigernd, AbliegedauerAbgebrochen"},
    {"Boxenmanagement", "Reinigungshäufigkeit der Boxen erhöhen", "Hinterhand, EuterBauch"},
    {"Liegeboxenbügel", "Alternative Bügelformen wählen",
     "GestrecktesHinterbein, Schlafposition, TotaleSeitenlage, WirbelsaeuleUmfangsvermehrung, "
     "WirbelsaeuleUmfangsvermehrungOffen, AbliegedauerZoegerlich, AbliegedauerVerweigernd, "
     "AbliegedauerAbgebrochen"},
    {"Liegeboxenbügel",
     "Abstand des unteren Führungsrohres zur Liegefläche im Lendenwirbelbereich überprüfen",
     "GestrecktesHinterbein, TotaleSeitenlage, WirbelsaeuleUmfangsvermehrung, "
     "WirbelsaeuleUmfangsvermehrungOffen"},
    {"Laufflächengestaltung",
     "Sanierung der Laufflächen  (ggf. Rillen schneiden oder Gummiauflage)",
     "KopfhaltungKl20, KopfhaltungGr20, LaufverhaltenAuffaelligeLahmheiten, "
     "KlauenzustandDorsalLaengeLang, KlauenzustandDorsalLaengeKurz (2), "
     "KlauenzustandDorsalKrmgKrmg, KlauenzustandDorsalKrmgRille, "
     "KlauenzustandTrachtenhoeheNiedrig"},
    {"Laufflächengestaltung", "Laufflächenangebot erhöhen (z.B. Laufhof)",
     "Futtergang, Boxengang, LaufverhaltenAuffaelligeLahmheiten"},
    {"Laufflächengestaltung", "Verletzungsgefahren minimieren",
     "KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Lauffächenmanagement", "Alternative Entmistungstechnik wählen",
     "EuterBauch, Schwanzquast, Unterbein, HerdenIndex, KopfhaltungKl20, KopfhaltungGr20, "
     "LaufverhaltenAuffaelligeLahmheiten"},
    {"Lauffächenmanagement", "Abschiebehäufigkeit der Laufflächen erhöhen",
     "Hinterhand, Kreuz, EuterBauch, Schwanzquast, Unterbein (2), HerdenIndex, KopfhaltungKl20, "
     "KopfhaltungGr20, LaufverhaltenAuffaelligeLahmheiten, KlauenzustandBallenhautAkut (2), "
     "KlauenzustandBallenhautChronisch (2)"},
    {"Fressplatzgestaltung", "Alternatives Fressgittersystem wählen", "Futtergang"},
    {"Fressplatzgestaltung", "Höhe des Fressgitters anpassen",
     "WiderristHaarloseStelle, WiderristHautloseStelle, WiderristUmfangsvermehrung"},
    {"Fressplatzgestaltung", "Neigung des einfachen Nackenrohrs umsetzen",
     "WiderristHaarloseStelle, WiderristHautloseStelle, WiderristUmfangsvermehrung"},
    {"Fressplatzgestaltung", "Fressplatzbreite anpassen", "Fressgitter"},
    {"Fressplatzgestaltung", "Alternative Trogaufkantung wählen", "WammeHaarloseStelle"},
    {"Fressplatzgestaltung", "Höhe der Trogaufkantung anpassen", "WammeHaarloseStelle (2)"},
    {"Fressplatzgestaltung", "Dimensionierung des Fressstandes überprüfen",
     "Fressgitter, Futtergang"},
    {"Fressplatzgestaltung", "Tier- Fressplatzverhältnis überprüfen", "Fressgitter, Futtergang"},
    {"Fütterung", "kontinuierliche Futtervorlage sicherstellen",
     "Fressgitter (2), Schwanz, WiderristHaarloseStelle, WiderristHautloseStelle, "
     "WiderristUmfangsvermehrung, LaufverhaltenAuffaelligeLahmheiten"},
    {"Fütterung", "homogene Futterqualitäten sicherstellen",
     "KlauenzustandDorsalKrmgKrmg, KlauenzustandDorsalKrmgRille, "
     "KlauenzustandZehengleichUngleich, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Fütterung", "Rationsgestaltung überprüfen (wiederkäuergerechte Ration)",
     "Fressgitter, Brustlage, Schwanz, WiderristHaarloseStelle, WiderristHautloseStelle, "
     "WiderristUmfangsvermehrung, LaufverhaltenAuffaelligeLahmheiten, "
     "KlauenzustandDorsalKrmgKrmg (2), KlauenzustandDorsalKrmgRille (2), "
     "KlauenzustandZehengleichUngleich, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Stallbelegung", "Überbelegung vermeiden (Tier-Liegeboxen-Verhältnis)",
     "Boxengang, StehenBox2Beine, LiegenBox (2), WartenAMS, Brustlage, Schwanz, Schwanzquast, "
     "KopfhaltungKl20, KopfhaltungGr20, LaufverhaltenAuffaelligeLahmheiten, "
     "AbliegedauerZoegerlich, AbliegedauerVerweigernd, AbliegedauerAbgebrochen, "
     "KlauenzustandDorsalKrmgKrmg, KlauenzustandDorsalKrmgRille, "
     "KlauenzustandBallenhautAkut (2), KlauenzustandBallenhautChronisch (2)"},
    {"Stallbelegung", "Überbelegung vermeiden (Tier-Fressplatz-Verhältnis)",
     "Fressgitter, Futtergang, KopfhaltungKl20, KopfhaltungGr20, "
     "LaufverhaltenAuffaelligeLahmheiten, KlauenzustandDorsalKrmgKrmg, "
     "KlauenzustandDorsalKrmgRille, KlauenzustandBallenhautAkut (2), "
     "KlauenzustandBallenhautChronisch (2)"},
    {"Stallklima", "Luftaustausch erhöhen (Unterstützungslüftung)",
     "LiegenBox, LaufverhaltenAuffaelligeLahmheiten, KlauenzustandDorsalKrmgKrmg, "
     "KlauenzustandDorsalKrmgRille, KlauenzustandBallenhautAkut (2), "
     "KlauenzustandBallenhautChronisch (2)"},
    {"Stallklima", "Klimazonen vermeiden",
     "Boxengang, LiegenBox, KlauenzustandDorsalKrmgKrmg, KlauenzustandDorsalKrmgRille"},
    {"Gesundheit", "Allgemeinbefinden der Kühe überprüfen",
     "StehenBox4Beine, LiegenBox, Brustlage, Schlafposition, TotaleSeitenlage, KotMittig, "
     "KotSeitlich, KopfhaltungKl20, KopfhaltungGr20, LaufverhaltenAuffaelligeLahmheiten, "
     "AbliegedauerZoegerlich, AbliegedauerVerweigernd, AbliegedauerAbgebrochen, "
     "KlauenzustandZehengleichUngleich"},
    {"Gesundheit", "Verletzungshäufigkeiten der Gelenke überprüfen", "KotSeitlich"},
    {"Gesundheit", "Stoffwechselprobleme der Kühe überprüfen",
     "KotSeitlich, Schwanz, Schwanzquast, Sitzbein, KopfhaltungKl20, KopfhaltungGr20, "
     "LaufverhaltenAuffaelligeLahmheiten, AbliegedauerZoegerlich, AbliegedauerVerweigernd, "
     "AbliegedauerAbgebrochen, MobilityCheckStandingScore1, MobilityCheckStandingScore23, "
     "MobilityCheckStandingScore45, MobilityCheckLocomotionScore1, "
     "MobilityCheckLocomotionScore23, MobilityCheckLocomotionScore45, "
     "KlauenzustandDorsalKrmgKrmg, KlauenzustandDorsalKrmgRille, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Gesundheit", "Stresssituationen für die Kühe vermeiden",
     "StehenBox4Beine, WartenAMS, Schlafposition, TotaleSeitenlage, KotMittig, KotSeitlich, "
     "Schwanz, Schwanzquast, Sitzbein, KopfhaltungKl20, KopfhaltungGr20, "
     "LaufverhaltenAuffaelligeLahmheiten, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Tiermanagement", "Schwanzquast kürzen", "Kreuz, Schwanzquast"},
    {"Klauenpflege", "Funktionelle Klauenpflege durchführen - Herdenschnitt",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "KlauenzustandDorsalLaengeLang, KlauenzustandDorsalLaengeKurz (2), "
     "KlauenzustandDorsalKrmgKrmg (2), KlauenzustandDorsalKrmgRille (2), "
     "KlauenzustandTrachtenhoeheHoch, KlauenzustandTrachtenhoeheNiedrig (2), "
     "KlauenzustandZehengleichUngleich (2), KlauenzustandZehengleichAuffaellig (2), "
     "KlauenzustandBodenwStandAuffaellig (2), KlauenzustandBodenwStandDringend (2)"},
    {"Klauenpflege", "Klauenpflege zu selten (mind. 3 x pro Jahr)",
     "KotSeitlich, KopfhaltungKl20, KopfhaltungGr20, LaufverhaltenAuffaelligeLahmheiten, "
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "KlauenzustandDorsalLaengeLang (2), KlauenzustandDorsalKrmgRille, "
     "KlauenzustandTrachtenhoeheHoch (2), KlauenzustandZehengleichAuffaellig, "
     "KlauenzustandBodenwStandAuffaellig, KlauenzustandBodenwStandDringend"},
    {"Klauenpflege", "sachgemäße Sprühanwendung planen (Häufigkeit / Produktauswahl)",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "KlauenzustandTrachtenhoeheHoch, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Klauenpflege", "sachgemäße Klauenbäder planen (Design / Produktauswahl)",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "KlauenzustandTrachtenhoeheHoch, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Klauenpflege", "Klauenkontrolle mind. 1 x wöchentlich",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "MobilityCheckVerhaltenEntlasten, KlauenzustandDorsalLaengeLang, "
     "KlauenzustandDorsalLaengeKurz, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"akute Klauenerkrankungen",
     "Klauengesundheit untersuchen (geprüfter Klauenpfleger / Tierarzt)",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "MobilityCheckVerhaltenEntlasten, MobilityCheckStandingScore1, "
     "MobilityCheckStandingScore23, MobilityCheckStandingScore45, "
     "MobilityCheckLocomotionScore1, MobilityCheckLocomotionScore23, "
     "MobilityCheckLocomotionScore45, KlauenzustandTrachtenhoeheHoch, "
     "KlauenzustandZehengleichUngleich, KlauenzustandZehengleichAuffaellig"},
    {"akute Klauenerkrankungen", "rechtzeitige und sachgemäße Einzeltierbehandlung",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "MobilityCheckVerhaltenEntlasten, MobilityCheckStandingScore1, "
     "MobilityCheckStandingScore23, MobilityCheckStandingScore45, "
     "MobilityCheckLocomotionScore1, MobilityCheckLocomotionScore23, "
     "MobilityCheckLocomotionScore45, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"akute Klauenerkrankungen",
     "Erregereinschleppung verhindern durch geschlossene Betriebsführung",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "KlauenzustandBallenhautAkut (2), KlauenzustandBallenhautChronisch (2)"},
    {"akute Klauenerkrankungen", "begonnene Behandlungen fortführen",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "MobilityCheckVerhaltenEntlasten, MobilityCheckStandingScore1, "
     "MobilityCheckStandingScore23, MobilityCheckStandingScore45, "
     "MobilityCheckLocomotionScore1, MobilityCheckLocomotionScore23, "
     "MobilityCheckLocomotionScore45, KlauenzustandBallenhautAkut (2), "
     "KlauenzustandBallenhautChronisch (2)"},
    {"Dauer der Melkzeit", "Reduzierung der Melk- und Wartezeiten",
     "KlauenzustandDorsalKrmgKrmg, KlauenzustandDorsalKrmgRille, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Dauer der Melkzeit", "Gummiauflage im Wartehof",
     "KlauenzustandDorsalKrmgKrmg, KlauenzustandDorsalKrmgRille, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"unpassende Bullenanpaarung", "gezielte Bullenauswahl (Merkmale Klauenwinkel u. Rollklauen)",
     "KlauenzustandDorsalLaengeLang, KlauenzustandTrachtenhoeheHoch, "
     "KlauenzustandTrachtenhoeheNiedrig, KlauenzustandZehengleichUngleich (2), "
     "KlauenzustandBodenwStandAuffaellig"},
    {"unpassende Bullenanpaarung", "Zucht auf Mortellaro-Freiheit",
     "KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Jungviehaufzucht", "Mortellaro-Infektionen verhindern",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Jungviehaufzucht", "gezielte Jungviehration (Fütterungsberatung)",
     "KlauenzustandBallenhautAkut, KlauenzustandBallenhautChronisch"},
    {"Jungviehaufzucht", "qualitativ hochwertige Haltungsumgebung sicherstellen",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Jungviehaufzucht", "Klauenpflege ab Zuchtreife",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "KlauenzustandTrachtenhoeheHoch (2), KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Jungviehaufzucht", "sachgemäße Einzeltierbehandlung",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "MobilityCheckVerhaltenEntlasten, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
    {"Jungviehaufzucht", "regelmäßige Klauenkontrolle  in der Jungviehaufzucht",
     "MobilityCheckVerhaltenRuhig, MobilityCheckVerhaltenTrippeln, "
     "MobilityCheckVerhaltenEntlasten, KlauenzustandBallenhautAkut, "
     "KlauenzustandBallenhautChronisch"},
};

// Appends one row; used only while the catalogue is built.
void AddUrsache(std::vector<TUrsache>& AKatalog, const QString& AIndikatorId,
                const QString& AUrsache, const QString& AMassnahme, int APrio)
{
    AKatalog.push_back(TUrsache{AIndikatorId, AUrsache, AMassnahme, APrio});
}

std::vector<TUrsache> BuildKatalog()
{
    const QString Weight2Suffix = QStringLiteral(" (2)");
    std::vector<TUrsache> Result;
    Result.reserve(554);
    for (const TKWMassnahmeEintrag& Eintrag : CKatalog) {
        const QString Ursache = QString::fromUtf8(Eintrag.Ursache);
        const QString Massnahme = QString::fromUtf8(Eintrag.Massnahme);
        const QString Links = QString::fromUtf8(Eintrag.Indikatoren);
        for (const QString& Link : Links.split(QStringLiteral(", "))) {
            const bool IsWeight2 = Link.endsWith(Weight2Suffix);
            AddUrsache(Result, IsWeight2 ? Link.chopped(Weight2Suffix.size()) : Link, Ursache,
                       Massnahme, IsWeight2 ? 2 : 1);
        }
    }
    return Result;
}

// Sums, per text picked by AKey, the weights of the rows AAccept lets pass.
TKWPrioMap SumWeights(const std::function<bool(const TUrsache&)>& AAccept, QString TUrsache::*AKey)
{
    TKWPrioMap Result;
    for (const TUrsache& Row : UrsachenKatalog())
        if (AAccept(Row))
            Result[Row.*AKey] += Row.prio;
    return Result;
}

int Sign(int AValue)
{
    return (AValue > 0) - (AValue < 0);
}

} // namespace

const std::vector<TUrsache>& UrsachenKatalog()
{
    static const std::vector<TUrsache> Katalog = BuildKatalog();
    return Katalog;
}

bool IsInList(const QString& AList, const QString& AItem, const QString& ASeparator)
{
    return TKWListText(AList, ASeparator).Contains(AItem);
}

int TPrioComparer::Compare(const TKWPrioPair& Left, const TKWPrioPair& Right)
{
    if (Left.second != Right.second)
        return Right.second > Left.second ? 1 : -1;
    return Sign(QString::compare(Left.first, Right.first, Qt::CaseSensitive));
}

void SortByPrio(const TKWPrioMap& AWeights, TKWPrioList& AList)
{
    AList.clear();
    AList.reserve(AWeights.size());
    for (auto It = AWeights.cbegin(); It != AWeights.cend(); ++It)
        AList.append({It.key(), It.value()});
    std::sort(AList.begin(), AList.end(), TPrioComparer());
}

QString GetSortedKeys(const TKWPrioMap& AWeights, const QString& AFilter)
{
    TKWPrioList Sorted;
    SortByPrio(AWeights, Sorted);
    TKWListText Filter(AFilter, ListSeparator());
    QString Result;
    for (const TKWPrioPair& Pair : Sorted)
        if (AFilter.isEmpty() || Filter.Contains(Pair.first))
            Result += Pair.first + ListSeparator();
    return Result;
}

namespace {

TKWPrioMap UrsachenWeightsForIndikatoren(const QString& AIndikatoren)
{
    TKWListText Indikatoren(AIndikatoren, ListSeparator());
    return SumWeights([&](const TUrsache& ARow) { return Indikatoren.Contains(ARow.indikatorId); },
                      &TUrsache::ursache);
}

} // namespace

QString GetUrsachenForIndikatoren(const QString& AIndikatoren)
{
    return GetSortedKeys(UrsachenWeightsForIndikatoren(AIndikatoren), QString());
}

void GetUrsachenForIndikatoren(const QString& AIndikatoren, TKWPrioList& AList)
{
    SortByPrio(UrsachenWeightsForIndikatoren(AIndikatoren), AList);
}

QString GetIndikatorenForUrsachen(const QString& AUrsachen, const QString& AFilter)
{
    TKWListText Ursachen(AUrsachen, ListSeparator());
    const TKWPrioMap Weights =
        SumWeights([&](const TUrsache& ARow) { return Ursachen.Contains(ARow.ursache); },
                   &TUrsache::indikatorId);
    return GetSortedKeys(Weights, AFilter);
}

QString GetMassnahmenForUrsachen(const QString& AUrsachen)
{
    TKWListText Ursachen(AUrsachen, ListSeparator());
    const TKWPrioMap Weights =
        SumWeights([&](const TUrsache& ARow) { return Ursachen.Contains(ARow.ursache); },
                   &TUrsache::massnahme);
    return GetSortedKeys(Weights, QString());
}

void GetUrsachenWeights(const QStringList& AUrsachen, TKWPrioList& AList)
{
    const TKWPrioMap Weights = SumWeights(
        [&](const TUrsache& ARow) { return AUrsachen.contains(ARow.ursache); }, &TUrsache::ursache);
    SortByPrio(Weights, AList);
}

void GetMassnahmenForAuswahl(const QString& AIndikatoren, const QString& AUrsachen,
                             TKWPrioList& AList)
{
    TKWListText Indikatoren(AIndikatoren, ListSeparator());
    TKWListText Ursachen(AUrsachen, ListSeparator());
    const TKWPrioMap Weights = SumWeights(
        [&](const TUrsache& ARow) {
            return Indikatoren.Contains(ARow.indikatorId) && Ursachen.Contains(ARow.ursache);
        },
        &TUrsache::massnahme);
    SortByPrio(Weights, AList);
}
