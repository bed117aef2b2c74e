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
    int mask = 0;
    for (const LedSetting &led : kLeds)
        if (controls.led(led)->isChecked())
            mask += led.offBit;
    return mask;
}

void showLedFlags(const FormControls &controls, int ledFlags)
{
    // In the order of the boxes on the page; each box's handler runs as it
    // changes.
    for (const int offBit : {KV3_LED_NO_OUT_RANGE, KV3_LED_NO_TRANSITION, KV3_LED_NO_IN_RANGE})
        for (const LedSetting &led : kLeds)
            if (led.offBit == offBit)
                controls.led(led)->setChecked((ledFlags & offBit) != 0);
}

} // namespace config
