#include "KWCode.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

class KWCodes : public ::testing::Test
{
protected:
    void SetUp() override { TCodes::Init(); }
    void TearDown() override { TCodes::Terminate(); }
};

QStringList CodesOf(const QString& AID)
{
    QStringList Result;
    for (const TCode& Code : TCodes::GetCodesInOrder(AID))
        Result.append(Code.FCode);
    return Result;
}

TEST_F(KWCodes, GroupsAndCodeCountsInOrderOfDefinition)
{
    const std::vector<std::pair<QString, int>> Expected = {
        {"STALLSYSTEM", 2},
        {"STALLREIHEN", 14},
        {"STALLBOXEN", 3},
        {"BOXENTYP", 3},
        {"MELKSYSTEM", 2},
        {"MELKSTAND", 10},
        {"RASSE", 5},
        {"ERFASS_GR", 6},
        {"BUEGEL", 9},
        {"BUG_BEG", 11},
        {"HBOX_BEL", 9},
        {"HBOX_STREU", 11},
        {"TBOX_GRUND", 18},
        {"TBOX_DECK", 13},
        {"ZUS_KAL", 9},
        {"HAEUF_BOX_PFL", 5},
        {"HAEUF_NACHSTR", 9},
        {"BOD_FUTT", 7},
        {"BOD_LAUF", 7},
        {"LAUF_REIN", 7},
        {"HAEUF_LAUF_REIN", 16},
        {"FUETTERUNGSYSTEM", 4},
        {"RATIONSGESTALTUNG", 5},
        {"RUTSCHFEST", 2},
        {"TRITTSICHER", 2},
        {"ART_BEG", 5},
        {"AUSF_SOCK", 6},
        {"WASSERCHECK_ZUFLUSS", 3},
        {"GefaelleLiegebox", 10},
        {"WEIDE_TRAENKE", 3},
        {"WEIDE_UNTERSTAND", 3},
        {"BUERSTE_ART", 2},
        {"BUERSTE_ZUSTAND", 3},
        {"BUCHT_BAUART", 3},
        {"BUCHT_SAUBER", 2},
        {"REINIGUNG_METHODE", 3},
        {"REINIGUNG_MITTEL", 2},
    };
    const QStringList IDs = TCodes::GetCodesystemIDs();
    ASSERT_EQ(IDs.size(), 37);
    qsizetype Total = 0;
    for (size_t I = 0; I < Expected.size(); ++I) {
        const auto& [ID, Count] = Expected[I];
        EXPECT_EQ(IDs[qsizetype(I)], ID) << "position " << I;
        const TKWCodesystem& Group = TCodes::GetCodesystem(ID);
        EXPECT_EQ(Group.Count(), Count) << ID.toStdString();
        EXPECT_EQ(qsizetype(TCodes::GetCodesInOrder(ID).size()), Count) << ID.toStdString();
        Total += Group.Count();
    }
    EXPECT_EQ(Total, 234);
}

struct TRowCase
{
    const char* Group;
    size_t Position;
    const char* Code;
    const char* Name;
};

TEST_F(KWCodes, RowsKeepTheirPositionCodeAndLabel)
{
    const TRowCase Cases[] = {
        {"STALLSYSTEM", 0, "LL", "Liegeboxenlaufstall"},
        {"STALLSYSTEM", 1, "AB", "Anbindestall"},
        {"STALLREIHEN", 13, "SONST", "Sonstiger"},
        {"BOXENTYP", 2, "hvTB", "hochverlegte Tiefbox"},
        {"MELKSTAND", 0, "KEINER", ""},
        {"MELKSTAND", 5, "AUSMLK", "Außenmelker"},
        {"RASSE", 0, "HF", "HF"},
        {"BUEGEL", 7, "FLEX", "Flexible Bügel (Holz, Cow Welfare, Deltex)"},
        {"BUG_BEG", 1, "KUNST", "Kunststoffrohr (PE/KG-Rohr, Ergoboard)"},
        {"HBOX_STREU", 9, "GUEL_SEP", "Sep. Gülle / Gärreste"},
        {"TBOX_GRUND", 13, "GAER_GET", "Sep. Gülle / Gärreste"},
        {"TBOX_GRUND", 17, "SONST", "Sonstiges"},
        {"TBOX_DECK", 11, "STH_SAEM", "Strohhäck. u. Sägemehl"},
        {"HAEUF_BOX_PFL", 4, "KL3W", "< 3x wöchentlich"},
        {"HAEUF_NACHSTR", 8, "MON", "monatlich"},
        {"BOD_LAUF", 5, "PLAN_FER_BET", "Planbefestigt Fertigbetonelemente"},
        {"HAEUF_LAUF_REIN", 0, "NIE", "gar nicht"},
        {"HAEUF_LAUF_REIN", 3, "1T", "1x täglich"},
        {"HAEUF_LAUF_REIN", 14, "12T", "12x täglich"},
        {"HAEUF_LAUF_REIN", 15, "24T", "24x täglich"},
        {"TRITTSICHER", 1, "TRI_WACK", "Wackelig/Uneben/Kantig"},
        {"WASSERCHECK_ZUFLUSS", 1, "LAMINAR", "Laminar fließend"},
        {"GefaelleLiegebox", 0, "0", "0%"},
        {"GefaelleLiegebox", 9, "9", "9%"},
        {"WEIDE_TRAENKE", 1, "AUTO",
         "Selbstbefüllend - konstante Wasserversorgung (Leitung, Pumpe)"},
        {"WEIDE_UNTERSTAND", 2, "KUE", "künstlich"},
        {"BUCHT_BAUART", 0, "FLAECHE_EIN", "1-Flächenbucht"},
        {"REINIGUNG_METHODE", 2, "NEBEL", "Sprühnebel"},
        {"REINIGUNG_MITTEL", 1, "DESI", "Desinfizierend"},
    };
    for (const TRowCase& Case : Cases) {
        SCOPED_TRACE(std::string(Case.Group) + " " + Case.Code);
        const std::vector<TCode> Codes = TCodes::GetCodesInOrder(Case.Group);
        ASSERT_LT(Case.Position, Codes.size());
        EXPECT_EQ(Codes[Case.Position].FCode, QString(Case.Code));
        EXPECT_EQ(Codes[Case.Position].FName, QString(Case.Name));
        const TCode* Found = TCodes::GetCodesystem(Case.Group).Find(Case.Code);
        ASSERT_NE(Found, nullptr);
        EXPECT_EQ(Found->FName, QString(Case.Name));
    }
}

TEST_F(KWCodes, SearchFollowsTheFixedSearchOrder)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"LL", "Liegeboxenlaufstall"},
        {"SONST", "Sonstige"},
        {"KEIN", "keiner"},
        {"NEIN", "Nein"},
        {"KONV", "konventionell"},
        {"AUTO", "Teilautom. Bandfütterung"},
        {"VORRAT", "Vorratsfütterung"},
        {"J2T", "jeden 2. Tag"},
        {"HF", "HF"},
        {"hvTB", "hochverlegte Tiefbox"},
        // Codes are exact: the capitalised form is no code at all and comes back as it is.
        {"HVTB", "HVTB"},
        {"ll", "ll"},
        {"UNBEKANNT", "UNBEKANNT"},
        {"", ""},
    };
    for (const auto& [Code, Name] : Cases)
        EXPECT_EQ(TCodes::Search(Code), QString(Name)) << Code;
}

TEST_F(KWCodes, SearchReturnsAnEmptyLabelRatherThanTheCode)
{
    const QString Label = TCodes::Search("KEINER");
    EXPECT_TRUE(Label.isEmpty()) << Label.toStdString();
}

// A group left out of the search order would hide its codes from Search, and a mistyped label of
// a shared code would make Search depend on the order where it must not.
TEST_F(KWCodes, SearchFindsEveryCodeAndOnlySixCodesCarryDifferentLabels)
{
    std::map<QString, std::set<QString>> LabelsByCode;
    for (const QString& ID : TCodes::GetCodesystemIDs())
        for (const TCode& Code : TCodes::GetCodesystem(ID).Codes())
            LabelsByCode[Code.FCode].insert(Code.FName);

    std::set<QString> Ambiguous;
    for (const auto& [Code, Labels] : LabelsByCode) {
        EXPECT_TRUE(Labels.contains(TCodes::Search(Code))) << Code.toStdString();
        if (Labels.size() > 1)
            Ambiguous.insert(Code);
    }
    EXPECT_EQ(Ambiguous, (std::set<QString>{"SONST", "KEIN", "NEIN", "KONV", "AUTO", "VORRAT"}));
    EXPECT_EQ(LabelsByCode["SONST"], (std::set<QString>{"Sonstiger", "Sonstige", "Sonstiges"}));
    EXPECT_EQ(LabelsByCode["J2T"].size(), 1u);
}

TEST_F(KWCodes, GroupsWithTheSameChoicesAreDistinctGroups)
{
    const std::pair<const char*, const char*> Pairs[] = {
        {"HAEUF_NACHSTR", "ZUS_KAL"},
        {"BOD_LAUF", "BOD_FUTT"},
    };
    for (const auto& [First, Second] : Pairs) {
        const TKWCodesystem& A = TCodes::GetCodesystem(First);
        const TKWCodesystem& B = TCodes::GetCodesystem(Second);
        EXPECT_NE(&A, &B) << First;
        ASSERT_EQ(A.Count(), B.Count()) << First;
        for (qsizetype I = 0; I < A.Count(); ++I) {
            EXPECT_EQ(A.Codes()[size_t(I)].FCode, B.Codes()[size_t(I)].FCode) << First;
            EXPECT_EQ(A.Codes()[size_t(I)].FName, B.Codes()[size_t(I)].FName) << First;
        }
    }
}

TEST_F(KWCodes, LookupInAGroupIsExact)
{
    EXPECT_EQ(CodesOf("BOXENTYP"), (QStringList{"HB", "TB", "hvTB"}));
    const TKWCodesystem& Boxentyp = TCodes::GetCodesystem("BOXENTYP");
    EXPECT_TRUE(Boxentyp.Contains("hvTB"));
    EXPECT_FALSE(Boxentyp.Contains("HVTB"));
    EXPECT_EQ(Boxentyp.Find("HVTB"), nullptr);
    EXPECT_EQ(Boxentyp.Find("LL"), nullptr) << "a code of another group";
}

TEST_F(KWCodes, UnknownGroupIdRaises)
{
    for (const char* ID : {"UNBEKANNT", "stallsystem", "GEFAELLELIEGEBOX", ""}) {
        EXPECT_THROW(TCodes::GetCodesystem(ID), EKWCodesystemException) << ID;
        EXPECT_THROW(TCodes::GetCodesInOrder(ID), EKWException) << ID;
    }
}

TEST(KWCodesystem, AddingACodeTwiceRaisesAndKeepsTheGroup)
{
    TKWCodesystem Group;
    Group.Add("A", "Erster");
    Group.Add("a", "Zweiter");
    EXPECT_THROW(Group.Add("A", "Dritter"), EKWCodesystemException);
    ASSERT_EQ(Group.Count(), 2);
    EXPECT_EQ(Group.Find("A")->FName, "Erster");
    EXPECT_EQ(Group.Find("a")->FName, "Zweiter");
}

TEST(KWCodesLifecycle, WithoutGroupsSearchReturnsTheCodeAndLookupsRaise)
{
    TCodes::Terminate();
    EXPECT_EQ(TCodes::Search("LL"), "LL");
    EXPECT_TRUE(TCodes::GetCodesystemIDs().isEmpty());
    EXPECT_THROW(TCodes::GetCodesystem("STALLSYSTEM"), EKWCodesystemException);

    TCodes::Init();
    EXPECT_EQ(TCodes::Search("LL"), "Liegeboxenlaufstall");
    TCodes::Terminate();
    EXPECT_EQ(TCodes::Search("LL"), "LL") << "after Terminate";
    EXPECT_THROW(TCodes::GetCodesystem("STALLSYSTEM"), EKWCodesystemException);
    TCodes::Terminate();
}

TEST(KWCodesLifecycle, SecondInitKeepsTheGroupsAsTheyAre)
{
    TCodes::Init();
    const TKWCodesystem* Before = &TCodes::GetCodesystem("MELKSTAND");
    TCodes::Init();
    EXPECT_EQ(TCodes::GetCodesystemIDs().size(), 37);
    EXPECT_EQ(&TCodes::GetCodesystem("MELKSTAND"), Before) << "references handed out stay valid";
    EXPECT_EQ(Before->Count(), 10);
    TCodes::Terminate();

    TCodes::Init();
    EXPECT_EQ(TCodes::GetCodesystemIDs().size(), 37) << "Init after Terminate builds again";
    EXPECT_EQ(TCodes::Search("SONST"), "Sonstige");
    TCodes::Terminate();
}

} // namespace
