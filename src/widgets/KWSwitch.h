#pragma once

#include <QAbstractButton>

// An on/off switch: a rounded track with a knob that sits right and takes the track's colour
// while the switch is on. Its whole area, at least a finger's size, toggles it.
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
