#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>

// The look of a message: its icon and the title it carries.
enum TKWDialogType
{
    dtInformation,
    dtWarning,
    dtError,
    dtConfirmation
};

// The answers a dialog offers; also the answer delivered to the caller.
enum TKWDialogButton
{
    dbYes = 0x1,
    dbNo = 0x2,
    dbOK = 0x4,
    dbCancel = 0x8
};
Q_DECLARE_FLAGS(TKWDialogButtons, TKWDialogButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TKWDialogButtons)

using TKWDialogCallback = std::function<void(TKWDialogButton AAnswer)>;

// The report of a failed action: the translated heading "Fehler bei der Aktion:", an empty
// line and ADetail as it is (an error text of the program or of the server is no source text).
QString KWActionErrorText(const QString& ADetail);

// What the user is asked: the text is already translated.
struct TKWDialogRequest
{
    TKWDialogType Type = dtInformation;
    QString Text;
    TKWDialogButtons Buttons = dbOK;
    TKWDialogButton DefaultButton = dbOK;
};

// Every message box and confirmation of the program goes through one service. Showing never
// waits: the call returns at once and the answer arrives later through the callback, on the
// user-interface thread. Business operations never use it; pages and windows do.
class TKWDialogService
{
public:
    virtual ~TKWDialogService() = default;

    // A message with one OK button. ALines are German source texts, translated one by one and
    // shown as separate lines, so a text composed of two sentences finds both translations.
    void ShowMessage(TKWDialogType AType, const QStringList& ALines,
                     TKWDialogCallback ACallback = {});
    // A question with the given buttons; ADefault is the button Return chooses.
    void Confirm(const QStringList& ALines, TKWDialogButtons AButtons, TKWDialogButton ADefault,
                 TKWDialogCallback ACallback);
    // The same for a text the caller has already put into the user's language, such as a
    // translated pattern filled with values; it is shown as it is, never translated again.
    void ShowText(TKWDialogType AType, const QString& AText, TKWDialogCallback ACallback = {});
    void ConfirmText(const QString& AText, TKWDialogButtons AButtons, TKWDialogButton ADefault,
                     TKWDialogCallback ACallback);

protected:
    // Shows the request; delivers exactly one answer to ACallback (when set) later.
    virtual void Execute(const TKWDialogRequest& ARequest, TKWDialogCallback ACallback) = 0;
};
