#pragma once

#include <QAbstractButton>

// An on/off switch: a track with a knob that slides to the right when on. It is a checkable
// button, so keyboards and assistive technology operate it like a check box.
class TKWSwitch final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWSwitch)

public:
    explicit TKWSwitch(QWidget* AParent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* AEvent) override;
};
