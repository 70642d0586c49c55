#pragma once

#include "KWRecordingRows.h"
#include "KWScaledPicture.h"

#include <QSize>
#include <QWidget>

#include <vector>

class QLineEdit;
class TKWMemTable;
class TKWTooltipLabel;

// A drawing (of a cubicle, a feeding place) with entry fields placed on it at fixed points,
// each bound to one field of the table's current record. The drawing keeps its proportions:
// the height follows the width. A typed value is written when it is committed (Return or
// leaving the field) through TKWMemTable::WriteValue and reported by OnEditChange with the
// field name; a text the field cannot take is logged and the stored value shown again. While a
// field has the focus the tooltip label shows its hint. A stored 0 shows as an empty field with
// its prompt.
//
// Each field is named after its annotation (objectName = ID) and carries the hint as
// accessible name (the prompt when there is no hint). The drawing itself is no control; the
// page names it after the heading it shows with it.
class TKWAnnotatableImage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWAnnotatableImage)

public:
    // ATooltipLabel is the page's and stays with it; it may be absent.
    TKWAnnotatableImage(QWidget* AOwner, TKWTooltipLabel* ATooltipLabel, TKWMemTable& AData,
                        TImageInfo AImageInfo);

    // Loads the drawing (a missing picture raises) and creates the fields.
    void Init();
    // Shows the current record's values.
    void RefreshValues();
    // Writes what was typed and not yet committed, as if it had been; pages call it when they
    // are left or move to another record.
    void UpdateChange();
    const TImageInfo& ImageInfo() const { return FImageInfo; }
    QSize OriginalImageSize() const { return {FOriginalImageWidth, FOriginalImageHeight}; }

Q_SIGNALS:
    void OnEditChange(const QString& AFieldName);

protected:
    void paintEvent(QPaintEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    QLineEdit* CreateEdit(const TAnnotation& AAnnotation);
    void EditChange(int AIndex);
    void PlaceControls();

    TImageInfo FImageInfo;
    int FOriginalImageWidth = 0;
    int FOriginalImageHeight = 0;
    // Drawn over the whole widget, stretched.
    TKWScaledPicture FImage;
    std::vector<QLineEdit*> FEditControls;
    TKWMemTable& FData;
    TKWTooltipLabel* FTooltipLabel;
    bool FIsRefreshing = false;
};
