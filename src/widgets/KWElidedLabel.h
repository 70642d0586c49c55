#pragma once

#include <QLabel>

// A one-line label that yields to its neighbours: when it gets less room than its text needs,
// the text ends in "…" instead of pushing the neighbours aside or out of the window. Its text
// (the whole of it) stays what assistive technology reads.
class TKWElidedLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWElidedLabel)

public:
    explicit TKWElidedLabel(QWidget* AParent);

    QSize minimumSizeHint() const override;
    // The text as painted at the current width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* AEvent) override;
};
