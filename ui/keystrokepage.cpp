#include "keystrokepage.h"

#include "numbers.h"

#include <QLineEdit>

namespace ui {

// Page "Walk-Away Keystrokes".
const KeystrokePage::Layout &KeystrokePage::walkAway()
{
    static const Layout layout = {
        &config::kKeySequences[0],
        {{
            {"Frame2", QT_TRANSLATE_NOOP("Form1", "Walk-away keystroke 1"),
             {360, kFrameTop, kFrameWidth, kFrameHeight}, Disabled,
             QT_TRANSLATE_NOOP("Form1", "When the user steps away there may be several keystroke")},
            {"Frame3", QT_TRANSLATE_NOOP("Form1", "Walk-away keystroke 2"),
             {2280, kFrameTop, kFrameWidth, kFrameHeight}},
            {"Frame4", QT_TRANSLATE_NOOP("Form1", "Walk-away keystroke 3"),
             {4200, kFrameTop, kFrameWidth, kFrameHeight}},
            {"Frame5", QT_TRANSLATE_NOOP("Form1", "Walk-away keystroke 4"),
             {6120, kFrameTop, 1935, kFrameHeight}},
            {"Frame6(0)", QT_TRANSLATE_NOOP("Form1", "Walk-away keystroke 5"),
             {8160, kFrameTop, kFrameWidth, kFrameHeight}},
        }},
        {
            {Kind::Label, "Label8", QT_TRANSLATE_NOOP("Form1", "KeyCount"), {3000, 3660, 1260, kLineHeight}, nullptr,
             Hidden | AlignRight, nullptr, config::kKeySequences[0].countControl},
            {Kind::Text, config::kKeySequences[0].countControl, nullptr, {4320, 3660, 375, kTextHeight}, nullptr, Hidden, nullptr,
             nullptr, QT_TRANSLATE_NOOP("Form1", "Walk-away key count")},
            {Kind::Label, "Label9", caption(config::Numeric::WalkAwayKeyDelay), {5040, 3660, 1260, kLineHeight}, nullptr,
             AlignRight, nullptr, box(config::Numeric::WalkAwayKeyDelay)},
            {Kind::Text, box(config::Numeric::WalkAwayKeyDelay), nullptr, {6360, 3660, 615, kTextHeight}, nullptr, Plain,
             nullptr, nullptr, QT_TRANSLATE_NOOP("Form1", "Walk-away key delay")},
            {Kind::Text, "Key1Mods", nullptr, {1440, 3300, 375, kTextHeight}, nullptr, Hidden},
            {Kind::Text, "Key2Mods", nullptr, {2880, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
            {Kind::Text, "Key3Mods", nullptr, {4440, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
            {Kind::Text, "Key4Mods", nullptr, {6720, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
            {Kind::Text, "Key5Mods", nullptr, {8520, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
        },
    };
    return layout;
}

// Page "Walk-Up Keystrokes ".
const KeystrokePage::Layout &KeystrokePage::walkUp()
{
    static const Layout layout = {
        &config::kKeySequences[1],
        {{
            {"Frame6(1)", QT_TRANSLATE_NOOP("Form1", "Walk-up keystroke 1"),
             {360, kFrameTop, kFrameWidth, kFrameHeight}},
            {"Frame6(2)", QT_TRANSLATE_NOOP("Form1", "Walk-up keystroke 2"),
             {2280, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
            {"Frame6(3)", QT_TRANSLATE_NOOP("Form1", "Walk-up keystroke 3"),
             {4200, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
            {"Frame6(4)", QT_TRANSLATE_NOOP("Form1", "Walk-up keystroke 4"),
             {6120, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
            {"Frame6(5)", QT_TRANSLATE_NOOP("Form1", "Walk-up keystroke 5"),
             {8160, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
        }},
        {
            {Kind::Label, "Label20", QT_TRANSLATE_NOOP("Form1", "KeyCount"), {3240, 3660, 1020, kLineHeight}, nullptr,
             Hidden | AlignRight, nullptr, config::kKeySequences[1].countControl},
            {Kind::Text, config::kKeySequences[1].countControl, nullptr, {4320, 3660, 375, kTextHeight}, nullptr, Hidden, nullptr,
             nullptr, QT_TRANSLATE_NOOP("Form1", "Walk-up key count")},
            {Kind::Label, "Label21", caption(config::Numeric::WalkUpKeyDelay), {5160, 3660, 900, kLineHeight}, nullptr,
             AlignRight, nullptr, box(config::Numeric::WalkUpKeyDelay)},
            {Kind::Text, box(config::Numeric::WalkUpKeyDelay), nullptr, {6120, 3660, 495, kTextHeight}, nullptr, Plain,
             nullptr, nullptr, QT_TRANSLATE_NOOP("Form1", "Walk-up key delay")},
        },
    };
    return layout;
}

KeystrokePage::KeystrokePage(QObject *window, const PageServices &services, const Layout &layout)
    : Page(window, services), keyDelay_(config::setting(layout.sequence->delay)),
      keyDelayBox_(controls().number(keyDelay_))
{
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i)
        bindKeystrokeSlot(this, services, layout.sequence->firstSlot + i, true);
    connect(keyDelayBox_, &QLineEdit::textChanged, this, [this] { keyDelayChanged(); });
}

// A delay out of bounds resets the box, which runs this handler again,
// nested: it finds 0 and compares before the message is shown.
void KeystrokePage::keyDelayChanged()
{
    if (!keyDelay_.bounds.holds(config::leadingNumber(keyDelayBox_->text()))) {
        keyDelayBox_->setText(config::decimalText(config::resetValue(keyDelay_)));
        services().ask(noticeBox(rangeMessage(keyDelay_), applicationTitle()));
    }
    services().compareWithSensor();
}

} // namespace ui
