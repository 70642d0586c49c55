#include "KWGridLayoutSpinner.h"

#include "KWImageGeometry.h"
#include "KWImageSpinner.h"
#include "KWMemTable.h"
#include "KWPageSupport.h"
#include "KWUtils.h"
#include "KWUtilsGui.h"

TKWGridLayoutSpinner::TKWGridLayoutSpinner(QWidget* AOwner, TKWMemTable& AData,
                                           std::vector<TSpinnerGridEntry> AGridEntries)
    : QWidget(AOwner), FData(AData), FColumns(static_cast<int>(AGridEntries.size())),
      FGridEntries(std::move(AGridEntries)), FAspectRatio(KWSpinnerDefaultAspectRatio)
{
}

void TKWGridLayoutSpinner::Init()
{
    const auto Geometry =
        TKWSpinnerGridGeometry::Compute(KWContentWidth, static_cast<int>(FGridEntries.size()));
    FColumns = Geometry.Columns;
    FRows = Geometry.Rows;
    const qreal SpinnerHeight = KWSpinnerHeight(Geometry.SpinnerWidth, FAspectRatio);
    for (size_t I = 0; I < FGridEntries.size(); ++I) {
        const TSpinnerGridEntry& Entry = FGridEntries[I];
        auto* Spinner = new TKWImageSpinner(this);
        Spinner->setObjectName(Entry.ID);
        Spinner->SetImage(KWLoadBitmapResource(Entry.ImageName));
        Spinner->SetImageText(Entry.Text);
        Spinner->SetAspectRatio(FAspectRatio);
        Spinner->SetWidth(Geometry.SpinnerWidth);
        Spinner->move(Geometry.SpinnerPos(static_cast<int>(I), SpinnerHeight));
        const int Index = static_cast<int>(I);
        connect(Spinner, &TKWImageSpinner::OnChange, this, [this, Index] { SpinnerChange(Index); });
        Spinner->show();
        FSpinners.push_back(Spinner);
    }
    resize(KWContentWidth, Geometry.Height(SpinnerHeight));
}

void TKWGridLayoutSpinner::RefreshValues()
{
    {
        TKWRefreshGuard Guard(FIsRefreshing, true);
        for (size_t I = 0; I < FSpinners.size(); ++I) {
            TKWImageSpinner* Spinner = FSpinners[I];
            Spinner->SetValue(FData.FieldByName(FGridEntries[I].ID).AsInteger());
            Spinner->setEnabled(FGridEntries[I].Enabled);
            Spinner->RefreshSettings();
        }
    }
    UpdateSum();
}

void TKWGridLayoutSpinner::SetEntryEnabled(int AIndex, bool AEnabled)
{
    FGridEntries.at(AIndex).Enabled = AEnabled;
}

void TKWGridLayoutSpinner::SpinnerChange(int AIndex)
{
    if (FIsRefreshing)
        return;
    FData.WriteValue(FGridEntries[AIndex].ID, FSpinners[AIndex]->Value());
    UpdateSum();
    Q_EMIT OnChange();
}

void TKWGridLayoutSpinner::UpdateSum()
{
    FSum = 0;
    for (const TKWImageSpinner* Spinner : FSpinners)
        FSum += Spinner->Value();
}
