#include "formlayout.h"

#include "accessibility.h"
#include "keylist.h"
#include "outofsight.h"
#include "pictures.h"
#include "settings.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

#include <stdexcept>
#include <vector>

namespace ui {

QRect toPixels(const Twips &t, int dpi)
{
    const double pixelsPerTwip = double(dpi) / kTwipsPerInch;
    return QRect(qRound(t.left * pixelsPerTwip), qRound(t.top * pixelsPerTwip),
                 qRound(t.width * pixelsPerTwip), qRound(t.height * pixelsPerTwip));
}

namespace {

enum class Kind { Label, Text, Check, Option, Button, Frame, Shape, Picture };

enum Flag : unsigned {
    Plain = 0,
    Hidden = 1 << 0,
    Disabled = 1 << 1,
    AlignRight = 1 << 2,
    Heading = 1 << 3, // a section heading: centred, bold Arial 9 point
    Wrap = 1 << 4,
    CodeText = 1 << 5, // a keystroke's code text: starts with "Text4"
};

// One control of a layout table. `parent` names a frame created earlier in
// the same table; null places the control on the table's container. A label's
// `buddy` names the control it captions in the same table; that control is
// named by the caption unless it has an `accessibleName` of its own (where
// the caption alone does not say what the control is).
struct ControlSpec {
    Kind kind;
    const char *name;
    const char *caption;
    Twips at;
    const char *toolTip = nullptr;
    unsigned flags = Plain;
    const char *parent = nullptr;
    const char *buddy = nullptr;
    const char *accessibleName = nullptr;
};

constexpr int kTextHeight = 285;
constexpr int kLineHeight = 255;

const char *const kLedTip =
    "Disables the LED on the unit.  The device is still operational, but no visual indication "
    "is given.";
const char *const kDelayLabelTip = "May be set between 0 and 255.";

// A numeric setting's text box and its caption, as the settings table names them.
constexpr const char *box(config::Numeric which)
{
    return config::setting(which).control;
}

constexpr const char *caption(config::Numeric which)
{
    return config::setting(which).caption;
}

// An LED's check box, by the LedFlags bit that it holds.
constexpr const char *ledBox(int offBit)
{
    for (const config::LedSetting &led : config::kLeds)
        if (led.offBit == offBit)
            return led.control;
    return nullptr;
}

// Page "Initial Setup", section by section in reading order: the top row of
// sections from left to right, then the bottom row. Creation order is the
// tab order.
const std::vector<ControlSpec> &initialSetupPage()
{
    static const std::vector<ControlSpec> table = {
        {Kind::Shape, "Shape2", nullptr, {240, 420, 4452, 1212}},
        {Kind::Label, "Label13", "Proximity Range", {240, 480, 4452, 240}, nullptr, Heading},
        {Kind::Label, "Label2", caption(config::Numeric::DetectionRange), {1200, 840, 2700, kLineHeight},
         nullptr, AlignRight, nullptr, box(config::Numeric::DetectionRange)},
        {Kind::Text, box(config::Numeric::DetectionRange), nullptr, {3960, 780, 375, kTextHeight},
         "This is the distance that defines where the in-range and out-of-range detection occurs."},
        {Kind::Button, "Command5", "Read Now", {480, 1260, 1095, 255}},
        {Kind::Label, "Label19", "Last range detected", {1680, 1260, 2220, kLineHeight}, nullptr,
         AlignRight, nullptr, "wCurrRange"},
        {Kind::Text, "wCurrRange", nullptr, {3960, 1260, 375, kTextHeight},
         "Not being dynamically read."},

        {Kind::Shape, "Shape3", nullptr, {4920, 420, 2172, 1212}},
        {Kind::Label, "Label22", "Disable LED", {4920, 480, 2172, 240}, nullptr, Heading},
        {Kind::Check, ledBox(KV3_LED_NO_OUT_RANGE), "Out-of-Range Red", {5160, 720, 1815, kLineHeight}, kLedTip},
        {Kind::Check, ledBox(KV3_LED_NO_TRANSITION), "Transition Yellow", {5160, 960, 1815, kLineHeight}, kLedTip},
        {Kind::Check, ledBox(KV3_LED_NO_IN_RANGE), "In-Range Green", {5160, 1200, 1815, kLineHeight}, kLedTip},

        {Kind::Shape, "Shape4", nullptr, {7320, 420, 2892, 3132}},
        {Kind::Label, "Label1", "Quick Configuration", {7320, 480, 2892, 240}, nullptr, Heading},
        {Kind::Frame, "Frame1", "Operating System", {7560, 960, 2412, 1812}},
        {Kind::Option, "Option1", "Windows 2000", {240, 360, 2052, kLineHeight},
         "Sets keystrokes for W 2k OS", Plain, "Frame1"},
        {Kind::Option, "Option2", "Windows XP Classic", {240, 840, 2052, kLineHeight},
         "Sets keystrokes for W XP Classic Logon", Plain, "Frame1"},
        {Kind::Option, "Option3", "XP Welcome Screen", {240, 1320, 2052, kLineHeight},
         "Sets keystrokes for W XP Welcom Screen Logon", Plain, "Frame1"},
        {Kind::Button, "Command1", "Reset to Factory Defaults", {7680, 3000, 2175, 375},
         "Resets all configurtation parameters to factory settings"},

        {Kind::Shape, "Shape1", nullptr, {240, 1740, 4452, 1812}},
        {Kind::Label, "Label5", "Timing Delays (0-255 seconds)", {240, 1800, 4452, 240}, nullptr,
         Heading},
        {Kind::Label, "Label3", caption(config::Numeric::WalkUpDelay),
         {255, 2160, 3645, kLineHeight}, kDelayLabelTip, AlignRight, nullptr, box(config::Numeric::WalkUpDelay)},
        {Kind::Text, box(config::Numeric::WalkUpDelay), nullptr, {3960, 2160, 375, kTextHeight},
         "This delay (0-255) is between when the user is detected as being in-range, and when the "
         "keystrokes are actually sent."},
        {Kind::Label, "Label4", caption(config::Numeric::WalkAwayDelay),
         {255, 2640, 3645, kLineHeight}, kDelayLabelTip, AlignRight, nullptr, box(config::Numeric::WalkAwayDelay)},
        {Kind::Text, box(config::Numeric::WalkAwayDelay), nullptr, {3960, 2640, 375, kTextHeight},
         "This delay (0-255) is between when the user is detected as being out-of-range, and when "
         "the keystrokes are actually sent."},
        {Kind::Button, "Command6", "Advanced", {480, 3120, 1095, 255}},
        {Kind::Label, "Label18", caption(config::Numeric::PowerUpDelay), {2280, 3120, 1620, kLineHeight},
         "Leave set to '0' unless you have a PC power-up problem with the USB device.",
         Hidden | AlignRight, nullptr, box(config::Numeric::PowerUpDelay)},
        {Kind::Text, box(config::Numeric::PowerUpDelay), nullptr, {3960, 3060, 375, kTextHeight},
         "Some computers may need to have the device in an off state while booting up.", Hidden},

        {Kind::Shape, "Shape5", nullptr, {4920, 1740, 2172, 1812}},
        {Kind::Label, "Label23", "Developer Mode", {4920, 1800, 2172, 240}, nullptr, Heading},
        {Kind::Label, "Label24", "Select when using Korvane' software developer's kit.",
         {5040, 2160, 1932, 612}, nullptr, Wrap},
        {Kind::Check, "Check1", "Disable keystrokes", {5160, 2880, 1860, kLineHeight},
         "Disable to use with the software developer's kit"},
    };
    return table;
}

// Page "Walk-Away Keystrokes", below its five keystroke frames.
const std::vector<ControlSpec> &walkAwayPage()
{
    static const std::vector<ControlSpec> table = {
        {Kind::Label, "Label8", "KeyCount", {3000, 3660, 1260, kLineHeight}, nullptr,
         Hidden | AlignRight, nullptr, config::kKeySequences[0].countControl},
        {Kind::Text, config::kKeySequences[0].countControl, nullptr, {4320, 3660, 375, kTextHeight}, nullptr, Hidden, nullptr,
         nullptr, "Walk-away key count"},
        {Kind::Label, "Label9", caption(config::Numeric::WalkAwayKeyDelay), {5040, 3660, 1260, kLineHeight}, nullptr,
         AlignRight, nullptr, box(config::Numeric::WalkAwayKeyDelay)},
        {Kind::Text, box(config::Numeric::WalkAwayKeyDelay), nullptr, {6360, 3660, 615, kTextHeight}, nullptr, Plain,
         nullptr, nullptr, "Walk-away key delay"},
        {Kind::Text, "Key1Mods", nullptr, {1440, 3300, 375, kTextHeight}, nullptr, Hidden},
        {Kind::Text, "Key2Mods", nullptr, {2880, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
        {Kind::Text, "Key3Mods", nullptr, {4440, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
        {Kind::Text, "Key4Mods", nullptr, {6720, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
        {Kind::Text, "Key5Mods", nullptr, {8520, 3300, 375, kTextHeight}, nullptr, Hidden | Disabled},
    };
    return table;
}

// Page "Walk-Up Keystrokes ", below its five keystroke frames.
const std::vector<ControlSpec> &walkUpPage()
{
    static const std::vector<ControlSpec> table = {
        {Kind::Label, "Label20", "KeyCount", {3240, 3660, 1020, kLineHeight}, nullptr,
         Hidden | AlignRight, nullptr, config::kKeySequences[1].countControl},
        {Kind::Text, config::kKeySequences[1].countControl, nullptr, {4320, 3660, 375, kTextHeight}, nullptr, Hidden, nullptr,
         nullptr, "Walk-up key count"},
        {Kind::Label, "Label21", caption(config::Numeric::WalkUpKeyDelay), {5160, 3660, 900, kLineHeight}, nullptr,
         AlignRight, nullptr, box(config::Numeric::WalkUpKeyDelay)},
        {Kind::Text, box(config::Numeric::WalkUpKeyDelay), nullptr, {6120, 3660, 495, kTextHeight}, nullptr, Plain,
         nullptr, nullptr, "Walk-up key delay"},
    };
    return table;
}

const char *const kAboutText =
    "Ostraval\u00AE presence sensor. Visit the Zelvora web site for support, enhancements and "
    "our other products. Copyright \u00A9 Zelvora. All rights reserved.";

// Page "About". Everything from Label16 on lies below the page's lower edge:
// out of sight, but carrying the idle keystroke's values.
const std::vector<ControlSpec> &aboutPage()
{
    static const std::vector<ControlSpec> table = {
        {Kind::Picture, "Image2", nullptr, {1440, 780, 735, 690}},
        {Kind::Label, "lblTitle", nullptr, {2280, 780, 4095, 240}},
        {Kind::Label, "lblVersion", nullptr, {2280, 1140, 4095, 225}},
        {Kind::Label, "Label6", kAboutText, {1440, 1620, 4815, 810}, nullptr, Wrap},
        // Right-aligned: widened to the left, so that the caption's first
        // stroke is not clipped while its right edge stays in place.
        {Kind::Label, "Label14", "Firmware", {1200, 2460, 855, 255}, nullptr, AlignRight, nullptr,
         "Text1"},
        {Kind::Text, "Text1", nullptr, {2280, 2460, 1260, kTextHeight}, nullptr, Disabled, nullptr,
         nullptr, "Firmware version"},
        {Kind::Picture, "Image1", nullptr, {6120, 3060, 3480, 810}},
        {Kind::Label, "Label16",
         "The purpose of the Idle Keystroke is to prevent a screensaver from launching while a "
         "person is within the defined proximity zone.  The defined Idle Keystroke is sent at the "
         "periodic rate entered below.  The keystroke should be defined so as to not interfere "
         "with other applications.",
         {360, 4380, 5175, 855}, nullptr, Wrap},
        {Kind::Label, "Label15", "If the rate is set to zero, this feature is disabled.",
         {360, 5340, 5175, kLineHeight}},
        {Kind::Label, "Label17", caption(config::Numeric::IdleRate), {360, 5700, 1740, kLineHeight}, nullptr,
         AlignRight, nullptr, box(config::Numeric::IdleRate)},
        {Kind::Text, box(config::Numeric::IdleRate), nullptr, {2160, 5700, 495, kTextHeight}},
    };
    return table;
}

// The window itself, outside the tab container.
const std::vector<ControlSpec> &windowControls()
{
    static const std::vector<ControlSpec> table = {
        {Kind::Label, "Label7", "Ostraval\u00AE Configuration Utility", {1680, 120, 7095, 495}},
        {Kind::Check, "CheckCnct", "Connect USB Device", {120, 5160, 2100, kLineHeight}, nullptr,
         Disabled},
        {Kind::Label, "Label10", "Status", {2220, 5160, 600, kLineHeight}, nullptr, AlignRight,
         nullptr, "LastErr"},
        {Kind::Text, "LastErr", nullptr, {2880, 5160, 1935, kTextHeight}},
        {Kind::Check, "ConfigChanged", "Config Changed", {4920, 5160, 1650, kLineHeight}, nullptr,
         Disabled},
        {Kind::Button, "Command2", "OK", {6600, 5160, 1215, 375}},
        {Kind::Button, "Command3", "Cancel", {8040, 5160, 1095, 375}},
        {Kind::Button, "Command4", "Apply", {9360, 5160, 1095, 375}},
        {Kind::Text, "bInRange", nullptr, {0, 0, 375, kTextHeight}, nullptr, Hidden},
        {Kind::Text, "bInRangePend", nullptr, {0, 0, 375, kTextHeight}, nullptr, Hidden},
        {Kind::Text, "bOutRangePend", nullptr, {0, 0, 375, kTextHeight}, nullptr, Hidden},
        {Kind::Text, config::kSlots[config::kIdleSlot].codeText, nullptr, {0, 0, 375, kTextHeight},
         nullptr, Hidden | CodeText},
    };
    return table;
}

enum class Container { InitialSetup, WalkAway, WalkUp, About, Window };

// The twelve keystroke slots, by slot index; their captions and code texts
// stand in the settings table (config::kSlots). `name` is what the slot is
// called where the frame's caption alone would not tell: the name of every
// control in the frame starts with it.
struct SlotSpec {
    const char *frame;
    const char *name;
    Container where;
    Twips at;
    unsigned codeFlags = Plain;
    const char *toolTip = nullptr;
};

constexpr int kFrameTop = 540;
constexpr int kFrameWidth = 1815;
constexpr int kFrameHeight = 2655;

const std::array<SlotSpec, config::kSlotCount> &slotTable()
{
    static const std::array<SlotSpec, config::kSlotCount> table = {{
        {"Frame2", "Walk-away keystroke 1", Container::WalkAway,
         {360, kFrameTop, kFrameWidth, kFrameHeight}, Disabled,
         "When the user steps away there may be several keystroke"},
        {"Frame3", "Walk-away keystroke 2", Container::WalkAway,
         {2280, kFrameTop, kFrameWidth, kFrameHeight}},
        {"Frame4", "Walk-away keystroke 3", Container::WalkAway,
         {4200, kFrameTop, kFrameWidth, kFrameHeight}},
        {"Frame5", "Walk-away keystroke 4", Container::WalkAway,
         {6120, kFrameTop, 1935, kFrameHeight}},
        {"Frame6(0)", "Walk-away keystroke 5", Container::WalkAway,
         {8160, kFrameTop, kFrameWidth, kFrameHeight}},
        {"Frame7", "Idle keystroke", Container::About, {5760, 4980, 2055, 1095}},
        {"Frame6(1)", "Walk-up keystroke 1", Container::WalkUp,
         {360, kFrameTop, kFrameWidth, kFrameHeight}},
        {"Frame6(2)", "Walk-up keystroke 2", Container::WalkUp,
         {2280, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
        {"Frame6(3)", "Walk-up keystroke 3", Container::WalkUp,
         {4200, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
        {"Frame6(4)", "Walk-up keystroke 4", Container::WalkUp,
         {6120, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
        {"Frame6(5)", "Walk-up keystroke 5", Container::WalkUp,
         {8160, kFrameTop, kFrameWidth, kFrameHeight}, Disabled},
        {"Frame6(6)", "Keystroke 6", Container::Window,
         {3840, 6840, kFrameWidth, kFrameHeight}, Disabled},
    }};
    return table;
}

// One row of a keystroke frame's modifier grid: the left box (with the row's
// caption) and the right box (without), by bit value, and the modifier the
// row stands for.
struct ModifierRow {
    int leftBit;
    int rightBit;
    const char *caption;
    const char *modifier;
    int top;
};

constexpr std::array<ModifierRow, 4> kModifierRows = {{
    {config::LeftShift, config::RightShift, "Shft", "Shift", 600},
    {config::LeftCtrl, config::RightCtrl, "Ctrl", "Ctrl", 960},
    {config::LeftAlt, config::RightAlt, "Alt", "Alt", 1320},
    {config::LeftGui, config::RightGui, "GUI", "GUI", 1680},
}};

constexpr int kLeftColumn = 360;
constexpr int kRightColumn = 1080;

// The window's client area and its tab container, in twips.
constexpr Twips kClientArea = {0, 0, 10800, 5835};
constexpr Twips kTabContainer = {120, 720, 10455, 4215};

// Control array elements are named "Array(index)". The names are joined
// rather than formatted: some two hundred are made at start-up.
QString elementName(const char *array, int index)
{
    return QLatin1String(array) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QString modifierBoxName(int bit, int slot)
{
    return QLatin1String("Key1Mods") + QString::number(bit) + QLatin1Char('(') +
           QString::number(slot) + QLatin1Char(')');
}

QString keyListName(int slot)
{
    return QStringLiteral("Combo%1").arg(slot + 1);
}

// `base` in the named family where that family is installed; otherwise in
// base's own family, which saves searching for a substitute at start-up.
// (The installed families are listed once: asking for one family by name
// resolves aliases, which costs as much as the substitution.)
QFont fontInFamily(QFont base, const QString &family)
{
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        base.setFamilies({family});
    return base;
}

QFont headingFont(const QFont &dialogFont)
{
    QFont font = fontInFamily(dialogFont, QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

// Places controls on one container, whose own origin lies `origin` pixels
// from the origin of the twips it is laid out in (the tab container's page
// area starts below its row of tabs), and records them in the index. A
// control whose top lies at or below the container's lower edge (`height`
// twips) is out of sight.
class Placer {
public:
    Placer(QWidget *container, int height, int dpi, ControlIndex &index, QPoint origin = {})
        : container_(container), height_(height), dpi_(dpi), index_(&index), origin_(origin)
    {
    }

    QWidget *container() const { return container_; }
    int dpi() const { return dpi_; }

    // The parent of a control placed on the container, or inside `frame`.
    // Controls are created with their parent: given one later, each would
    // take on the window's font anew.
    QWidget *parentFor(QWidget *frame) const { return frame ? frame : container_; }

    // Places `widget`, a child of parentFor(frame), at twips relative to the
    // container or the frame.
    void place(QWidget *widget, const Twips &at, QWidget *frame = nullptr) const
    {
        widget->setGeometry(frame ? toPixels(at, dpi_) : toPixels(at, dpi_).translated(-origin_));
        if (!widget->objectName().isEmpty())
            index_->insert(widget->objectName(), widget);
        if (!frame && at.top >= height_)
            markOutOfSight(widget);
    }

private:
    QWidget *container_;
    int height_;
    int dpi_;
    ControlIndex *index_;
    QPoint origin_;
};

QWidget *createControl(const ControlSpec &entry, QWidget *parent)
{
    const QString caption = entry.caption ? QString::fromUtf8(entry.caption) : QString();
    switch (entry.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        Qt::Alignment align = Qt::AlignVCenter;
        align |= (entry.flags & AlignRight) ? Qt::AlignRight : Qt::AlignLeft;
        if (entry.flags & Heading)
            align = Qt::AlignCenter;
        if (entry.flags & Wrap)
            align = Qt::AlignLeft | Qt::AlignTop;
        label->setAlignment(align);
        label->setWordWrap(entry.flags & Wrap);
        return label;
    }
    case Kind::Text:
        return new QLineEdit((entry.flags & CodeText) ? QStringLiteral("Text4") : QString(), parent);
    case Kind::Check:
        return new QCheckBox(caption, parent);
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::Button: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Shape: {
        auto *shape = new QFrame(parent);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        return shape;
    }
    case Kind::Picture:
        return new Picture(parent);
    }
    return nullptr;
}

void applyCommon(QWidget *widget, const ControlSpec &entry)
{
    widget->setObjectName(QString::fromLatin1(entry.name));
    if (entry.toolTip) {
        widget->setToolTip(QString::fromUtf8(entry.toolTip));
        widget->setAccessibleDescription(widget->toolTip());
    }
    if (entry.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(entry.accessibleName));
    if (entry.flags & Disabled)
        widget->setEnabled(false);
    if (entry.flags & Hidden)
        widget->setHidden(true);
}

// A caption label becomes the buddy of the control it captions, which is
// named by the caption unless it has a name of its own.
void captionControls(const ControlIndex &index, const std::vector<ControlSpec> &table)
{
    for (const ControlSpec &entry : table) {
        if (!entry.buddy)
            continue;
        auto *label = qobject_cast<QLabel *>(index.value(QLatin1String(entry.name)));
        QWidget *control = index.value(QLatin1String(entry.buddy));
        label->setBuddy(control);
        if (control->accessibleName().isEmpty())
            control->setAccessibleName(label->text().trimmed());
    }
}

void buildControls(const Placer &placer, const std::vector<ControlSpec> &table,
                   const ControlIndex &index)
{
    for (const ControlSpec &entry : table) {
        QWidget *frame = entry.parent ? index.value(QLatin1String(entry.parent)) : nullptr;
        QWidget *widget = createControl(entry, placer.parentFor(frame));
        applyCommon(widget, entry);
        if (entry.flags & Heading)
            widget->setFont(headingFont(placer.container()->font()));
        placer.place(widget, entry.at, frame);
    }
    captionControls(index, table);
}

// A keystroke frame with the controls of one slot, in reading order: the
// modifier grid row by row, then the key list and its code text.
void buildKeystrokeFrame(const Placer &placer, int slot, const SlotSpec &entry)
{
    const QString slotName = QString::fromLatin1(entry.name);
    const config::SlotSetting &setting = config::kSlots[slot];
    auto *frame = new QGroupBox(QString::fromLatin1(setting.caption), placer.parentFor(nullptr));
    frame->setObjectName(QLatin1String(entry.frame));
    frame->setAccessibleName(slotName);
    if (entry.toolTip) {
        frame->setToolTip(QString::fromLatin1(entry.toolTip));
        frame->setAccessibleDescription(frame->toolTip());
    }
    placer.place(frame, entry.at);

    auto add = [&](QWidget *widget, const QString &name, const QString &accessibleName,
                   const Twips &at) {
        widget->setObjectName(name);
        widget->setAccessibleName(accessibleName);
        placer.place(widget, at, frame);
    };
    auto columnLabel = [&](const char *array, const char *caption, const Twips &at) {
        auto *label = new QLabel(QString::fromLatin1(caption), frame);
        label->setAlignment(Qt::AlignCenter);
        add(label, elementName(array, slot), QString(), at);
    };

    columnLabel("Label11", "Left", {120, 240, 735, kLineHeight});
    columnLabel("Label12", "Right", {960, 240, 615, kLineHeight});
    for (const ModifierRow &row : kModifierRows) {
        const QString modifier = QString::fromLatin1(row.modifier);
        add(new QCheckBox(QString::fromLatin1(row.caption), frame), modifierBoxName(row.leftBit, slot),
            slotName + QStringLiteral(" left ") + modifier, {kLeftColumn, row.top, 660, kLineHeight});
        add(new QCheckBox(frame), modifierBoxName(row.rightBit, slot),
            slotName + QStringLiteral(" right ") + modifier, {kRightColumn, row.top, 255, kLineHeight});
    }

    // On some platforms a list is announced by its displayed value; the
    // label related to it, kept out of view, carries its name.
    const QString listName = slotName + QStringLiteral(" key");
    auto *list = new KeyList(frame);
    add(list, keyListName(slot), listName, {120, 2160, 1095, 315});
    auto *listLabel = new QLabel(listName, frame);
    listLabel->setBuddy(list);
    listLabel->hide();

    auto *code = new QLineEdit(QStringLiteral("Text4"), frame);
    const Twips codeAt{1320, 2160, 375, kTextHeight};
    if (slot != config::kIdleSlot) {
        add(code, QLatin1String(setting.codeText), slotName + QStringLiteral(" code"), codeAt);
        code->setEnabled(!(entry.codeFlags & Disabled));
        code->setHidden(entry.codeFlags & Hidden);
    } else {
        // The idle frame holds the sixth walk-away mask in the code text's
        // place; its own code text stands hidden on the window.
        code->clear();
        add(code, QStringLiteral("Key6Mods"), slotName + QStringLiteral(" modifiers"), codeAt);
        code->setEnabled(false);
        code->hide();
    }
}

QTabWidget *buildTabContainer(QWidget *form, int dpi, ControlIndex &index)
{
    auto *tabs = new QTabWidget(form);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(toPixels(kTabContainer, dpi));
    for (const char *caption : config::kPageCaptions) {
        auto *page = new QWidget;
        tabs->addTab(page, QString::fromLatin1(caption));
    }
    tabs->setCurrentIndex(0);
    index.insert(tabs->objectName(), tabs);
    return tabs;
}

// Where a page's own origin lies in the tab container's coordinates.
QPoint pageOrigin(QTabWidget *tabs)
{
    const int frame = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    return {frame, tabs->tabBar()->sizeHint().height() + frame};
}

void styleBanner(QLabel *banner)
{
    QFont font = fontInFamily(banner->font(), QStringLiteral("Arial Black"));
    font.setPointSizeF(15.75);
    font.setBold(true);
    banner->setFont(font);
    banner->setForegroundRole(QPalette::Highlight);
}

template <typename T> T *child(const ControlIndex &controls, const QString &name)
{
    T *found = qobject_cast<T *>(controls.value(name));
    if (!found)
        throw std::logic_error("the window has no control " + name.toStdString());
    return found;
}

template <typename T> T *child(const ControlIndex &controls, const char *name)
{
    return child<T>(controls, QString::fromLatin1(name));
}

} // namespace

ControlIndex buildWindow(QWidget *form, int dpi)
{
    // Before the first control: every control gets the window's interface
    // from the start.
    installAccessibility();
    ControlIndex index;
    form->setFixedSize(toPixels(kClientArea, dpi).size());
    QTabWidget *tabs = buildTabContainer(form, dpi, index);
    const QPoint origin = pageOrigin(tabs);
    const Placer window(form, kClientArea.height, dpi, index);
    auto page = [&](int i) {
        return Placer(tabs->widget(i), kTabContainer.height, dpi, index, origin);
    };
    const std::array<Placer, 4> pages = {page(0), page(1), page(2), page(3)};
    auto placerFor = [&](Container where) -> const Placer & {
        return where == Container::Window ? window : pages[static_cast<int>(where)];
    };

    buildControls(pages[0], initialSetupPage(), index);
    for (int slot = 0; slot < config::kSlotCount; ++slot)
        buildKeystrokeFrame(placerFor(slotTable()[slot].where), slot, slotTable()[slot]);
    buildControls(pages[1], walkAwayPage(), index);
    buildControls(pages[2], walkUpPage(), index);
    buildControls(pages[3], aboutPage(), index);
    buildControls(window, windowControls(), index);

    keepOutOfReach(form);
    styleBanner(child<QLabel>(index, "Label7"));
    child<Picture>(index, "Image2")->setDrawing(sensorPicture, QSize(97, 70));
    child<Picture>(index, "Image1")->setDrawing(productPicture, QSize(400, 110));
    return index;
}

config::FormControls findFormControls(const ControlIndex &controls)
{
    config::FormControls c;
    for (const config::NumberSetting &field : config::kNumbers)
        c.numbers[config::indexOf(field)] = child<QLineEdit>(controls, field.control);
    for (std::size_t i = 0; i < config::kLeds.size(); ++i)
        c.leds[i] = child<QCheckBox>(controls, config::kLeds[i].control);
    for (std::size_t i = 0; i < config::kKeySequences.size(); ++i)
        c.keyCounts[i] = child<QLineEdit>(controls, config::kKeySequences[i].countControl);
    c.wCurrRange = child<QLineEdit>(controls, "wCurrRange");
    c.bInRange = child<QLineEdit>(controls, "bInRange");
    c.bInRangePend = child<QLineEdit>(controls, "bInRangePend");
    c.bOutRangePend = child<QLineEdit>(controls, "bOutRangePend");
    for (int i = 0; i < 6; ++i)
        c.KeyMods[i] = child<QLineEdit>(controls, QStringLiteral("Key%1Mods").arg(i + 1));
    for (int slot = 0; slot < config::kSlotCount; ++slot) {
        config::KeystrokeSlot &s = c.keystrokes[slot];
        s.list = child<QComboBox>(controls, keyListName(slot));
        s.codeText = child<QLineEdit>(controls, config::kSlots[slot].codeText);
        for (std::size_t bit = 0; bit < config::kModifiers.size(); ++bit)
            s.mods[bit] = child<QCheckBox>(controls, modifierBoxName(config::kModifiers[bit].bit, slot));
    }
    c.ConfigChanged = child<QCheckBox>(controls, "ConfigChanged");
    return c;
}

WindowControls findWindowControls(const ControlIndex &controls)
{
    WindowControls w;
    w.SSTab1 = child<QTabWidget>(controls, "SSTab1");
    w.CheckCnct = child<QCheckBox>(controls, "CheckCnct");
    w.LastErr = child<QLineEdit>(controls, "LastErr");
    w.Command1 = child<QPushButton>(controls, "Command1");
    w.Command2 = child<QPushButton>(controls, "Command2");
    w.Command3 = child<QPushButton>(controls, "Command3");
    w.Command4 = child<QPushButton>(controls, "Command4");
    w.Command5 = child<QPushButton>(controls, "Command5");
    w.Command6 = child<QPushButton>(controls, "Command6");
    w.Check1 = child<QCheckBox>(controls, "Check1");
    w.Option1 = child<QRadioButton>(controls, "Option1");
    w.Option2 = child<QRadioButton>(controls, "Option2");
    w.Option3 = child<QRadioButton>(controls, "Option3");
    w.Text1 = child<QLineEdit>(controls, "Text1");
    w.lblTitle = child<QLabel>(controls, "lblTitle");
    w.lblVersion = child<QLabel>(controls, "lblVersion");
    w.Label18 = child<QLabel>(controls, "Label18");
    return w;
}

} // namespace ui
