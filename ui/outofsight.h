// Controls that lie outside the visible area of the window: they carry
// values that reading, writing and change detection use, but the user can
// neither see them nor move to them, and assistive technology does not
// report them as showing.
#pragma once

class QObject;
class QWidget;

namespace ui {

// Marks a control, with everything it holds, as lying out of sight.
void markOutOfSight(QWidget *control);

// True for a marked control and for everything inside one.
bool isOutOfSight(const QObject *object);

// Once the window is built: the marked controls and everything inside them
// take no focus, and assistive technology sees them as invisible.
void keepOutOfReach(QWidget *window);

} // namespace ui
