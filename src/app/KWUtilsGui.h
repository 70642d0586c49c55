#pragma once

// The widget half of the shared helpers (KWUtils holds the rest).

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

class QWidget;
class TKWGestureManager;

// Marker pictures shared by the cause and measure lists and the chart pages; null until
// KWLoadSharedBitmaps.
extern QImage KWBitmapBoxDeepSkyBlue;
extern QImage KWBitmapBoxSkyBlue;
extern QImage KWBitmapIndikatorSchwachstelle;

// The picture resource of that name (PNG, or SVG drawn at its own size), found by base name
// without regard to case. A missing or unreadable resource raises EKWException.
QImage KWLoadBitmapResource(const QString& AName);
// The picture resource drawn for a place of ASize device-independent pixels on a screen of
// APixelRatio: an SVG is rendered at ASize x APixelRatio pixels (sharp on high-density
// screens), a PNG scaled to it; the result carries that pixel ratio. Each name, size and ratio
// is rendered once and then served from a cache. Raises like the overload above.
QImage KWLoadBitmapResource(const QString& AName, const QSize& ASize, qreal APixelRatio);
// The size a picture resource is drawn at by default (its own pixel size). Raises when missing.
QSize KWBitmapResourceSize(const QString& AName);
// The icon resource of that name (an SVG drawn at whatever size a button asks for). A missing
// resource raises EKWException.
QIcon KWLoadIconResource(const QString& AName);
// Fills the three shared marker pictures; the main window calls it once.
void KWLoadSharedBitmaps();
// Saves a picture of a visible control as AName + ".png" in the active visit's folder (the
// data folder itself while no visit is active). The picture is taken at once and written a
// little later (KWFinishScreenshots waits for it). Failures are logged, never raised.
void KWMakeScreenshot(QWidget* AControl, const QString& AName);
// AFont at AFactor times its size, whether its size is given in points or pixels.
QFont KWScaledFont(QFont AFont, qreal AFactor);
// Shows the window maximised. It first takes the whole available screen itself, for systems
// where no window manager carries out the maximising (kiosk tablets, a bare X server).
void KWShowMaximized(QWidget* AWindow);
// Lets AManager receive the left and right swipes over AControl; gestures the control already
// had stay.
void KWAddSwipeGestures(TKWGestureManager* AManager, QWidget* AControl);
