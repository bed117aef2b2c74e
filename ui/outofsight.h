// Controls that lie outside the visible area of the window: they carry
// values that reading, writing and change detection use, but the user can
// neither see them nor move to them, and assistive technology does not
// report them as showing.
#pragma once

class QObject;
class QWidget;

namespace ui {

// Marks a control, with everything it holds (now or later), as lying out of
// sight.
void markOutOfSight(QWidget *control);

// True for a marked control and for everything inside one.
bool isOutOfSight(const QObject *object);

// Once the window is built: the marked controls and everything inside them
// take no focus. (Assistive technology sees them as invisible from the
// moment they are marked.)
void keepOutOfReach(QWidget *window);

} // namespace ui
