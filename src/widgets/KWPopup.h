#pragma once

#include "KWStyle.h"

#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// How the white panel is placed over the owner window.
enum TKWPopupAlign
{
    paCenter,
    paTop,
    paBottom,
    paClient
};

inline constexpr int KWPopupCaptionHeight = KWStyle::PopupCaptionHeight;
inline constexpr int KWPopupMinWidth = 400;
// Outer margins of the panel (used where the placement stretches it) and of the content.
inline constexpr QMargins KWPopupPanelMargins{16, 8, 16, 4};
inline constexpr QMargins KWPopupContentMargins{3, 0, 3, 10};

// Size of the panel around content of ASize: caption and margins added, at least 400 wide.
QSize KWPopupPanelSize(QSize AContentSize);
// Where the panel of APanelSize lies over an owner of AOwnerSize.
QRect KWPopupPanelRect(QSize AOwnerSize, QSize APanelSize, TKWPopupAlign AAlign);
// Where the content lies inside a panel of APanelSize: below the caption, within its margins.
QRect KWPopupContentRect(QSize APanelSize);

// Asked before the popup closes; false keeps it open.
using TKWCloseQuery = std::function<bool()>;

// The one popup of the main window: it dims the whole owner window and shows one content
// control at a time in a white panel with a caption and a close button. The content is lent:
// it lives in the popup only while it is shown and returns to its parent when the popup closes.
class TKWPopup final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWPopup)

public:
    explicit TKWPopup(QWidget* AOwner);

    // The caption shows the translation of ACaption.
    void SetCaption(const QString& ACaption);
    // Remembers the control to show and its placement; nothing is shown yet.
    void SetContent(QWidget* AContent, TKWPopupAlign AContentAlign = paCenter);
    void SetCloseQuery(TKWCloseQuery AQuery);
    // Shows the remembered content over the owner; it does not wait.
    void Show();
    bool IsShowing() const { return FIsShowing; }

protected:
    void closeEvent(QCloseEvent* AEvent) override;
    void mousePressEvent(QMouseEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void keyReleaseEvent(QKeyEvent* AEvent) override;
    void paintEvent(QPaintEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;
    bool focusNextPrevChild(bool ANext) override;

private:
    void Attach(QWidget* AContent);
    void Detach();
    QSize ContentSize() const;
    void PlacePanel();

    QWidget* FPanelPopup;
    QWidget* FPanelCaption;
    QLabel* FLabelCaption;
    QPushButton* FButtonClose;
    QPointer<QWidget> FContent;
    TKWPopupAlign FContentAlign = paCenter;
    bool FIsShowing = false;
    TKWCloseQuery FCloseQuery;
    // The control inside the panel and the parent it goes back to.
    QPointer<QWidget> FAttached;
    QPointer<QWidget> FAttachedParent;
    QSize FPanelSize;
};
