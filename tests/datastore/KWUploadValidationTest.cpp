#include "KWUploadValidation.h"

#include "DataStoreTestForms.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using TFormChange = std::function<void(TKWUploadForm&)>;

TFormChange SetField(const char* AName, const std::string& AValue)
{
    return [=](TKWUploadForm& AForm) {
        AForm.erase(AName);
        AForm.emplace(AName, AValue);
    };
}

TFormChange RemoveField(const char* AName)
{
    return [=](TKWUploadForm& AForm) { AForm.erase(AName); };
}

TFormChange RepeatField(const char* AName, const std::string& AValue)
{
    return [=](TKWUploadForm& AForm) { AForm.emplace(AName, AValue); };
}

TFormChange ChangeDocument(const std::function<void(TKWJson&)>& AChange)
{
    return [=](TKWUploadForm& AForm) {
        TKWJson Document = TestVisitDocument();
        AChange(Document);
        SetField("datacontent", Document.dump())(AForm);
    };
}

TFormChange SetFarmField(const char* AName, const TKWJson& AValue)
{
    return ChangeDocument(
        [=](TKWJson& ADocument) { ADocument["Erfassung"]["Betriebsdaten"][AName] = AValue; });
}

TFormChange SetVisitId(const std::string& AValue)
{
    return SetField("visitid", AValue);
}

TFormChange SetDataName(const std::string& AValue)
{
    return SetField("dataname", AValue);
}

TFormChange SetContent(const std::string& AValue)
{
    return SetField("datacontent", AValue);
}

const char* const cUuid = "3F2504E0-4F89-41D3-9A0C-0305E82C3301";

struct TValidationCase
{
    const char* Name;
    TFormChange Change;
    int Status;
    const char* ReasonPart;
};

void PrintTo(const TValidationCase& ACase, std::ostream* AStream)
{
    *AStream << ACase.Name;
}

class KWUploadValidationTest : public ::testing::TestWithParam<TValidationCase>
{
};

TEST_P(KWUploadValidationTest, AnswersWithStatusAndReason)
{
    TKWUploadForm Form = TestUploadForm();
    GetParam().Change(Form);
    const TKWUploadVerdict Verdict = KWValidateUpload(Form);
    EXPECT_EQ(Verdict.Status, GetParam().Status) << Verdict.Reason.toStdString();
    if (GetParam().Status == 200)
        EXPECT_TRUE(Verdict.Reason.isEmpty());
    else
        EXPECT_TRUE(Verdict.Reason.contains(QString::fromUtf8(GetParam().ReasonPart)))
            << Verdict.Reason.toStdString();
}

const auto Unchanged = [](TKWUploadForm&) {};

INSTANTIATE_TEST_SUITE_P(
    Accepted, KWUploadValidationTest,
    ::testing::Values(
        TValidationCase{"AnonymisedDocument", Unchanged, 200, ""},
        TValidationCase{"PersonalFieldsNull", ChangeDocument([](TKWJson& ADocument) {
                            for (const char* Name :
                                 {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy", "EMail",
                                  "HITNummer", "UnternehmerNr", "Region"})
                                ADocument["Erfassung"]["Betriebsdaten"][Name] = nullptr;
                        }),
                        200, ""},
        TValidationCase{"PersonalFieldsAbsent", ChangeDocument([](TKWJson& ADocument) {
                            ADocument["Erfassung"]["Betriebsdaten"] = {{"GesamtzahlKuehe", 80}};
                        }),
                        200, ""},
        TValidationCase{"NoFarmData", ChangeDocument([](TKWJson& ADocument) {
                            ADocument["Erfassung"].erase("Betriebsdaten");
                        }),
                        200, ""},
        TValidationCase{"RegionOneCharacter", SetFarmField("Region", "N"), 200, ""},
        TValidationCase{"RegionEmpty", SetFarmField("Region", ""), 200, ""},
        // Two characters that take four bytes in UTF-8: the length is counted in characters.
        TValidationCase{"RegionTwoUmlauts", SetFarmField("Region", "ÖÜ"), 200, ""},
        TValidationCase{"DataNameLowerCaseHex", SetDataName("BeratungAnonym.0a1b2c3d.json"), 200,
                        ""},
        TValidationCase{"VisitIdOnLeapDay", SetVisitId(std::string(cUuid) + ".2024-02-29-23-59-59"),
                        200, ""}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    PersonalData, KWUploadValidationTest,
    ::testing::Values(
        TValidationCase{"Betriebsinhaber", SetFarmField("Betriebsinhaber", "Hans Muster"), 422,
                        "\"Betriebsinhaber\""},
        TValidationCase{"AdresseBetrieb", SetFarmField("AdresseBetrieb", "Dorfstr. 1"), 422,
                        "\"AdresseBetrieb\""},
        TValidationCase{"TelefonHandy", SetFarmField("TelefonHandy", "0171 1234567"), 422,
                        "\"TelefonHandy\""},
        TValidationCase{"EMail", SetFarmField("EMail", "hof@example.org"), 422, "\"EMail\""},
        TValidationCase{"HITNummer", SetFarmField("HITNummer", "276000912345678"), 422,
                        "\"HITNummer\""},
        TValidationCase{"UnternehmerNr", SetFarmField("UnternehmerNr", "12345"), 422,
                        "\"UnternehmerNr\""},
        TValidationCase{"OnlyABlank", SetFarmField("Betriebsinhaber", " "), 422,
                        "\"Betriebsinhaber\""},
        TValidationCase{"NumberInsteadOfText", SetFarmField("HITNummer", 276000912345678), 422,
                        "\"HITNummer\""},
        TValidationCase{"RegionThreeCharacters", SetFarmField("Region", "NIE"), 422, "\"Region\""},
        TValidationCase{"RegionNumber", SetFarmField("Region", 123), 422, "\"Region\""}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    MalformedForm, KWUploadValidationTest,
    ::testing::Values(
        TValidationCase{"MissingAction", RemoveField("action"), 400, "missing field \"action\""},
        TValidationCase{"MissingConfigId", RemoveField("configid"), 400,
                        "missing field \"configid\""},
        TValidationCase{"MissingVisitId", RemoveField("visitid"), 400, "missing field \"visitid\""},
        TValidationCase{"MissingDataName", RemoveField("dataname"), 400,
                        "missing field \"dataname\""},
        TValidationCase{"MissingDataContent", RemoveField("datacontent"), 400,
                        "missing field \"datacontent\""},
        // Which of two values would be checked and which stored is not to be guessed.
        TValidationCase{"VisitIdTwice",
                        RepeatField("visitid", std::string(cUuid) + ".2022-01-01-00-00-00"), 400,
                        "\"visitid\" given more than once"},
        TValidationCase{"WrongAction", SetField("action", "load"), 400, "\"action\""},
        TValidationCase{"WrongConfigId", SetField("configid", "Kvo2020"), 400, "\"configid\""},
        TValidationCase{"ContentNotUtf8", SetContent("{\"Erfassung\": {\"x\": \"\xff\"}}"), 400,
                        "not UTF-8"}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    MalformedNames, KWUploadValidationTest,
    ::testing::Values(
        TValidationCase{"VisitIdLowerCase",
                        SetVisitId("3f2504e0-4f89-41d3-9a0c-0305e82c3301.2021-12-14-10-30-00"), 400,
                        "\"visitid\""},
        TValidationCase{"VisitIdWithBraces",
                        SetVisitId("{3F2504E0-4F89-41D3-9A0C-0305E82C3301}.2021-12-14-10-30-00"),
                        400, "\"visitid\""},
        TValidationCase{"VisitIdWithoutTimestamp", SetVisitId(cUuid), 400, "\"visitid\""},
        TValidationCase{"VisitIdRawTimestamp",
                        SetVisitId(std::string(cUuid) + ".2021-12-14 10:30:00"), 400,
                        "\"visitid\""},
        TValidationCase{"VisitIdMonth13", SetVisitId(std::string(cUuid) + ".2021-13-14-10-30-00"),
                        400, "\"visitid\""},
        TValidationCase{"VisitIdHour24", SetVisitId(std::string(cUuid) + ".2021-12-14-24-00-00"),
                        400, "\"visitid\""},
        TValidationCase{"VisitIdTrailingText", SetVisitId(std::string(cTestVisitId) + "/../x"), 400,
                        "\"visitid\""},
        TValidationCase{"VisitIdFinalLineFeed", SetVisitId(std::string(cTestVisitId) + "\n"), 400,
                        "\"visitid\""},
        TValidationCase{"DataNameFinalLineFeed", SetDataName(std::string(cTestDataName) + "\n"),
                        400, "\"dataname\""},
        TValidationCase{"DataNameFullVisit", SetDataName("BeratungVoll.json"), 400, "\"dataname\""},
        TValidationCase{"DataNameSevenDigits", SetDataName("BeratungAnonym.0A1B2C3.json"), 400,
                        "\"dataname\""},
        TValidationCase{"DataNameNineDigits", SetDataName("BeratungAnonym.0A1B2C3D4.json"), 400,
                        "\"dataname\""},
        TValidationCase{"DataNameNotHex", SetDataName("BeratungAnonym.0A1B2C3G.json"), 400,
                        "\"dataname\""},
        TValidationCase{"DataNameWithoutExtension", SetDataName("BeratungAnonym.0A1B2C3D"), 400,
                        "\"dataname\""},
        TValidationCase{"DataNameWithFolder", SetDataName("../BeratungAnonym.0A1B2C3D.json"), 400,
                        "\"dataname\""}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    MalformedDocument, KWUploadValidationTest,
    ::testing::Values(
        TValidationCase{"NotJson", SetContent("Betriebsinhaber=Hans"), 400, "not JSON"},
        TValidationCase{"TruncatedJson", SetContent("{\"Erfassung\": {"), 400, "not JSON"},
        TValidationCase{"Array", SetContent("[]"), 400, "not a visit document"},
        TValidationCase{"EmptyObject", SetContent("{}"), 400, "not a visit document"},
        TValidationCase{"ErfassungNotObject", SetContent("{\"Erfassung\": []}"), 400,
                        "not a visit document"},
        // An array of farm records could hide personal data from the field checks.
        TValidationCase{"FarmDataArray",
                        SetContent(R"({"Erfassung": {"Betriebsdaten": [{"EMail": "a@b.de"}]}})"),
                        400, "\"Betriebsdaten\" is not an object"},
        TValidationCase{"NestedTooDeeply",
                        SetContent(std::string(R"({"Erfassung": {"Wert": )")
                                       .append(100, '[')
                                       .append(100, ']')
                                       .append("}}")),
                        400, "nested deeper than 64 levels"}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

// The last of two equal names wins for the check, while another reader of the stored text may
// take the first: every repeated name refuses the document, wherever it stands.
INSTANTIATE_TEST_SUITE_P(
    RepeatedMembers, KWUploadValidationTest,
    ::testing::Values(
        TValidationCase{"OwnerEmptiedByASecondOwner",
                        SetContent(R"({"Erfassung":{"Betriebsdaten":{"Betriebsinhaber":"Hof )"
                                   R"(Muster","Betriebsinhaber":""}}})"),
                        400, "member \"Betriebsinhaber\" occurs more than once"},
        TValidationCase{"EmptyFarmDataAfterFullOnes",
                        SetContent(R"({"Erfassung":{"Betriebsdaten":{"EMail":"hof@example.org"},)"
                                   R"("Betriebsdaten":{}}})"),
                        400, "member \"Betriebsdaten\" occurs more than once"},
        TValidationCase{"EmptyRecordingAfterFullOne",
                        SetContent(R"({"Erfassung":{"Betriebsdaten":{"EMail":"hof@example.org"}},)"
                                   R"("Erfassung":{}})"),
                        400, "member \"Erfassung\" occurs more than once"},
        TValidationCase{"RepeatedOutsideTheFarmData",
                        SetContent(R"({"Erfassung":{},"Auswertung":{"A":1,"A":1}})"), 400,
                        "member \"A\" occurs more than once"}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(KWUploadValidation, AcceptedUploadKeepsTheTextsAsSent)
{
    TKWJson Document = TestVisitDocument();
    Document["Erfassung"]["Betriebsdaten"]["Stallname"] = "Südstall";
    // Spacing that a parse and re-dump would lose: the stored text must be the sent text.
    const std::string Content = "  " + Document.dump(2) + "\n";
    TKWUploadForm Form = TestUploadForm();
    SetContent(Content)(Form);

    const TKWUploadVerdict Verdict = KWValidateUpload(Form);

    ASSERT_EQ(Verdict.Status, 200) << Verdict.Reason.toStdString();
    EXPECT_EQ(Verdict.Upload.VisitId, QString::fromLatin1(cTestVisitId));
    EXPECT_EQ(Verdict.Upload.DataName, QString::fromLatin1(cTestDataName));
    EXPECT_EQ(Verdict.Upload.DataContent.toStdString(), Content);
}

} // namespace
