// Writing the window's configuration to the sensor.
#pragma once

#include "formcontrols.h"

#include <QString>

#include <optional>

namespace config {

// A control whose text a write cannot turn into a number.
struct UnreadableField {
    QString control; // the control's name, for example "InterKeyDelay"
    QString caption; // what the user sees beside it, for example "Key delay"
    QString page;    // the tab page it stands on, for example "Walk-Away Keystrokes"
    QString text;    // the text that could not be read
    // The caption and the page as the settings table holds them, which the
    // window translates.
    const char *captionSource = nullptr;
    const char *pageSource = nullptr;
};

// Packs the controls into the four records and has the exchange send and
// commit them in the window's order (exchange::window::write), each failed
// call reported through `report`. DeviceUpdated is set and "Config
// Changed" cleared when every step succeeded; otherwise DeviceUpdated is
// cleared and "Config Changed" checked.
// The KeyCount and KeyCountUp boxes are set to the counts sent.
//
// When a text cannot be read, nothing at all is sent and the first such
// field is returned.
std::optional<UnreadableField> writeConfig(const FormControls &controls, FormState &state,
                                           const ErrorReporter &report);

} // namespace config
