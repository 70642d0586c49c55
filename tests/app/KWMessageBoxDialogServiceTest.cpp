#include "KWMessageBoxDialogService.h"

#include "GuiTestSupport.h"
#include "TestSupport.h"

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class KWMessageBoxDialogServiceTest : public ::testing::Test
{
protected:
    void SetUp() override { FWindow.show(); }

    QMessageBox* OpenBox() const { return FWindow.findChild<QMessageBox*>(); }

    QWidget FWindow;
    TKWMessageBoxDialogService FDialogs{&FWindow};
    QList<TKWDialogButton> FAnswers;
    TKWDialogCallback FRecord = [this](TKWDialogButton AAnswer) { FAnswers.append(AAnswer); };
};

TEST_F(KWMessageBoxDialogServiceTest, ConfirmReturnsAtOnceAndTheClickedButtonAnswers)
{
    FDialogs.Confirm({"Beratung löschen?"}, dbYes | dbNo, dbNo, FRecord);
    QMessageBox* Box = OpenBox();
    ASSERT_NE(Box, nullptr);
    EXPECT_TRUE(Box->isVisible());
    EXPECT_TRUE(FAnswers.isEmpty());
    EXPECT_EQ(Box->text(), "Beratung löschen?");
    QStringList Captions;
    for (QAbstractButton* Button : Box->buttons())
        Captions.append(Button->text());
    Captions.sort();
    EXPECT_EQ(Captions, (QStringList{"Ja", "Nein"}));
    for (QAbstractButton* Button : Box->buttons())
        EXPECT_GE(Button->height(), 40) << "a finger hits it";
    EXPECT_EQ(Box->defaultButton()->text(), "Nein");

    for (QAbstractButton* Button : Box->buttons())
        if (Button->text() == "Ja")
            Button->click();
    EXPECT_EQ(FAnswers, QList<TKWDialogButton>{dbYes});
    EXPECT_TRUE(WaitFor([this] { return OpenBox() == nullptr; }, 1000)) << "the box frees itself";
}

TEST_F(KWMessageBoxDialogServiceTest, ClosingWithoutAButtonGivesTheCautiousAnswer)
{
    FDialogs.Confirm({"Upload zum Server"}, dbOK | dbCancel, dbOK, FRecord);
    OpenBox()->reject();
    ASSERT_TRUE(WaitFor([this] { return OpenBox() == nullptr; }, 1000));
    FDialogs.ShowMessage(dtWarning, {"Die Beratung wird nicht gesichert."}, FRecord);
    ASSERT_NE(OpenBox(), nullptr);
    EXPECT_EQ(OpenBox()->icon(), QMessageBox::Warning);
    OpenBox()->reject();
    EXPECT_EQ(FAnswers, (QList<TKWDialogButton>{dbCancel, dbOK}));
}

} // namespace
