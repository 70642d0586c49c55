#include "KWSymbolButtons.h"

#include "KWStyle.h"
#include "KWTranslateUtil.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

enum class TSymbol
{
    sPlus,
    sMinus,
    sUp,
    sDown
};

class TSymbolEngine final : public QIconEngine
{
public:
    explicit TSymbolEngine(TSymbol ASymbol) : FSymbol(ASymbol) {}

    void paint(QPainter* APainter, const QRect& ARect, QIcon::Mode AMode, QIcon::State) override
    {
        APainter->save();
        APainter->setRenderHint(QPainter::Antialiasing);
        const QRectF Square = Centred(ARect);
        const QColor Grey(0xFF9E9E9E);
        if (FSymbol == TSymbol::sPlus || FSymbol == TSymbol::sMinus)
            PaintDisc(APainter, Square, AMode == QIcon::Disabled ? Grey : DiscColor());
        else
            PaintChevron(APainter, Square, AMode == QIcon::Disabled ? Grey : QColor(0xFF424242));
        APainter->restore();
    }

    QPixmap pixmap(const QSize& ASize, QIcon::Mode AMode, QIcon::State AState) override
    {
        QPixmap Pixmap(ASize);
        Pixmap.fill(Qt::transparent);
        QPainter Painter(&Pixmap);
        paint(&Painter, QRect(QPoint(), ASize), AMode, AState);
        return Pixmap;
    }

    QIconEngine* clone() const override { return new TSymbolEngine(FSymbol); }

private:
    static QRectF Centred(const QRect& ARect)
    {
        const qreal Side = std::min(ARect.width(), ARect.height());
        return {ARect.center().x() - Side / 2 + 0.5, ARect.center().y() - Side / 2 + 0.5, Side,
                Side};
    }

    QColor DiscColor() const
    {
        return QColor::fromRgba(FSymbol == TSymbol::sPlus ? KWStyle::FlashPlusColor
                                                        : KWStyle::FlashMinusColor);
    }

    void PaintDisc(QPainter* APainter, const QRectF& ASquare, const QColor& AColor) const
    {
        APainter->setPen(Qt::NoPen);
        APainter->setBrush(AColor);
        APainter->drawEllipse(ASquare);
        const qreal Side = ASquare.width();
        APainter->setPen(QPen(Qt::white, Side / 7, Qt::SolidLine, Qt::RoundCap));
        const QPointF Centre = ASquare.center();
        const qreal Arm = Side * 0.27;
        APainter->drawLine(Centre - QPointF(Arm, 0), Centre + QPointF(Arm, 0));
        if (FSymbol == TSymbol::sPlus)
            APainter->drawLine(Centre - QPointF(0, Arm), Centre + QPointF(0, Arm));
    }

    void PaintChevron(QPainter* APainter, const QRectF& ASquare, const QColor& AColor) const
    {
        const qreal Side = ASquare.width();
        const qreal Direction = FSymbol == TSymbol::sUp ? -1 : 1;
        const QPointF Centre = ASquare.center();
        QPainterPath Path;
        Path.moveTo(Centre + QPointF(-Side * 0.3, -Direction * Side * 0.15));
        Path.lineTo(Centre + QPointF(0, Direction * Side * 0.15));
        Path.lineTo(Centre + QPointF(Side * 0.3, -Direction * Side * 0.15));
        APainter->setPen(QPen(AColor, Side / 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        APainter->setBrush(Qt::NoBrush);
        APainter->drawPath(Path);
    }

    TSymbol FSymbol;
};

QIcon SymbolIcon(TSymbol ASymbol)
{
    return QIcon(new TSymbolEngine(ASymbol));
}

} // namespace

QIcon KWPlusIcon()
{
    return SymbolIcon(TSymbol::sPlus);
}

QIcon KWMinusIcon()
{
    return SymbolIcon(TSymbol::sMinus);
}

QIcon KWUpIcon()
{
    return SymbolIcon(TSymbol::sUp);
}

QIcon KWDownIcon()
{
    return SymbolIcon(TSymbol::sDown);
}

QToolButton* KWCreateSymbolButton(QWidget* AParent, const QString& AName, const QIcon& AIcon,
                                  int AIconSize, int ASize, const QString& AText)
{
    auto* Button = new QToolButton(AParent);
    Button->setObjectName(AName);
    Button->setIcon(AIcon);
    Button->setIconSize({AIconSize, AIconSize});
    Button->setFixedSize(ASize, ASize);
    Button->setAccessibleName(KWTranslate(AText));
    Button->setToolTip(Button->accessibleName());
    return Button;
}
