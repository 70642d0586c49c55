#pragma once

#include <QScrollArea>

// The vertical scroll box every recording page derives from. Its content scrolls vertically and
// follows a finger on touch screens; horizontal swipes over it are recognised and passed on to
// the widgets above it that asked for swipes (the main window's page gestures).
class TKWVertScrollBox : public QScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWVertScrollBox)

public:
    explicit TKWVertScrollBox(QWidget* AOwner);

    // The widget the page puts its controls on; its height decides how far the box scrolls.
    QWidget* Content() const { return widget(); }

protected:
    bool event(QEvent* AEvent) override;
};

// The scroll box around the main window's pages: the same swipe handling, no touch scrolling
// of its own (the window moves it for the on-screen keyboard).
class TGVertScrollBox final : public QScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGVertScrollBox)

public:
    explicit TGVertScrollBox(QWidget* AOwner);

protected:
    bool event(QEvent* AEvent) override;
};
