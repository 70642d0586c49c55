#pragma once
// Precompiled header of the widget library, on top of the core's: the widget headers most units
// use.
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
