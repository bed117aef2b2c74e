// Change detection: does the window differ from what the sensor holds now?
#pragma once

#include "formcontrols.h"

namespace config {

// Reads the sensor's configuration afresh
// (exchange::window::readForComparison), compares every configuration value
// with the window, and checks "Config Changed" exactly when something
// differs.
// Inert while the first reading is still under way. The live range read-out
// is a measurement, not configuration, and is not compared.
void checkUpdate(const FormControls &controls, FormState &state, const ErrorReporter &report);

} // namespace config
