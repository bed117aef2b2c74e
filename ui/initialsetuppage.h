// The page "Initial Setup": detection range, LED switches, quick
// configuration, timing delays and developer mode.
#pragma once

#include "controlrow.h"
#include "page.h"

#include <vector>

namespace ui {

class InitialSetupPage : public Page {
public:
    // Binds the page's handlers: the LED switches compare the window with
    // the sensor; the detection range and the walk-up, walk-away and
    // power-up delays are checked when the focus leaves them. Its buttons,
    // options and "Disable keystrokes" are the window's.
    InitialSetupPage(QObject *window, const PageServices &services);

    // The page's controls, in creation (and tab) order.
    static const std::vector<ControlRow> &layout();

private:
    void ledSwitched(); // bNoShowIRLED, bNoShowORLED, bNoShowXtLED
};

} // namespace ui
