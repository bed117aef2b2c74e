// The page "About": the program, its version and the sensor's firmware; out
// of sight below it, the idle keystroke and its rate.
#pragma once

#include "controlrow.h"
#include "page.h"

#include <vector>

namespace ui {

class AboutPage : public Page {
public:
    // Binds the page's handlers: the idle keystroke's slot, and its rate,
    // checked when the focus leaves it.
    AboutPage(QObject *window, const PageServices &services);

    // The page's controls, in creation (and tab) order, and the idle
    // keystroke's frame.
    static const std::vector<ControlRow> &layout();
    static const SlotRow &idleFrame();
};

} // namespace ui
