// A keystroke page: "Walk-Away Keystrokes" and "Walk-Up Keystrokes ", each
// with five keystroke frames and its key delay.
#pragma once

#include "controlrow.h"
#include "page.h"

#include <array>
#include <vector>

namespace ui {

class KeystrokePage : public Page {
public:
    // One keystroke page's part of the layout: the keystroke sequence it
    // edits (its slots and its key delay), its five frames, and the
    // controls below them.
    struct Layout {
        const config::SequenceSetting *sequence;
        std::array<SlotRow, config::kKeystrokesPerSequence> frames;
        std::vector<ControlRow> belowFrames;
    };

    static const Layout &walkAway();
    static const Layout &walkUp();

    // Binds the page's handlers: its five keystroke slots, and the key
    // delay, checked on every change.
    KeystrokePage(QObject *window, const PageServices &services, const Layout &layout);

private:
    void keyDelayChanged(); // InterKeyDelay, InterKeyDelayUp

    const config::NumberSetting &keyDelay_;
    QLineEdit *keyDelayBox_;
};

} // namespace ui
