// Reading the sensor's configuration and range state into the window.
#pragma once

#include "formcontrols.h"

#include "kv3rapi.h"

namespace config {

// Fetches the five records in the window's start-up order
// (exchange::window::read) and puts every field the window shows into its
// control, each record right after it arrives. A failed call is reported and
// reading goes on with the record as the library left it. Selections and
// check boxes set here run the controls' own handlers. Clears FirstLoad at
// the end.
void readConfig(const FormControls &controls, FormState &state, const ErrorReporter &report);

// The four words of a range read-out, as decimal text, into wCurrRange and
// the three hidden flag boxes.
void showRange(const FormControls &controls, const ObjRangeInfo &range);

} // namespace config
