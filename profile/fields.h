// Where each part of a profile lives in the records. Export, import and the
// comparison all read these tables, so a field is described once.
#pragma once

#include "fieldbounds.h"
#include "records.h"

#include <array>
#include <cstdint>

namespace profile::detail {

using WordOf = int16_t &(*)(Records &);

// A whole number held to the window's field bounds. An empty section means
// the top level of the profile.
struct NumberField {
    const char *section;
    const char *name;
    config::BoundedField bounds;
    WordOf word;
};

inline constexpr std::array<NumberField, 7> kNumberFields = {{
    {"", "detection_range", config::BoundedField::MaxDist, [](Records &r) -> int16_t & { return r.sonar.MaxDist; }},
    {"", "walk_away_delay", config::BoundedField::ORDBTm, [](Records &r) -> int16_t & { return r.sonar.ORDBTm; }},
    {"", "walk_up_delay", config::BoundedField::IRDBTm, [](Records &r) -> int16_t & { return r.sonar.IRDBTm; }},
    {"", "power_up_delay", config::BoundedField::StartDly, [](Records &r) -> int16_t & { return r.sonar.StartDly; }},
    {"idle", "rate", config::BoundedField::PressRate, [](Records &r) -> int16_t & { return r.idle.PressRate; }},
    {"walk_away", "key_delay", config::BoundedField::InterKeyDelay,
     [](Records &r) -> int16_t & { return r.walkAway.InterKeyDelay; }},
    {"walk_up", "key_delay", config::BoundedField::InterKeyDelayUp,
     [](Records &r) -> int16_t & { return r.walkUp.InterKeyDelay; }},
}};

// Whether each LED is lit: the inverse of its "switch off" bit.
struct LedField {
    const char *name;
    int offBit;
};

inline constexpr std::array<LedField, 3> kLedFields = {{
    {"in_range", KV3_LED_NO_IN_RANGE},
    {"out_of_range", KV3_LED_NO_OUT_RANGE},
    {"transition", KV3_LED_NO_TRANSITION},
}};

inline constexpr int kLedBits = KV3_LED_NO_IN_RANGE | KV3_LED_NO_OUT_RANGE | KV3_LED_NO_TRANSITION;

// The two keystroke sequences.
struct Sequence {
    const char *section;
    WalkParms Records::*walk;
};

inline constexpr std::array<Sequence, 2> kSequences = {{
    {"walk_away", &Records::walkAway},
    {"walk_up", &Records::walkUp},
}};

inline constexpr int kProfileKeys = 5; // positions [0] to [4] of a sequence

// The stored key count of a sequence follows its keys; it is named only where
// it disagrees with them, and an assignment may set it to what they say.
inline constexpr const char *kKeyCountName = "key_count";

// The stored words that no named field holds, carried in "reserved" so that a
// profile reproduces the sensor's stored bytes. (The LED word's other bits
// are carried apart, as "led_flags".)
struct ReservedGroup {
    const char *name;
    int count;
    std::array<WordOf, 5> words;
};

inline constexpr std::array<ReservedGroup, 4> kReservedGroups = {{
    {"sonar", 3,
     {[](Records &r) -> int16_t & { return r.sonar.Reserved1; },
      [](Records &r) -> int16_t & { return r.sonar.Reserved2; },
      [](Records &r) -> int16_t & { return r.sonar.Reserved3; }}},
    {"idle", 5,
     {[](Records &r) -> int16_t & { return r.idle.Reserved0; },
      [](Records &r) -> int16_t & { return r.idle.Reserved4; },
      [](Records &r) -> int16_t & { return r.idle.Reserved5; },
      [](Records &r) -> int16_t & { return r.idle.Reserved6; },
      [](Records &r) -> int16_t & { return r.idle.Reserved7; }}},
    // The sixth keystroke (mask, code) and the two reserved words.
    {"walk_away", 4,
     {[](Records &r) -> int16_t & { return r.walkAway.KeyMods[5]; },
      [](Records &r) -> int16_t & { return r.walkAway.Reserved8; },
      [](Records &r) -> int16_t & { return r.walkAway.Reserved9; },
      [](Records &r) -> int16_t & { return r.walkAway.KeyCode[5]; }}},
    {"walk_up", 4,
     {[](Records &r) -> int16_t & { return r.walkUp.KeyMods[5]; },
      [](Records &r) -> int16_t & { return r.walkUp.Reserved8; },
      [](Records &r) -> int16_t & { return r.walkUp.Reserved9; },
      [](Records &r) -> int16_t & { return r.walkUp.KeyCode[5]; }}},
}};

inline constexpr const char *kLedFlagsName = "led_flags";

} // namespace profile::detail
