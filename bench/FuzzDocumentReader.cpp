// libFuzzer target for the reader of visit documents: whatever bytes arrive, reading them
// never crashes, and a document that was read is written so that reading and writing it again
// gives the same text.
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWJsonReader.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <string_view>

namespace {

std::string ReadAndWrite(TKWDataStore& AStore, std::string_view AText, TKWAction AAction)
{
    TKWJson Document = KWParseJson(AText);
    AStore.ClearData();
    AStore.LoadFromJson(Document, AAction);
    TKWDataManagement::NormalizeDataFields(AStore);
    return AStore.GetDataAsJson().dump();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Unreadable areas are logged; keep the log in a scratch data folder.
    static QTemporaryDir Home;
    setenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("share")).toUtf8().constData(), 1);
    static QCoreApplication App(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize)
{
    static TKWDataStore Store;
    const std::string_view Text(reinterpret_cast<const char*>(AData), ASize);
    for (const TKWAction Action : {aBeratungBearbeiten, aFolgeberatung}) {
        std::string Written;
        try {
            Written = ReadAndWrite(Store, Text, Action);
        } catch (const EKWException&) {
            continue; // refused with a reason: that is a proper outcome
        }
        if (ReadAndWrite(Store, Written, aBeratungBearbeiten) != Written)
            std::abort();
    }
    return 0;
}
