#pragma once

#include <QAbstractButton>
#include <QWidget>

#include <vector>

class QLabel;
class QToolButton;

// A page button of the tab bar: a square in its group colour, faded for the shown page, turned
// into a diamond for related pages, hollow while disabled. The whole pitch is its touch area.
class TKWColorButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWColorButton)

public:
    TKWColorButton(const QString& APageId, quint32 AColor, QWidget* AParent);

    const QString& PageId() const { return FPageId; }
    qreal Opacity() const { return FOpacity; }
    qreal Rotation() const { return FRotation; }
    void SetMark(bool AEnabled, qreal AOpacity, qreal ARotation);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* AEvent) override;

private:
    QString FPageId;
    QColor FColor;
    qreal FOpacity = 1;
    qreal FRotation = 0;
};

// The bar below the pages: the menu button that opens the drawer and one coloured button per
// page, spread around the bar's centre. A finger has no hover: while a page button is pressed,
// the page's title shows above it.
class TKWTabBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWTabBar)

public:
    explicit TKWTabBar(QWidget* AParent);

    QToolButton* MasterButton() const { return FMasterButton; }
    // Adds the button of a page; ATitle (German source text) names it, is its hint on hovering
    // and shows above it while it is pressed.
    void AddPageButton(const QString& APageId, quint32 AColor, const QString& ATitle);
    const std::vector<TKWColorButton*>& PageButtons() const { return FPageButtons; }
    TKWColorButton* PageButton(const QString& APageId) const;
    QLabel* PressedTitleLabel() const { return FPressedTitleLabel; }
    // Marks every page button for the shown page.
    void Mark(const QString& AShownPage);

Q_SIGNALS:
    void PageButtonClicked(const QString& APageId);

protected:
    void resizeEvent(QResizeEvent* AEvent) override;
    void paintEvent(QPaintEvent* AEvent) override;

private:
    void PlaceButtons();
    void ShowPressedTitle(const TKWColorButton* AButton);

    QToolButton* FMasterButton;
    // Lives in the window above the bar, so it is not clipped by the bar's height.
    QLabel* FPressedTitleLabel;
    std::vector<TKWColorButton*> FPageButtons;
};
