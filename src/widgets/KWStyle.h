#pragma once

#include <QColor>

// The one place for the look the pages share: colours (written as the design writes them,
// alpha-red-green-blue), margins and the sizes a finger needs. Pages and widgets take their
// values from here instead of repeating numbers; fonts are scaled with KWScaledFont.
namespace KWStyle
{

// The smallest side of anything that is tapped, in device-independent pixels.
constexpr int TouchTarget = 40;
// Margins between controls placed at computed coordinates.
constexpr int Margin = 10;

// Colours of the page groups.
constexpr quint32 ErfassungColor = 0xFF769733;
constexpr quint32 AuswertungColor = 0xFF7857A1;
constexpr quint32 SignaleColor = 0xFFFF7F27;
constexpr quint32 BeratungColor = 0xFFC43E3B;
// Mandatory entries still empty, values out of target.
constexpr quint32 AlertColor = 0xFFF44336;

// The frame of a picture flashes green when it is chosen or counts up, red when it counts down.
constexpr quint32 FlashPlusColor = 0xFF4CAF50;
constexpr quint32 FlashMinusColor = 0xFFF44336;
// How long the frame flashes, in milliseconds.
constexpr int FlashDuration = 400;
// A disabled counter's picture is all but invisible.
constexpr qreal DisabledPictureOpacity = 0.05;
// The square buttons of the record navigators.
constexpr int NavigatorButtonSize = 100;

inline QColor Color(quint32 AArgb)
{
    return QColor::fromRgba(AArgb);
}

} // namespace KWStyle
