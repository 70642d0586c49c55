#include "KWAnnotatableImage.h"

#include "KWMemTable.h"
#include "KWTooltipLabel.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The test drawing is 400 x 200 pixels.
TImageInfo Drawing()
{
    const TAnnotation Breite{.ID = "BoxBreite",
                             .Text = "Breite der Box",
                             .TextPrompt = "cm",
                             .KeyboardType = Qt::ImhDigitsOnly,
                             .FilterChar = "0123456789",
                             .Position = {100, 50}};
    // No filter and a full keyboard: a text the integer field cannot take is possible.
    const TAnnotation Laenge{.ID = "BoxLaenge",
                             .Text = "Länge der Liegefläche",
                             .TextPrompt = "cm",
                             .Position = {300, 150}};
    return {"Liegebox", "TestZeichnung", {Breite, Laenge}};
}

class KWAnnotatableImageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FWindow.resize(900, 600);
        FImage.setGeometry(0, 40, 800, 10);
        FImage.Init();
        QObject::connect(&FImage, &TKWAnnotatableImage::OnEditChange,
                         [this](const QString& AField) { FChanged.push_back(AField); });
        FWindow.show();
    }
    QLineEdit* Edit(const char* AField) const { return FImage.findChild<QLineEdit*>(AField); }
    void ActivateWindow()
    {
        FWindow.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&FWindow));
    }
    QPointF Centre(const char* AField) const { return QRectF(Edit(AField)->geometry()).center(); }

    QWidget FWindow;
    QLabel* FLabel = new QLabel(&FWindow);
    TKWTooltipLabel FTooltip{FLabel};
    TKWMemTable FTable{
        {{"BoxBreite", TKWFieldType::ftString, 10}, {"BoxLaenge", TKWFieldType::ftInteger}}};
    TKWAnnotatableImage FImage{&FWindow, &FTooltip, FTable, Drawing()};
    QStringList FChanged;
};

TEST_F(KWAnnotatableImageTest, TheDrawingKeepsItsProportionsAndFieldsSitOnTheirPoints)
{
    EXPECT_EQ(FImage.OriginalImageSize(), QSize(400, 200));
    EXPECT_EQ(FImage.size(), QSize(800, 400));
    EXPECT_EQ(Centre("BoxBreite"), QPointF(200, 100));
    EXPECT_EQ(Centre("BoxLaenge"), QPointF(600, 300));
    FImage.resize(400, 10);
    EXPECT_EQ(FImage.height(), 200);
    EXPECT_EQ(Centre("BoxLaenge"), QPointF(300, 150));
    EXPECT_EQ(Edit("BoxBreite")->width(), 50);
    EXPECT_GE(Edit("BoxBreite")->height(), 40);
}

TEST_F(KWAnnotatableImageTest, AStoredZeroShowsEmptyAndATypedZeroIsStored)
{
    FTable.Append();
    FTable.FieldByName("BoxBreite").SetAsString("0");
    FTable.FieldByName("BoxLaenge").SetAsInteger(180);
    FTable.Post();
    FImage.RefreshValues();
    EXPECT_EQ(Edit("BoxBreite")->text(), "");
    EXPECT_EQ(Edit("BoxBreite")->placeholderText(), "cm");
    EXPECT_EQ(Edit("BoxLaenge")->text(), "180");

    // Passing through the empty-looking field without typing keeps the stored 0.
    ActivateWindow();
    Edit("BoxBreite")->setFocus();
    Edit("BoxLaenge")->setFocus();
    EXPECT_EQ(FTable.FieldByName("BoxBreite").AsString(), "0");
    EXPECT_TRUE(FChanged.isEmpty());

    // A value is written when it is committed, with Return or by leaving the field.
    QTest::keyClicks(Edit("BoxBreite"), "0");
    EXPECT_TRUE(FChanged.isEmpty());
    QTest::keyClick(Edit("BoxBreite"), Qt::Key_Return);
    EXPECT_EQ(FTable.FieldByName("BoxBreite").AsString(), "0");
    EXPECT_EQ(FChanged, QStringList{"BoxBreite"});
    EXPECT_FALSE(Edit("BoxBreite")->hasFocus()) << "Return leaves the field";

    QTest::keyClicks(Edit("BoxBreite"), "x5");
    FImage.UpdateChange();
    EXPECT_EQ(FTable.FieldByName("BoxBreite").AsString(), "05") << "only the filter's characters";
    EXPECT_EQ(FChanged, (QStringList{"BoxBreite", "BoxBreite"}));
    EXPECT_EQ(FTable.State(), TKWTableState::tsBrowse);
}

TEST_F(KWAnnotatableImageTest, ATextTheFieldCannotTakeIsLoggedAndTheStoredValueShown)
{
    FTable.WriteValue("BoxLaenge", 180);
    FImage.RefreshValues();
    ResetLog();
    Edit("BoxLaenge")->selectAll();
    QTest::keyClicks(Edit("BoxLaenge"), "abc");
    FImage.UpdateChange();
    EXPECT_EQ(FTable.FieldByName("BoxLaenge").AsInteger(), 180);
    EXPECT_EQ(Edit("BoxLaenge")->text(), "180");
    EXPECT_TRUE(FChanged.isEmpty());
    const QStringList Log = ReadLogLines();
    ASSERT_EQ(Log.size(), 3);
    EXPECT_EQ(Log[0], "TKWAnnotatableImage.EditChange - Exception");
    EXPECT_EQ(Log[1], "  Name:    BoxLaenge");
    EXPECT_TRUE(Log[2].startsWith("  Message: ")) << Log[2].toStdString();
}

TEST_F(KWAnnotatableImageTest, TheFocusedFieldShowsItsHint)
{
    EXPECT_EQ(Edit("BoxLaenge")->accessibleName(), "Länge der Liegefläche");
    ActivateWindow();
    Edit("BoxLaenge")->setFocus();
    ASSERT_TRUE(Edit("BoxLaenge")->hasFocus());
    EXPECT_TRUE(FLabel->isVisible());
    EXPECT_EQ(FLabel->text(), "Länge der Liegefläche");
    EXPECT_TRUE(FLabel->font().bold());
    Edit("BoxBreite")->setFocus();
    EXPECT_EQ(FLabel->text(), "Breite der Box");
    Edit("BoxBreite")->clearFocus();
    EXPECT_TRUE(FLabel->isHidden());
}

} // namespace
