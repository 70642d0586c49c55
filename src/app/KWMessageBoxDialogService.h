#pragma once

#include "KWDialogService.h"

#include <QPointer>

class QWidget;

// Shows each request in a window-modal message box over AParent and returns at once; the
// answer arrives when the user closes the box.
class TKWMessageBoxDialogService final : public TKWDialogService
{
public:
    explicit TKWMessageBoxDialogService(QWidget* AParent);

protected:
    void Execute(const TKWDialogRequest& ARequest, TKWDialogCallback ACallback) override;

private:
    QPointer<QWidget> FParent;
};
