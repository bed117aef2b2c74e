// Modifier masks and LED switches as the window's check boxes hold them.
#pragma once

#include "formcontrols.h"

namespace config {

// The sum of the bit values of the slot's checked modifier boxes.
int modifierMask(const KeystrokeSlot &slot);
// Checks each modifier box of the slot whose bit is set in `mask`, clears the others.
void showModifierMask(const KeystrokeSlot &slot, int mask);

// bNoShowIRLED x 1 + bNoShowORLED x 2 + bNoShowXtLED x 4; other bits are zero.
int ledMask(const FormControls &controls);
// The LED boxes from LedFlags, in the order Out-of-Range, Transition, In-Range.
void showLedFlags(const FormControls &controls, int ledFlags);

} // namespace config
