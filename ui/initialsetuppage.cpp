#include "initialsetuppage.h"

#include "presets.h"

#include <QCheckBox>

namespace ui {

namespace {

const char *const kLedTip =
    QT_TRANSLATE_NOOP("Form1", "Disables the LED on the unit.  The device is still operational, but no visual indication "
    "is given.");
const char *const kDelayLabelTip = QT_TRANSLATE_NOOP("Form1", "May be set between 0 and 255.");

// An LED's check box, by the LedFlags bit that it holds.
constexpr const char *ledBox(int offBit)
{
    for (const config::LedSetting &led : config::kLeds)
        if (led.offBit == offBit)
            return led.control;
    return nullptr;
}

} // namespace

// Page "Initial Setup", section by section in reading order: the top row of
// sections from left to right, then the bottom row. Creation order is the
// tab order.
const std::vector<ControlRow> &InitialSetupPage::layout()
{
    static const std::vector<ControlRow> table = {
        {Kind::Shape, "Shape2", nullptr, {240, 420, 4452, 1212}},
        {Kind::Label, "Label13", QT_TRANSLATE_NOOP("Form1", "Proximity Range"), {240, 480, 4452, 240}, nullptr, Heading},
        {Kind::Label, "Label2", caption(config::Numeric::DetectionRange), {1200, 840, 2700, kLineHeight},
         nullptr, AlignRight, nullptr, box(config::Numeric::DetectionRange)},
        {Kind::Text, box(config::Numeric::DetectionRange), nullptr, {3960, 780, 375, kTextHeight},
         QT_TRANSLATE_NOOP("Form1", "This is the distance that defines where the in-range and out-of-range detection occurs.")},
        {Kind::Button, "Command5", QT_TRANSLATE_NOOP("Form1", "Read Now"), {480, 1260, 1095, 255}},
        {Kind::Label, "Label19", QT_TRANSLATE_NOOP("Form1", "Last range detected"), {1680, 1260, 2220, kLineHeight}, nullptr,
         AlignRight, nullptr, "wCurrRange"},
        {Kind::Text, "wCurrRange", nullptr, {3960, 1260, 375, kTextHeight},
         QT_TRANSLATE_NOOP("Form1", "Not being dynamically read.")},

        {Kind::Shape, "Shape3", nullptr, {4920, 420, 2172, 1212}},
        {Kind::Label, "Label22", QT_TRANSLATE_NOOP("Form1", "Disable LED"), {4920, 480, 2172, 240}, nullptr, Heading},
        {Kind::Check, ledBox(KV3_LED_NO_OUT_RANGE), QT_TRANSLATE_NOOP("Form1", "Out-of-Range Red"), {5160, 720, 1815, kLineHeight}, kLedTip},
        {Kind::Check, ledBox(KV3_LED_NO_TRANSITION), QT_TRANSLATE_NOOP("Form1", "Transition Yellow"), {5160, 960, 1815, kLineHeight}, kLedTip},
        {Kind::Check, ledBox(KV3_LED_NO_IN_RANGE), QT_TRANSLATE_NOOP("Form1", "In-Range Green"), {5160, 1200, 1815, kLineHeight}, kLedTip},

        {Kind::Shape, "Shape4", nullptr, {7320, 420, 2892, 3132}},
        {Kind::Label, "Label1", QT_TRANSLATE_NOOP("Form1", "Quick Configuration"), {7320, 480, 2892, 240}, nullptr, Heading},
        {Kind::Frame, "Frame1", QT_TRANSLATE_NOOP("Form1", "Operating System"), {7560, 960, 2412, 1812}},
        {Kind::Option, "Option1", config::kLogonPresets[0].caption, {240, 360, 2052, kLineHeight},
         QT_TRANSLATE_NOOP("Form1", "Sets keystrokes for W 2k OS"), Plain, "Frame1"},
        {Kind::Option, "Option2", config::kLogonPresets[1].caption, {240, 840, 2052, kLineHeight},
         QT_TRANSLATE_NOOP("Form1", "Sets keystrokes for W XP Classic Logon"), Plain, "Frame1"},
        {Kind::Option, "Option3", config::kLogonPresets[2].caption, {240, 1320, 2052, kLineHeight},
         QT_TRANSLATE_NOOP("Form1", "Sets keystrokes for W XP Welcom Screen Logon"), Plain, "Frame1"},
        {Kind::Button, "Command1", QT_TRANSLATE_NOOP("Form1", "Reset to Factory Defaults"), {7680, 3000, 2175, 375},
         QT_TRANSLATE_NOOP("Form1", "Resets all configurtation parameters to factory settings")},

        {Kind::Shape, "Shape1", nullptr, {240, 1740, 4452, 1812}},
        {Kind::Label, "Label5", QT_TRANSLATE_NOOP("Form1", "Timing Delays (0-255 seconds)"), {240, 1800, 4452, 240}, nullptr,
         Heading},
        {Kind::Label, "Label3", caption(config::Numeric::WalkUpDelay),
         {255, 2160, 3645, kLineHeight}, kDelayLabelTip, AlignRight, nullptr, box(config::Numeric::WalkUpDelay)},
        {Kind::Text, box(config::Numeric::WalkUpDelay), nullptr, {3960, 2160, 375, kTextHeight},
         QT_TRANSLATE_NOOP("Form1", "This delay (0-255) is between when the user is detected as being in-range, and when the "
         "keystrokes are actually sent.")},
        {Kind::Label, "Label4", caption(config::Numeric::WalkAwayDelay),
         {255, 2640, 3645, kLineHeight}, kDelayLabelTip, AlignRight, nullptr, box(config::Numeric::WalkAwayDelay)},
        {Kind::Text, box(config::Numeric::WalkAwayDelay), nullptr, {3960, 2640, 375, kTextHeight},
         QT_TRANSLATE_NOOP("Form1", "This delay (0-255) is between when the user is detected as being out-of-range, and when "
         "the keystrokes are actually sent.")},
        {Kind::Button, "Command6", QT_TRANSLATE_NOOP("Form1", "Advanced"), {480, 3120, 1095, 255}},
        {Kind::Label, "Label18", caption(config::Numeric::PowerUpDelay), {2280, 3120, 1620, kLineHeight},
         QT_TRANSLATE_NOOP("Form1", "Leave set to '0' unless you have a PC power-up problem with the USB device."),
         Hidden | AlignRight, nullptr, box(config::Numeric::PowerUpDelay)},
        {Kind::Text, box(config::Numeric::PowerUpDelay), nullptr, {3960, 3060, 375, kTextHeight},
         QT_TRANSLATE_NOOP("Form1", "Some computers may need to have the device in an off state while booting up."), Hidden},

        {Kind::Shape, "Shape5", nullptr, {4920, 1740, 2172, 1812}},
        {Kind::Label, "Label23", QT_TRANSLATE_NOOP("Form1", "Developer Mode"), {4920, 1800, 2172, 240}, nullptr, Heading},
        {Kind::Label, "Label24", QT_TRANSLATE_NOOP("Form1", "Select when using Korvane' software developer's kit."),
         {5040, 2160, 1932, 612}, nullptr, Wrap},
        {Kind::Check, "Check1", QT_TRANSLATE_NOOP("Form1", "Disable keystrokes"), {5160, 2880, 1860, kLineHeight},
         QT_TRANSLATE_NOOP("Form1", "Disable to use with the software developer's kit")},
    };
    return table;
}

InitialSetupPage::InitialSetupPage(QObject *window, const PageServices &services)
    : Page(window, services)
{
    for (QCheckBox *led : controls().leds)
        connect(led, &QCheckBox::toggled, this, [this] { ledSwitched(); });
    bindLeavingChecks(config::Page::InitialSetup);
}

void InitialSetupPage::ledSwitched()
{
    services().compareWithSensor();
}

} // namespace ui
