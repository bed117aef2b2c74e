#include "aboutpage.h"

namespace ui {

namespace {

const char *const kAboutText =
    QT_TRANSLATE_NOOP("Form1", "Ostraval\u00AE presence sensor. Visit the Zelvora web site for support, enhancements and "
    "our other products. Copyright \u00A9 Zelvora. All rights reserved.");

} // namespace

// Page "About". Everything from Label16 on lies below the page's lower edge:
// out of sight, but carrying the idle keystroke's values.
const std::vector<ControlRow> &AboutPage::layout()
{
    static const std::vector<ControlRow> table = {
        {Kind::Picture, "Image2", nullptr, {1440, 780, 735, 690}},
        {Kind::Label, "lblTitle", nullptr, {2280, 780, 4095, 240}},
        {Kind::Label, "lblVersion", nullptr, {2280, 1140, 4095, 225}},
        {Kind::Label, "Label6", kAboutText, {1440, 1620, 4815, 810}, nullptr, Wrap},
        // Right-aligned: widened to the left, so that the caption's first
        // stroke is not clipped while its right edge stays in place.
        {Kind::Label, "Label14", QT_TRANSLATE_NOOP("Form1", "Firmware"), {1200, 2460, 855, 255}, nullptr, AlignRight, nullptr,
         "Text1"},
        {Kind::Text, "Text1", nullptr, {2280, 2460, 1260, kTextHeight}, nullptr, Disabled, nullptr,
         nullptr, QT_TRANSLATE_NOOP("Form1", "Firmware version")},
        {Kind::Picture, "Image1", nullptr, {6120, 3060, 3480, 810}},
        {Kind::Label, "Label16",
         QT_TRANSLATE_NOOP("Form1", "The purpose of the Idle Keystroke is to prevent a screensaver from launching while a "
         "person is within the defined proximity zone.  The defined Idle Keystroke is sent at the "
         "periodic rate entered below.  The keystroke should be defined so as to not interfere "
         "with other applications."),
         {360, 4380, 5175, 855}, nullptr, Wrap},
        {Kind::Label, "Label15", QT_TRANSLATE_NOOP("Form1", "If the rate is set to zero, this feature is disabled."),
         {360, 5340, 5175, kLineHeight}},
        {Kind::Label, "Label17", caption(config::Numeric::IdleRate), {360, 5700, 1740, kLineHeight}, nullptr,
         AlignRight, nullptr, box(config::Numeric::IdleRate)},
        {Kind::Text, box(config::Numeric::IdleRate), nullptr, {2160, 5700, 495, kTextHeight}},
    };
    return table;
}

const SlotRow &AboutPage::idleFrame()
{
    static const SlotRow frame = {"Frame7", QT_TRANSLATE_NOOP("Form1", "Idle keystroke"), {5760, 4980, 2055, 1095}};
    return frame;
}

AboutPage::AboutPage(QObject *window, const PageServices &services) : Page(window, services)
{
    bindKeystrokeSlot(this, services, config::kIdleSlot, true);
    bindLeavingChecks(config::Page::About);
}

} // namespace ui
