// Profiles: the sensor's configuration as a JSON document that people read
// and edit, and back.
//
// A profile may leave out any field or section; what it leaves out keeps the
// sensor's current value. Everything else that is not a valid profile is
// refused as a whole, with one message per fault naming the field path, the
// value and what is allowed.
#pragma once

#include "records.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

namespace profile {

inline constexpr int kVersion = 1;
QString formatName(); // "ostraval-profile"

enum class KeyList {
    Trimmed, // trailing empty positions left out, for people
    Full,    // all five positions
};

// The records as a profile. A value outside the field bounds, or a key count
// that does not agree with its keys, is exported as it stands and named in
// one line each on `warnings`.
QJsonObject profileOf(const Records &records, QStringList *warnings = nullptr,
                      KeyList keys = KeyList::Trimmed);

// The profile as UTF-8 JSON text, indented.
QByteArray profileText(const QJsonObject &profile);

// Reads JSON text that must hold an object; the refusals, or none.
QStringList parseProfile(const QByteArray &text, QJsonObject &profile);

enum class Header {
    Required, // a file: "format" and "version" must be there and be this program's
    None,     // fields alone, as the command line gives them
};

// Lays the profile over `records`, which hold the sensor's current values.
// On any refusal `records` is left as it was and every refusal is returned.
QStringList applyProfile(const QJsonObject &profile, Records &records,
                         Header header = Header::Required);

// One field whose value differs between two configurations.
struct Difference {
    QString field; // profile path, for example "walk_away.keys[1]"
    QJsonValue from;
    QJsonValue to;
};

// The fields that differ, in the order of the profile.
QList<Difference> differences(const Records &from, const Records &to);
// "walk_away_delay: 5 -> 10"
QString differenceLine(const Difference &difference);
// A field value for people: keystrokes by name, other values as JSON.
QString valueText(const QJsonValue &value);

// Every field path that can be asked for, in the order of the profile.
QStringList fieldPaths();

// The value at a path such as "walk_away.keys[0].mods" in a profile; an
// undefined value when the path names nothing.
QJsonValue valueAt(const QJsonObject &profile, const QString &path);

// Adds one FIELD=VALUE assignment to a partial profile. VALUE is read as
// JSON when it is JSON and as text otherwise (a key name always as text, a
// modifier list also as comma-separated names). A field inside a list or a
// keystroke starts from the sensor's current value in `current` (a full
// profile), so that the rest of it stays. Returns why the assignment cannot
// be read, or an empty text.
QString addAssignment(QJsonObject &partial, const QJsonObject &current, const QString &assignment);

} // namespace profile
