#include "KWMessageBoxDialogService.h"

#include "KWStyle.h"
#include "KWTranslateUtil.h"

#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <map>

namespace {

struct TButtonLook
{
    TKWDialogButton Button;
    const char* Text;
    QMessageBox::ButtonRole Role;
};

// Order of the buttons in the box.
constexpr std::array<TButtonLook, 4> ButtonLooks{{
    {dbYes, "Ja", QMessageBox::YesRole},
    {dbNo, "Nein", QMessageBox::NoRole},
    {dbOK, "OK", QMessageBox::AcceptRole},
    {dbCancel, "Abbrechen", QMessageBox::RejectRole},
}};

QMessageBox::Icon IconOf(TKWDialogType AType)
{
    switch (AType) {
    case dtWarning:
        return QMessageBox::Warning;
    case dtError:
        return QMessageBox::Critical;
    case dtConfirmation:
        return QMessageBox::Question;
    case dtInformation:
        break;
    }
    return QMessageBox::Information;
}

// Closing the box without a button gives the most cautious answer it offers.
TKWDialogButton EscapeAnswer(TKWDialogButtons AButtons)
{
    for (TKWDialogButton Button : {dbCancel, dbNo, dbOK, dbYes})
        if (AButtons.testFlag(Button))
            return Button;
    return dbOK;
}

} // namespace

TKWMessageBoxDialogService::TKWMessageBoxDialogService(QWidget* AParent) : FParent(AParent) {}

void TKWMessageBoxDialogService::Execute(const TKWDialogRequest& ARequest,
                                         TKWDialogCallback ACallback)
{
    const TKWDialogButtons Buttons = ARequest.Buttons ? ARequest.Buttons : TKWDialogButtons(dbOK);
    auto* Box = new QMessageBox(IconOf(ARequest.Type), QStringLiteral("qomvi"), ARequest.Text,
                                QMessageBox::NoButton, FParent);
    Box->setAttribute(Qt::WA_DeleteOnClose);
    std::map<QAbstractButton*, TKWDialogButton> Answers;
    for (const TButtonLook& Look : ButtonLooks) {
        if (!Buttons.testFlag(Look.Button))
            continue;
        QPushButton* Button = Box->addButton(KWTranslate(QString::fromUtf8(Look.Text)), Look.Role);
        Button->setMinimumSize(KWStyle::DialogButtonWidth, KWStyle::TouchTarget);
        Answers.emplace(Button, Look.Button);
        if (Look.Button == ARequest.DefaultButton)
            Box->setDefaultButton(Button);
        if (Look.Button == EscapeAnswer(Buttons))
            Box->setEscapeButton(Button);
    }
    QObject::connect(
        Box, &QMessageBox::finished, Box,
        [Box, Answers = std::move(Answers), Buttons, ACallback = std::move(ACallback)] {
            if (!ACallback)
                return;
            const auto Found = Answers.find(Box->clickedButton());
            ACallback(Found != Answers.end() ? Found->second : EscapeAnswer(Buttons));
        });
    Box->open();
}
