// Keystrokes in a profile: key names from the key table and modifier names.
#pragma once

#include <QJsonValue>
#include <QList>
#include <QString>


namespace profile {

// The bit of a modifier name (config::kModifiers); 0 for a name that is none.
int modifierBit(const QString &name);
// "left-ctrl, left-shift, ..." for messages.
QString modifierNames();

// The key table's name for a code (the first row carrying it); empty when no
// row carries it.
QString keyName(int code);
// The codes of every row named exactly `name`.
QList<int> codesNamed(const QString &name);
// The name of a code when that name belongs to no other code; empty otherwise
// ("(" and ")" each name two codes).
QString uniqueKeyName(int code);

enum class KeystrokeForm {
    Profile,  // the key by its "name" where the name is the code's alone, by its "code" otherwise
    Detailed, // the key's "code", and its "name" where a row carries one
};

// A keystroke as a profile holds it: {"name" or "code", "mods"}, or null when
// it has neither a key code nor a modifier. A mask with bits beyond the eight
// modifiers is kept as its number, so that it is seen and not lost.
QJsonValue keystrokeValue(int code, int mods, KeystrokeForm form = KeystrokeForm::Profile);
// Whether a value is shaped as a keystroke (an object with a key or modifiers).
bool isKeystroke(const QJsonValue &value);
// A keystroke for people: "left-ctrl+left-alt+DELETE (76)", "code 50", or "none".
QString keystrokeText(const QJsonValue &keystroke);
// A keystroke read from the text keystrokeText() writes: the modifiers, then
// the key's name, its code in brackets, or both. The profile's checks judge
// what it names.
QJsonValue keystrokeFromText(const QString &text);

} // namespace profile
