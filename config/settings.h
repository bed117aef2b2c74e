// The settings table: every setting the programs know, with each fact about
// it that more than one place needs, written once. The window's layout,
// checks, reading, change detection and writing, the profile's export,
// import, schema and comparison, and ostraval-ctl's show all read it.
//
// A new numeric setting is one new row of kNumbers (and its control in the
// window's layout table).
#pragma once

#include "configuration.h"

// Marks a text for translation where it stands, for lupdate; the programs
// translate it where they show it. This core has no Qt: without Qt the macro
// is Qt's own plain definition, which Qt repeats identically.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

#include <array>
#include <cstddef>
#include <cstdint>

namespace config {

using Configuration = kv3sim::Configuration;

// A word of the records, for reading and writing.
using WordOf = int16_t &(*)(Configuration &);

// --- The window's pages -------------------------------------------------------

enum class Page : std::size_t { InitialSetup, WalkAway, WalkUp, About };

// The pages' tab captions, as the window shows them (one with a trailing
// blank). Messages name a page without it.
inline constexpr std::array<const char *, 4> kPageCaptions = {
    QT_TRANSLATE_NOOP("Form1", "Initial Setup"), QT_TRANSLATE_NOOP("Form1", "Walk-Away Keystrokes"),
    QT_TRANSLATE_NOOP("Form1", "Walk-Up Keystrokes "), QT_TRANSLATE_NOOP("Form1", "About")};

constexpr const char *pageCaption(Page page)
{
    return kPageCaptions[static_cast<std::size_t>(page)];
}

// --- How the window reads a control's text ----------------------------------

enum class Reading {
    Strict,  // the whole text is a number (writing: rounded to a whole one)
    Leading, // the number the text starts with (writing: rounded)
};

// How the window checks a field as it is edited.
enum class Check {
    None,
    OnLeaving, // when the focus leaves it: a stop box, then the box is reset
    OnChange,  // on every change: the box is reset, then a notice
};

// The text a checked box is reset to when its value lies out of bounds.
enum class ResetTo { Zero, Factory };

struct Bounds {
    int lower;
    int upper;

    constexpr bool holds(double value) const { return value >= lower && value <= upper; }
};

// --- Numeric settings ---------------------------------------------------------

enum class Numeric : std::size_t {
    DetectionRange,
    WalkAwayDelay,
    WalkUpDelay,
    PowerUpDelay,
    IdleRate,
    WalkAwayKeyDelay,
    WalkUpKeyDelay,
};

struct NumberSetting {
    const char *section; // the profile's section; empty for the top level
    const char *name;    // the profile's member name
    WordOf word;
    Bounds bounds;
    const char *control; // the window's text box
    const char *caption; // its caption as the window shows it
    Page page;
    Check check;
    const char *rangeMessage; // the check's message; %1 and %2 are the bounds
    ResetTo reset;
    Reading compare;
    Reading write;
    const char *showLabel; // ostraval-ctl show
};

//: %1 and %2 are the lowest and the highest value allowed
inline constexpr const char *kValueMessage = QT_TRANSLATE_NOOP("Form1", "The value must be between %1 and %2!");
//: %1 and %2 are the shortest and the longest delay allowed, in seconds
inline constexpr const char *kDelayMessage = QT_TRANSLATE_NOOP("Form1", "Delay must be in the range of %1-%2 seconds!");

inline constexpr std::array<NumberSetting, 7> kNumbers = {{
    {"", "detection_range", [](Configuration &c) -> int16_t & { return c.sonar.MaxDist; }, {14, 60},
     "MaxDist", QT_TRANSLATE_NOOP("Form1", "Detection range (24-42 inches)"), Page::InitialSetup, Check::OnLeaving, kValueMessage,
     ResetTo::Factory, Reading::Strict, Reading::Leading, QT_TRANSLATE_NOOP("ostraval-ctl", "Detection range (inches)")},
    {"", "walk_away_delay", [](Configuration &c) -> int16_t & { return c.sonar.ORDBTm; }, {0, 255},
     "ORDBTm", QT_TRANSLATE_NOOP("Form1", "Walk-Away Delay before sending keystrokes"), Page::InitialSetup, Check::OnLeaving,
     kValueMessage, ResetTo::Zero, Reading::Strict, Reading::Leading, QT_TRANSLATE_NOOP("ostraval-ctl", "Walk-away delay (s)")},
    {"", "walk_up_delay", [](Configuration &c) -> int16_t & { return c.sonar.IRDBTm; }, {0, 255},
     "IRDBTm", QT_TRANSLATE_NOOP("Form1", "Walk-Up Delay before sending keystrokes"), Page::InitialSetup, Check::OnLeaving,
     kValueMessage, ResetTo::Zero, Reading::Strict, Reading::Leading, QT_TRANSLATE_NOOP("ostraval-ctl", "Walk-up delay (s)")},
    {"", "power_up_delay", [](Configuration &c) -> int16_t & { return c.sonar.StartDly; }, {0, 255},
     "StartDly", QT_TRANSLATE_NOOP("Form1", "Power-up Delay "), Page::InitialSetup, Check::OnLeaving, kValueMessage, ResetTo::Zero,
     Reading::Strict, Reading::Leading, QT_TRANSLATE_NOOP("ostraval-ctl", "Power-up delay (s)")},
    {"idle", "rate", [](Configuration &c) -> int16_t & { return c.idle.PressRate; }, {0, 255},
     "PressRate", QT_TRANSLATE_NOOP("Form1", "Keep Alive Rate (0-255)"), Page::About, Check::OnLeaving, kValueMessage,
     ResetTo::Zero, Reading::Strict, Reading::Strict, QT_TRANSLATE_NOOP("ostraval-ctl", "Idle rate")},
    {"walk_away", "key_delay", [](Configuration &c) -> int16_t & { return c.walkAway.InterKeyDelay; },
     {0, 255}, "InterKeyDelay", QT_TRANSLATE_NOOP("Form1", "Key delay"), Page::WalkAway, Check::OnChange, kDelayMessage,
     ResetTo::Zero, Reading::Leading, Reading::Strict, QT_TRANSLATE_NOOP("ostraval-ctl", "Walk-away key delay (s)")},
    {"walk_up", "key_delay", [](Configuration &c) -> int16_t & { return c.walkUp.InterKeyDelay; },
     {0, 255}, "InterKeyDelayUp", QT_TRANSLATE_NOOP("Form1", "Key delay"), Page::WalkUp, Check::OnChange, kDelayMessage,
     ResetTo::Zero, Reading::Leading, Reading::Strict, QT_TRANSLATE_NOOP("ostraval-ctl", "Walk-up key delay (s)")},
}};

constexpr const NumberSetting &setting(Numeric which)
{
    return kNumbers[static_cast<std::size_t>(which)];
}

// Whether a word lies in the record `record` of the configuration: the rows
// of one record, as the device library exchanges it.
template <typename Record>
bool liesIn(WordOf word, Record Configuration::*record)
{
    Configuration probe{};
    const auto at = reinterpret_cast<std::uintptr_t>(&word(probe));
    const auto begin = reinterpret_cast<std::uintptr_t>(&(probe.*record));
    return at >= begin && at < begin + sizeof(Record);
}

// Calls f(row) for each numeric setting that the record holds, in the
// table's order.
template <typename Record, typename F>
void forEachNumberIn(Record Configuration::*record, F f)
{
    for (const NumberSetting &row : kNumbers)
        if (liesIn(row.word, record))
            f(row);
}

// A numeric setting's value in its record.
template <typename Record>
int16_t valueIn(const NumberSetting &row, Record Configuration::*record, const Record &values)
{
    Configuration configuration{};
    configuration.*record = values;
    return row.word(configuration);
}

// A row's place in kNumbers, which tables of controls share.
inline std::size_t indexOf(const NumberSetting &row)
{
    return static_cast<std::size_t>(&row - kNumbers.data());
}

// The value the sensor leaves the factory with.
constexpr int16_t factoryValue(const NumberSetting &row)
{
    Configuration factory = kv3sim::factoryConfiguration();
    return row.word(factory);
}

// The text a checked box is reset to.
constexpr int16_t resetValue(const NumberSetting &row)
{
    return row.reset == ResetTo::Factory ? factoryValue(row) : 0;
}

// --- LED switches -------------------------------------------------------------

// Whether an LED is lit: the inverse of its "switch off" bit of LedFlags,
// which the window's check box holds.
struct LedSetting {
    const char *name; // in the profile's "leds"
    int offBit;
    const char *control;
};

inline constexpr std::array<LedSetting, 3> kLeds = {{
    {"in_range", KV3_LED_NO_IN_RANGE, "bNoShowIRLED"},
    {"out_of_range", KV3_LED_NO_OUT_RANGE, "bNoShowORLED"},
    {"transition", KV3_LED_NO_TRANSITION, "bNoShowXtLED"},
}};

inline constexpr const char *kLedsName = "leds"; // the profile's section

inline constexpr int kLedBits = KV3_LED_NO_IN_RANGE | KV3_LED_NO_OUT_RANGE | KV3_LED_NO_TRANSITION;

// --- Modifiers ------------------------------------------------------------------

enum ModifierBit : int {
    LeftCtrl = 1,
    LeftShift = 2,
    LeftAlt = 4,
    LeftGui = 8,
    RightCtrl = 16,
    RightShift = 32,
    RightAlt = 64,
    RightGui = 128,
};

struct Modifier {
    int bit;          // bit value in the stored modifier mask
    const char *name; // in a profile
};

// In the order of the mask's bits, which is also the order of the window's
// check-box arrays Key1Mods1 ... Key1Mods128.
inline constexpr std::array<Modifier, 8> kModifiers = {{
    {LeftCtrl, "left-ctrl"},
    {LeftShift, "left-shift"},
    {LeftAlt, "left-alt"},
    {LeftGui, "left-gui"},
    {RightCtrl, "right-ctrl"},
    {RightShift, "right-shift"},
    {RightAlt, "right-alt"},
    {RightGui, "right-gui"},
}};

// --- Keystroke slots ------------------------------------------------------------

// The window's keystroke slots: a list, a code text and eight modifier boxes
// each, by slot index (the element index of the modifier check-box arrays).
constexpr int kWalkAwaySlot0 = 0; // walk-away keystrokes 1 to 5: slots 0 to 4
constexpr int kIdleSlot = 5;      // the idle keystroke
constexpr int kWalkUpSlot0 = 6;   // walk-up keystrokes 1 to 5: slots 6 to 10
constexpr int kSixthSlot = 11;    // "Keystroke 6", out of sight
constexpr int kSlotCount = 12;
constexpr int kKeystrokesPerSequence = 5;

struct SlotSetting {
    const char *caption;  // the slot's frame caption, which messages name
    const char *codeText; // the code text's object name
    Page page;
    Reading compare; // how its code text is compared and written
    Reading write;
};

inline constexpr std::array<SlotSetting, kSlotCount> kSlots = {{
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 1"), "Key1Code", Page::WalkAway, Reading::Strict, Reading::Strict},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 2"), "Key2Code", Page::WalkAway, Reading::Strict, Reading::Strict},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 3"), "Key3Code", Page::WalkAway, Reading::Strict, Reading::Strict},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 4"), "Key4Code", Page::WalkAway, Reading::Strict, Reading::Strict},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 5"), "Key5Code", Page::WalkAway, Reading::Strict, Reading::Strict},
    // The idle frame's code text stands hidden on the window.
    {QT_TRANSLATE_NOOP("Form1", "Idle Keystroke"), "Key6Code", Page::About, Reading::Leading, Reading::Strict},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 1"), "Text4(0)", Page::WalkUp, Reading::Strict, Reading::Leading},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 2"), "Text4(1)", Page::WalkUp, Reading::Strict, Reading::Leading},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 3"), "Text4(2)", Page::WalkUp, Reading::Strict, Reading::Leading},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 4"), "Text4(3)", Page::WalkUp, Reading::Strict, Reading::Leading},
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 5"), "Text4(4)", Page::WalkUp, Reading::Strict, Reading::Leading},
    // Out of sight; neither compared nor written.
    {QT_TRANSLATE_NOOP("Form1", "Keystroke 6"), "Text4(5)", Page::WalkUp, Reading::Strict, Reading::Strict},
}};

// --- Keystrokes -------------------------------------------------------------------

// The idle keystroke: "idle.key" in a profile, the idle slot in the window.
struct IdleKeySetting {
    const char *section;
    const char *name;
    int slot;
    Numeric rate;
    const char *showLabel;
};

inline constexpr IdleKeySetting kIdleKey = {"idle", "key", kIdleSlot, Numeric::IdleRate,
                                          QT_TRANSLATE_NOOP("ostraval-ctl", "Idle keystroke")};

// The two keystroke sequences.
struct SequenceSetting {
    const char *section; // in a profile
    WalkParms Configuration::*walk;
    Numeric delay;
    int firstSlot;
    const char *countControl; // the hidden box of the stored key count
    Reading countCompare;
    const char *showLabel;
};

inline constexpr std::array<SequenceSetting, 2> kKeySequences = {{
    {"walk_away", &Configuration::walkAway, Numeric::WalkAwayKeyDelay, kWalkAwaySlot0, "KeyCount",
     Reading::Strict, QT_TRANSLATE_NOOP("ostraval-ctl", "Walk-away keys")},
    {"walk_up", &Configuration::walkUp, Numeric::WalkUpKeyDelay, kWalkUpSlot0, "KeyCountUp",
     Reading::Leading, QT_TRANSLATE_NOOP("ostraval-ctl", "Walk-up keys")},
}};

// A profile's members of a sequence's keys: positions [0] to [4].
inline constexpr const char *kKeysName = "keys";
// The stored key count of a sequence follows its keys; it is named only where
// it disagrees with them, and an assignment may set it to what they say.
inline constexpr const char *kKeyCountName = "key_count";

// --- Reserved words ---------------------------------------------------------------

// The stored words that no named setting holds, carried in a profile's
// "reserved" so that it reproduces the sensor's stored bytes. The LED word's
// other bits are carried apart, as "led_flags".
struct ReservedGroup {
    const char *name;
    int count;
    std::array<WordOf, 5> words;
};

inline constexpr const char *kReservedName = "reserved";
inline constexpr const char *kLedFlagsName = "led_flags";

inline constexpr std::array<ReservedGroup, 4> kReservedGroups = {{
    {"sonar", 3,
     {[](Configuration &c) -> int16_t & { return c.sonar.Reserved1; },
      [](Configuration &c) -> int16_t & { return c.sonar.Reserved2; },
      [](Configuration &c) -> int16_t & { return c.sonar.Reserved3; }}},
    {"idle", 5,
     {[](Configuration &c) -> int16_t & { return c.idle.Reserved0; },
      [](Configuration &c) -> int16_t & { return c.idle.Reserved4; },
      [](Configuration &c) -> int16_t & { return c.idle.Reserved5; },
      [](Configuration &c) -> int16_t & { return c.idle.Reserved6; },
      [](Configuration &c) -> int16_t & { return c.idle.Reserved7; }}},
    // The sixth keystroke (mask, code) and the two reserved words.
    {"walk_away", 4,
     {[](Configuration &c) -> int16_t & { return c.walkAway.KeyMods[5]; },
      [](Configuration &c) -> int16_t & { return c.walkAway.Reserved8; },
      [](Configuration &c) -> int16_t & { return c.walkAway.Reserved9; },
      [](Configuration &c) -> int16_t & { return c.walkAway.KeyCode[5]; }}},
    {"walk_up", 4,
     {[](Configuration &c) -> int16_t & { return c.walkUp.KeyMods[5]; },
      [](Configuration &c) -> int16_t & { return c.walkUp.Reserved8; },
      [](Configuration &c) -> int16_t & { return c.walkUp.Reserved9; },
      [](Configuration &c) -> int16_t & { return c.walkUp.KeyCode[5]; }}},
}};

} // namespace config
