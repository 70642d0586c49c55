#pragma once

// The look the whole program shares: colours (ARGB), font factors, margins and the sizes that
// fingers need. Sizes are device-independent pixels. Widget code takes its numbers from here,
// so that a page looks and feels like the window around it.

#include <QString>

namespace KWStyle {

// Nothing a finger is meant to hit is smaller than this, in either direction.
inline constexpr int TouchTarget = 40;
// Margin around and between the controls of a page.
inline constexpr int Margin = 10;

// Tool bars at the top of the window and the drawer, and their square buttons.
inline constexpr int ToolBarHeight = 48;
inline constexpr int ToolButtonSize = 48;
inline constexpr int ToolIconSize = 26;
inline constexpr int BackButtonWidth = 144;
// The title in the middle of the tool bar is at most this wide; it yields to the buttons on
// narrow screens.
inline constexpr int TitleWidth = 596;
inline constexpr int TitlePadding = 5;

// The tab bar below the pages: the menu button and one coloured square per page.
inline constexpr int TabBarHeight = 40;
inline constexpr int TabBarPitch = 40;
inline constexpr int TabBarSquare = 30;
inline constexpr int MasterButtonWidth = 48;

// The drawer with the page list.
inline constexpr int DrawerWidth = 350;
inline constexpr int DrawerItemHeight = 44;

// The popup's caption bar and its close button.
inline constexpr int PopupCaptionHeight = 48;
inline constexpr int PopupCloseButtonWidth = 92;

// Buttons of message boxes and questions.
inline constexpr int DialogButtonWidth = 96;

// The smallest window that still shows every control: three browser columns of 300 and a tool
// bar whose title keeps some room between the buttons, and page squares not much closer
// than a finger; it fits a 1024 x 768 screen.
inline constexpr int WindowMinWidth = 960;
inline constexpr int WindowMinHeight = 680;

// Font sizes relative to the default font.
inline constexpr qreal TitleFontFactor = 1.15;
inline constexpr qreal HintFontFactor = 0.9;
inline constexpr qreal HeadingFontFactor = 1.2;
inline constexpr qreal DrawerFontFactor = 1.1;
inline constexpr qreal ListFontFactor = 1.5;
inline constexpr qreal KommentarFontFactor = 1.5;

// Colours, ARGB.
inline constexpr quint32 BrowserBackground = 0xFFDBECD7;
inline constexpr quint32 PageBackground = 0xFFF5F5F5;
inline constexpr quint32 HeadingColor = 0xFF666666;
inline constexpr quint32 DisabledColor = 0xFFB0B0B0;
// Dims the window behind the drawer and the popup.
inline constexpr quint32 OverlayColor = 0x33000000;
// The mark of a chosen row; dark text stays readable on it.
inline constexpr quint32 SelectionBackground = 0xFFD8E6F3;
inline constexpr quint32 SelectionText = 0xFF263238;
inline constexpr quint32 DeleteColor = 0xFFF44336;
inline constexpr quint32 UploadColor = 0xFF3643F4;
// A switch that is on.
inline constexpr quint32 SwitchOnColor = 0xFF769733;

// The frame of a picture flashes green when it is chosen or counts up, red when it counts down.
inline constexpr quint32 FlashPlusColor = 0xFF4CAF50;
inline constexpr quint32 FlashMinusColor = 0xFFF44336;
// How long the frame flashes, in milliseconds.
inline constexpr int FlashDuration = 400;
// A disabled counter's picture is all but invisible.
inline constexpr qreal DisabledPictureOpacity = 0.05;
// The square buttons of the record navigators.
inline constexpr int NavigatorButtonSize = 100;

// A colour of this unit as a style-sheet colour ("rgba(r, g, b, a)").
QString Css(quint32 AColor);

} // namespace KWStyle
