// The bounds (both valid) that the window's field checks hold the numeric
// settings to. Every program that edits the sensor's settings checks them
// against this one table.
#pragma once

#include <array>
#include <cstddef>

namespace config {

enum class BoundedField : std::size_t {
    MaxDist,         // detection range, inches
    ORDBTm,          // walk-away delay, seconds
    IRDBTm,          // walk-up delay, seconds
    StartDly,        // power-up delay, seconds
    PressRate,       // keep-alive rate of the idle keystroke
    InterKeyDelay,   // walk-away key delay, seconds
    InterKeyDelayUp, // walk-up key delay, seconds
};

struct FieldBounds {
    int lower;
    int upper;
};

inline constexpr std::array<FieldBounds, 7> kFieldBounds = {{
    {14, 60}, // MaxDist
    {0, 255}, // ORDBTm
    {0, 255}, // IRDBTm
    {0, 255}, // StartDly
    {0, 255}, // PressRate
    {0, 255}, // InterKeyDelay
    {0, 255}, // InterKeyDelayUp
}};

constexpr FieldBounds boundsOf(BoundedField field)
{
    return kFieldBounds[static_cast<std::size_t>(field)];
}

constexpr bool withinBounds(BoundedField field, double value)
{
    return value >= boundsOf(field).lower && value <= boundsOf(field).upper;
}

} // namespace config
