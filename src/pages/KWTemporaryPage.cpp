#include "KWTemporaryPage.h"

#include "KWGuiUtil.h"
#include "KWPageSupport.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr qreal TitleScale = 1.6;

} // namespace

TKWTemporaryPage::TKWTemporaryPage(const QString& APageId, QWidget* AParent)
    : QWidget(AParent), FPageId(APageId)
{
    setObjectName(APageId);
}

void TKWTemporaryPage::Init()
{
    const TKWPageInfo* Page = KWFindPage(FPageId);
    auto* Title = new QLabel(KWTranslate(Page ? Page->Title : FPageId), this);
    Title->setObjectName(QStringLiteral("TemporaryPageTitle"));
    Title->setAlignment(Qt::AlignCenter);
    Title->setWordWrap(true);
    Title->setFont(KWScaledFont(Title->font(), TitleScale));
    Title->setStyleSheet(QStringLiteral("color: #9E9E9E;"));
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(10, 10, 10, 10);
    Layout->addWidget(Title);
}

bool TKWTemporaryPage::Leave()
{
    return KWFinishLeave(this, FPageId);
}
