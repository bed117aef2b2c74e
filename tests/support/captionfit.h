// Whether a control's caption shows whole in the room its control gives it:
// shared by the tests that look at the window at each resolution and in each
// language.
#pragma once

#include <QString>

class QWidget;

namespace fixture {

// Why the caption of `w` (a label, check box, option button, button or
// frame) does not show whole, or an empty text when it does or `w` has none.
// Compares the ink of the text with the room beside an indicator, inside a
// label's margins, or (word-wrapped) the height the text takes at the
// label's width.
QString captionCut(QWidget *w);

// The caption of `w` as the user reads it; empty for a control without one.
QString captionOf(QWidget *w);

} // namespace fixture
