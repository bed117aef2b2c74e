// The window as assistive technology sees it: the interfaces the window
// gives for its text boxes, its key lists, its option buttons and its
// controls out of sight, in place of Qt's own.
#pragma once

#include "formcontrols.h"

class QAccessibleInterface;
class QObject;
class QString;

namespace ui {

// Puts the window's interfaces in place (once). Runs after the QApplication
// exists: Qt installs its own widget factory when the application starts,
// and of two factories the one installed later is asked first.
void installAccessibility();

// The window's factory: its interface for `object`, or null where Qt's own
// serves. (Tests compare what it makes with what Qt makes.)
QAccessibleInterface *windowAccessible(const QString &className, QObject *object);

// Each number box's accessible description also gives the range the box
// accepts, from the settings table (a caption such as "24-42 inches" may
// name a narrower one).
void describeRanges(const config::FormControls &controls);

// True for an interface the window's factory made; such an interface asks
// anew each time whether its control lies out of sight.
bool isWindowAccessible(const QAccessibleInterface *iface);

} // namespace ui
