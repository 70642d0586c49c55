#pragma once

// A review sheet of every picture the program carries: each picture with its resource name
// under it, on one PNG, so that the variants of a score can be compared side by side.

#include <QString>

// Draws the sheet into the PNG file APath. Returns an empty text on success, otherwise why the
// file could not be written.
QString KWWritePictureSheet(const QString& APath);
