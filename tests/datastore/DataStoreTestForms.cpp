#include "DataStoreTestForms.h"

const char* const cTestVisitId = "3F2504E0-4F89-41D3-9A0C-0305E82C3301.2021-12-14-10-30-00";
const char* const cTestDataName = "BeratungAnonym.0A1B2C3D.json";

TKWJson TestVisitDocument()
{
    return TKWJson::parse(R"({
      "Erfassung": {
        "Betriebsdaten": {
          "Betriebsinhaber": "", "AdresseBetrieb": "", "TelefonHandy": "", "EMail": "",
          "HITNummer": "", "UnternehmerNr": "", "Region": "NI",
          "GesamtzahlKuehe": 80, "Stallname": "Nordstall", "ErfassungsCode": "0A1B2C3D"
        },
        "AufenthaltsortKuehe": {"LiegenBox": 30}
      },
      "Auswertung": {},
      "Kennung": {"Configuration": "Kvo2021", "Short": "0A1B2C3D"}
    })");
}

TKWUploadForm TestUploadForm(const TKWJson& ADocument)
{
    return {{"action", "store"},
            {"configid", "Kvo2021"},
            {"visitid", cTestVisitId},
            {"dataname", cTestDataName},
            {"datacontent", ADocument.dump()}};
}

httplib::MultipartFormDataItems MultipartForm(const TKWUploadForm& AForm)
{
    httplib::MultipartFormDataItems Items;
    for (const auto& [Name, Value] : AForm)
        Items.push_back({Name, Value, "", ""});
    return Items;
}
