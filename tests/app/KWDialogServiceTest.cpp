#include "KWDialogService.h"

#include "KWScriptedDialogService.h"
#include "KWTranslateUtil.h"
#include "TestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

TEST(KWDialogService, EachLineIsTranslatedOnItsOwn)
{
    TKWTranslateUtil::Open("EN");
    TKWScriptedDialogService Dialogs;
    Dialogs.ShowMessage(dtError,
                        {"Es fehlen einige Pflichteingaben (rot).", "Bitte füllen sie diese aus."});
    TKWTranslateUtil::Close();
    ASSERT_EQ(Dialogs.Requests().size(), 1);
    const TKWDialogRequest& Request = Dialogs.Requests().first();
    EXPECT_EQ(Request.Text, "Some required entries are missing (red).\nPlease fill them in.");
    EXPECT_EQ(Request.Type, dtError);
    EXPECT_EQ(Request.Buttons, TKWDialogButtons(dbOK));
}

// The heading is translated, the detail (an error text, not a source text) never: it is
// neither looked up nor reported as a text without translation.
TEST(KWDialogService, AnActionErrorIsTranslatedOnceAndItsDetailNever)
{
    ResetLog();
    TKWTranslateUtil::Open("EN");
    TKWScriptedDialogService Dialogs;
    Dialogs.ShowText(dtWarning, KWActionErrorText("Internal Error: connection refused"));
    TKWTranslateUtil::Close();
    ASSERT_EQ(Dialogs.Requests().size(), 1);
    EXPECT_EQ(Dialogs.Requests()[0].Text,
              "Error during the action:\r\n\r\nInternal Error: connection refused");
    EXPECT_TRUE(ReadLogLines().filter("Internal Error").isEmpty()) << ReadLogLines().join("\n").toStdString();
}

TEST(KWDialogService, AnswersArriveLaterFromTheQueueThenTheDefault)
{
    TKWScriptedDialogService Dialogs;
    Dialogs.QueueAnswer(dbNo);
    QList<TKWDialogButton> Answers;
    const auto Record = [&Answers](TKWDialogButton AAnswer) { Answers.append(AAnswer); };
    Dialogs.Confirm({"Beratung löschen?"}, dbYes | dbNo, dbYes, Record);
    Dialogs.Confirm({"Beratung löschen?"}, dbYes | dbNo, dbYes, Record);
    EXPECT_TRUE(Answers.isEmpty()) << "no caller may rely on an answer before the call returns";
    QCoreApplication::processEvents();
    EXPECT_EQ(Answers, (QList<TKWDialogButton>{dbNo, dbYes}));
    EXPECT_EQ(Dialogs.Texts(), (QStringList{"Beratung löschen?", "Beratung löschen?"}));
    EXPECT_EQ(Dialogs.Requests().first().Type, dtConfirmation);
}

} // namespace
