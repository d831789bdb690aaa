#pragma once
// Applies proportional resizing to Qt windows: every named control below the reference area keeps
// its place and size in proportion to the area's size when the window was first scaled.
#include <QWidget>

#include "ui/resizer.h"

namespace teebrook {

// Twips per pixel of the widget's screen (15 at 96 dpi).
double twipsPerPixelX(const QWidget* w);
double twipsPerPixelY(const QWidget* w);

// Places a control in twips.
void placeTwips(QWidget* control, long left, long top, long width, long height);

// `scalefrm` then `savefrm` for a window whose controls lie in area (its central widget, or itself).
void scaleWindow(Resizer& resizer, QWidget* window, QWidget* area);

}  // namespace teebrook
