#include "KWTour.h"

#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWGuiUtil.h"
#include "KWMain.h"
#include "KWScriptedDialogService.h"
#include "TestSupport.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TKWMainFormSetup SetupFor(const QTemporaryDir& AFolder, TKWScriptedDialogService& ADialogs)
{
    TKWMainFormSetup Setup;
    Setup.DatabasePath = AFolder.filePath("kvd.s3db");
    Setup.Dialogs = &ADialogs;
    return Setup;
}

TEST(KWTour, PicturesEveryPageOfTheExampleVisitAndLeavesItUnsaved)
{
    QTemporaryDir Folder;
    TKWScriptedDialogService Dialogs;
    TMainForm Form(SetupFor(Folder, Dialogs));
    Form.resize(KWTourWindowSize);
    Form.show();
    const QString Pictures = Folder.filePath("tour");

    QString Error;
    ASSERT_TRUE(KWRunTour(Form, Pictures, Error)) << Error.toStdString();

    QStringList Names = {"PopupInformation", "PopupSeitenauswahl", "PopupKommentar"};
    for (const TKWPageInfo& Page : KWPageCatalogue())
        Names << Page.PageId;
    for (const QString& Name : Names) {
        const QImage Picture(QDir(Pictures).filePath(Name + ".png"));
        EXPECT_EQ(Picture.size(), KWTourWindowSize) << Name.toStdString();
    }
    EXPECT_EQ(QDir(Pictures).entryList(QDir::Files).size(), Names.size());
    EXPECT_EQ(KWEnabledPages, "") << "the tour leaves the page selection as it was";
    EXPECT_EQ(Form.PageID(), "Betriebsauswahl");
    EXPECT_EQ(Form.DataManagement().DataState(), dsKeineDaten);
    EXPECT_EQ(Form.DataManagement().ActiveUUID(), TKWDataManagement::ExampleUUID)
        << "the example visit was the one opened";
    const QString VisitFolder = QDir(KWGetDataPath())
                                    .filePath(TKWDataManagement::ComposedName(
                                        TKWDataManagement::ExampleUUID,
                                        TKWDataManagement::ExampleTimestamp));
    EXPECT_FALSE(QFile::exists(QDir(VisitFolder).filePath("BeratungVoll.json")));
    EXPECT_TRUE(Dialogs.Requests().isEmpty());
}

TEST(KWTour, WithoutAnExampleVisitReportsAndWritesNothing)
{
    QTemporaryDir Folder;
    // A database that already has its tables is not seeded with the example visit.
    { TKWDBUtil Existing(Folder.filePath("kvd.s3db")); }
    TKWScriptedDialogService Dialogs;
    TMainForm Form(SetupFor(Folder, Dialogs));
    const QString Pictures = Folder.filePath("tour");

    QString Error;
    EXPECT_FALSE(KWRunTour(Form, Pictures, Error));
    EXPECT_TRUE(Error.contains("No example visit")) << Error.toStdString();
    EXPECT_FALSE(QDir(Pictures).exists());
    EXPECT_EQ(Form.PageID(), "Betriebsauswahl");
}

} // namespace
