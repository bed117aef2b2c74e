#include "masks.h"

#include "kv3rapi.h"

#include <QCheckBox>

namespace config {

int modifierMask(const KeystrokeSlot &slot)
{
    int mask = 0;
    for (std::size_t i = 0; i < kModifiers.size(); ++i)
        if (slot.mods[i]->isChecked())
            mask += kModifiers[i].bit;
    return mask;
}

void showModifierMask(const KeystrokeSlot &slot, int mask)
{
    for (std::size_t i = 0; i < kModifiers.size(); ++i)
        slot.mods[i]->setChecked((mask & kModifiers[i].bit) != 0);
}

int ledMask(const FormControls &controls)
{
    return (controls.bNoShowIRLED->isChecked() ? KV3_LED_NO_IN_RANGE : 0) +
           (controls.bNoShowORLED->isChecked() ? KV3_LED_NO_OUT_RANGE : 0) +
           (controls.bNoShowXtLED->isChecked() ? KV3_LED_NO_TRANSITION : 0);
}

void showLedFlags(const FormControls &controls, int ledFlags)
{
    controls.bNoShowORLED->setChecked((ledFlags & KV3_LED_NO_OUT_RANGE) != 0);
    controls.bNoShowXtLED->setChecked((ledFlags & KV3_LED_NO_TRANSITION) != 0);
    controls.bNoShowIRLED->setChecked((ledFlags & KV3_LED_NO_IN_RANGE) != 0);
}

} // namespace config
