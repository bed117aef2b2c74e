// Profiles: the sensor's configuration as a JSON document that people read
// and edit, and back.
//
// A profile may leave out any field or section; what it leaves out keeps the
// sensor's current value. Everything else that is not a valid profile is
// refused as a whole, with one refusal per fault naming the field path, the
// value and what is allowed.
#pragma once

#include "catalogues.h"
#include "records.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

namespace profile {

inline constexpr int kVersion = 1;
QString formatName(); // "ostraval-profile"

enum class Layout {
    Export,   // as a file holds it: trailing empty key positions left out
    Full,     // all five key positions
    Detailed, // all five key positions, each keystroke with its code and its
              // name, and each sequence's stored key count: for reading one part
};

// The records as a profile. A keystroke carries its key's "name" where that
// name belongs to its code alone, and its "code" otherwise. A value outside
// the field bounds, or a key count that does not agree with its keys, is
// exported as it stands and named in one line each on `warnings`.
QJsonObject profileOf(const Records &records, QStringList *warnings = nullptr,
                      Layout layout = Layout::Export);
// The same with each warning in English for JSON answers and translated for
// people.
QJsonObject profileOf(const Records &records, QList<i18n::Message> &warnings,
                      Layout layout = Layout::Export);

// The profile as UTF-8 JSON text, indented.
QByteArray profileText(const QJsonObject &profile);

// One fault of a profile or an assignment. Text from the input is made
// readable (control characters escaped, long text cut).
struct Refusal {
    QString path;      // where: "walk_away.keys[1].name"; empty for the whole text
    QJsonValue value;  // what is there; undefined when it is missing
    QString allowed;   // what is allowed there, in English
    QString message;   // the line that names all three, in English (JSON answers)
    QString shown;     // that line in the user's language (standard error)
};
// Faults of one input listed in full; the rest are only counted.
inline constexpr qsizetype kListedRefusals = 20;

// The faults of one input: the first kListedRefusals built in full, the rest
// only counted, so that refusing a text costs no more than reading it.
class Refusals {
public:
    Refusals() = default;
    Refusals(std::initializer_list<Refusal> refusals);

    bool isEmpty() const { return total_ == 0; }
    // Every fault, listed or only counted.
    qsizetype total() const { return total_; }
    const QList<Refusal> &listed() const { return listed_; }
    // Whether another fault would be listed: build its refusal only then.
    bool listsMore() const { return listed_.size() < kListedRefusals; }

    // Lists the refusal while there is room; counts it always.
    void add(const Refusal &refusal);
    // Counts faults that are not listed.
    void addUnlisted(qsizetype count = 1);

    QList<Refusal>::iterator begin() { return listed_.begin(); }
    QList<Refusal>::iterator end() { return listed_.end(); }
    QList<Refusal>::const_iterator begin() const { return listed_.begin(); }
    QList<Refusal>::const_iterator end() const { return listed_.end(); }

private:
    QList<Refusal> listed_;
    qsizetype total_ = 0;
};

// The listed refusals' messages, in English.
QStringList messagesOf(const Refusals &refusals);

// Reads JSON text that must hold an object, each member named once per
// object; the refusals, or none. A fault in the text is placed by line and
// column.
Refusals parseProfile(const QByteArray &text, QJsonObject &profile);

enum class Header {
    Required, // a file: "format" and "version" must be there and be this program's
    None,     // fields alone, as the command line gives them
};

// Lays the profile over `records`, which hold the sensor's current values.
// On any refusal `records` is left as it was and every refusal is returned.
Refusals applyProfile(const QJsonObject &profile, Records &records, Header header = Header::Required);

// One field whose value differs between two configurations.
struct Difference {
    QString path; // profile path, for example "walk_away.keys[1]"
    QJsonValue before;
    QJsonValue after;
};

// The fields that differ, in the order of the profile.
QList<Difference> differences(const Records &before, const Records &after);
// "walk_away_delay: 5 -> 10"
QString differenceLine(const Difference &difference);
// A field value for people: keystrokes by name, other values as JSON.
QString valueText(const QJsonValue &value);

// Every field path that can be asked for, in the order of the profile.
QStringList fieldPaths();
// The members a profile holds in a section ("leds", "reserved"; empty: the
// top level, without its header), in the order of the profile.
QStringList membersOf(const QString &section);

// The value at a path such as "walk_away.keys[0].mods" in a profile; an
// undefined value when the path names nothing.
QJsonValue valueAt(const QJsonObject &profile, const QString &path);

// Adds one FIELD=VALUE assignment to a partial profile. VALUE is read as
// JSON when it is JSON and as text otherwise: a key name always as text, a
// modifier list also as comma-separated names, a keystroke also as
// valueText() writes it ("left-ctrl+DELETE (76)", "none"), an empty key list
// also as "none" and an LED also as "on" or "off". A field inside a list or a keystroke starts from the
// sensor's current value in `current` (a full profile), so that the rest of
// it stays. Returns why the assignment cannot be read.
std::optional<Refusal> addAssignment(QJsonObject &partial, const QJsonObject &current,
                                     const QString &assignment);

} // namespace profile
