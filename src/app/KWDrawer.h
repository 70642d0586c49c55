#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPropertyAnimation;

// The drawer of the main window: a page list with coloured group headers that slides in from
// the left over the whole window; the rest of the window is dimmed, and a tap there closes it.
class TKWDrawer final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWDrawer)

public:
    explicit TKWDrawer(QWidget* AOwner);

    // A header that cannot be chosen; AText is a German source text.
    void AddHeader(const QString& AText, quint32 AColor);
    // The item of a page with its short title (German source text) in its group colour.
    void AddItem(const QString& APageId, const QString& AText, quint32 AColor);
    // Enables the items that can be chosen while AShownPage is shown and selects its item.
    void Mark(const QString& AShownPage);

    void Open();
    void Close();
    bool IsOpen() const { return !isHidden(); }

    QListWidget* MasterListBox() const { return FMasterListBox; }
    QListWidgetItem* Item(const QString& APageId) const;

Q_SIGNALS:
    // The drawer starts to open, and it has been hidden.
    void Showing();
    void Hidden();
    // An enabled item (or a header, whose tag is "Header") was tapped.
    void ItemClicked(const QString& ATag);

protected:
    void mousePressEvent(QMouseEvent* AEvent) override;
    void paintEvent(QPaintEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void SetItemLook(QListWidgetItem* AItem, bool AEnabled);

    QWidget* FPanel;
    QLabel* FMasterTitleLabel;
    QListWidget* FMasterListBox;
    QPropertyAnimation* FSlide;
};
