#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QToolButton;

// Base of the pages that record one record per animal, block or box: a bar at the right edge
// with a "previous" button, the position text ("Tier 2 von 3") and a "next" button; the rest
// is the content area where the page puts its controls. A page supplies the hooks; the record
// scheme most pages need is TKWRecordNavigator.
//
// Children by object name: "PreviousButton", "PositionLabel", "NextButton", "ContentLayout".
class TKWPositionControlPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWPositionControlPanel)

public:
    explicit TKWPositionControlPanel(QWidget* AOwner);

    // Sizes the bar for the widest position text and shows the position. Call it once, from
    // the page's own Init.
    void Init();
    // Shows the translated position format filled with GetPosition and GetCount; the buttons
    // call it after moving, a page after it moved on its own.
    void RefreshPositionText();
    QWidget* ContentLayout() const { return FContentLayout; }

protected:
    // Go to the next record; at the last one start a new one.
    virtual void MoveNext() = 0;
    // Go to the previous record; nothing at the first.
    virtual void MovePrevious() = 0;
    // Number of the current record from 1, and of all records.
    virtual int GetPosition() const = 0;
    virtual int GetCount() const = 0;
    // German format with two integer placeholders, such as "Tier %d von %d".
    virtual QString GetPositionFormat() const = 0;

private:
    QToolButton* CreateButton(const QString& AName, const QIcon& AIcon, const QString& AText);

    QWidget* FControlBar;
    QWidget* FControlLayout;
    QToolButton* FPreviousButton;
    QToolButton* FNextButton;
    QLabel* FPositionLabel;
    QWidget* FContentLayout;
};
