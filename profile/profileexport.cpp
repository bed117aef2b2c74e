// Records to profile, and comparing two configurations field by field.
#include "profile.h"

#include "keycount.h"
#include "keystroke.h"
#include "readable.h"
#include "settings.h"

#include <QJsonArray>

#include <algorithm>

namespace profile {

namespace {

QJsonObject sectionOf(const QJsonObject &profile, const char *section)
{
    return profile.value(QLatin1String(section)).toObject();
}

void putInSection(QJsonObject &profile, const char *section, const char *name, const QJsonValue &value)
{
    if (*section == '\0') {
        profile[QLatin1String(name)] = value;
        return;
    }
    QJsonObject object = sectionOf(profile, section);
    object[QLatin1String(name)] = value;
    profile[QLatin1String(section)] = object;
}

QString fieldPath(const char *section, const char *name)
{
    return *section == '\0' ? QString::fromLatin1(name)
                            : QStringLiteral("%1.%2").arg(QLatin1String(section), QLatin1String(name));
}

using Warnings = QList<i18n::Message>;

// Adds the warning that `build` makes when the condition holds and warnings
// are asked for; no text is made otherwise.
template <typename Build>
void warnIf(Warnings *warnings, bool condition, const Build &build)
{
    if (warnings && condition)
        warnings->append(build());
}

bool isKeystrokeByte(int value)
{
    return value >= 0 && value <= 0xFF;
}

KeystrokeForm formOf(Layout layout)
{
    return layout == Layout::Detailed ? KeystrokeForm::Detailed : KeystrokeForm::Profile;
}

QJsonValue keystrokeExported(int code, int mods, const QString &path, Warnings *warnings, Layout layout)
{
    warnIf(warnings, !isKeystrokeByte(code), [&] {
        //: %1 is the keystroke's field path, %2 the stored key code
        return message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: the sensor holds key code %2, outside 0 to 255"))
            .args(path, QString::number(code));
    });
    warnIf(warnings, !isKeystrokeByte(mods), [&] {
        //: %1 is the keystroke's field path, %2 the stored modifier mask
        return message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: the sensor holds modifier mask %2, outside 0 to 255"))
            .args(path, QString::number(mods));
    });
    return keystrokeValue(code, mods, formOf(layout));
}

QJsonArray keysOf(const WalkParms &walk, const char *section, Warnings *warnings, Layout layout)
{
    QJsonArray keys;
    for (int i = 0; i < config::kKeystrokesPerSequence; ++i)
        keys << keystrokeExported(walk.KeyCode[i], walk.KeyMods[i],
                                  QStringLiteral("%1.keys[%2]").arg(QLatin1String(section)).arg(i), warnings, layout);
    while (layout == Layout::Export && !keys.isEmpty() && keys.last().isNull())
        keys.removeLast();
    return keys;
}

QJsonValue storedWord(int16_t word)
{
    return static_cast<int>(static_cast<uint16_t>(word));
}

QJsonObject reservedOf(Records records)
{
    QJsonObject reserved;
    reserved[QLatin1String(config::kLedFlagsName)] = storedWord(static_cast<int16_t>(records.sonar.LedFlags & ~config::kLedBits));
    for (const config::ReservedGroup &group : config::kReservedGroups) {
        QJsonArray words;
        for (int i = 0; i < group.count; ++i)
            words << storedWord(group.words[i](records));
        reserved[QLatin1String(group.name)] = words;
    }
    return reserved;
}

} // namespace

QString formatName()
{
    return QStringLiteral("ostraval-profile");
}

namespace {

// The profile, with its warnings on `warnings` when it is given.
QJsonObject exportedProfile(const Records &source, Warnings *warnings, Layout layout)
{
    Records records = source;
    QJsonObject profile{{QStringLiteral("format"), formatName()}, {QStringLiteral("version"), kVersion}};

    for (const config::NumberSetting &field : config::kNumbers) {
        const int value = field.word(records);
        const config::Bounds bounds = field.bounds;
        warnIf(warnings, !field.bounds.holds(value), [&] {
            //: %1 is the field path, %2 the stored value, %3 to %4 the field's bounds
            return message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                             "%1: the sensor holds %2, outside %3 to %4; mend it before the profile is imported"))
                .args(fieldPath(field.section, field.name), QString::number(value), QString::number(bounds.lower),
                      QString::number(bounds.upper));
        });
        putInSection(profile, field.section, field.name, value);
    }

    for (const config::LedSetting &led : config::kLeds)
        putInSection(profile, config::kLedsName, led.name, (records.sonar.LedFlags & led.offBit) == 0);

    putInSection(profile, config::kIdleKey.section, config::kIdleKey.name,
                 keystrokeExported(records.idle.KeyCode, records.idle.KeyMods,
                                   fieldPath(config::kIdleKey.section, config::kIdleKey.name), warnings, layout));

    for (const config::SequenceSetting &sequence : config::kKeySequences) {
        const WalkParms &walk = records.*sequence.walk;
        putInSection(profile, sequence.section, config::kKeysName, keysOf(walk, sequence.section, warnings, layout));
        if (layout == Layout::Detailed)
            putInSection(profile, sequence.section, config::kKeyCountName, walk.KeyCount);
        warnIf(warnings, walk.KeyCount != config::keystrokesInUse(walk), [&] {
            //: %1 is the key sequence's section, %2 its stored key count, %n the keystrokes it holds
            return message(QT_TRANSLATE_N_NOOP("ostraval-ctl",
                                               "%1: the sensor's key count %2 does not agree with its %n keys; an import stores %n"),
                           config::keystrokesInUse(walk))
                .args(QString::fromLatin1(sequence.section), QString::number(walk.KeyCount));
        });
    }

    profile[QLatin1String(config::kReservedName)] = reservedOf(records);
    return profile;
}

} // namespace

QJsonObject profileOf(const Records &records, Warnings &warnings, Layout layout)
{
    return exportedProfile(records, &warnings, layout);
}

QJsonObject profileOf(const Records &records, QStringList *warnings, Layout layout)
{
    if (!warnings)
        return exportedProfile(records, nullptr, layout);
    Warnings both;
    const QJsonObject profile = exportedProfile(records, &both, layout);
    for (const i18n::Message &warning : both)
        warnings->append(warning.english());
    return profile;
}

namespace {

// Members in the order people read a profile: the header, the members of
// every field path in the order of the paths, and a keystroke's; others
// follow alphabetically.
const QStringList &memberOrder()
{
    static const QStringList kOrder = [] {
        QStringList order = {QStringLiteral("format"), QStringLiteral("version")};
        for (const QString &path : fieldPaths())
            for (const QString &step : path.split(QLatin1Char('.')))
                if (const QString member = step.section(QLatin1Char('['), 0, 0); !order.contains(member))
                    order << member;
        return order + QStringList{QStringLiteral("code"), QStringLiteral("name"), QStringLiteral("mods")};
    }();
    return kOrder;
}

QStringList orderedMembers(const QJsonObject &object)
{
    QStringList keys = object.keys();
    std::stable_sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) {
        const auto rank = [](const QString &key) {
            const qsizetype at = memberOrder().indexOf(key);
            return at < 0 ? memberOrder().size() : at;
        };
        return rank(a) < rank(b);
    });
    return keys;
}

QByteArray scalarText(const QJsonValue &value)
{
    return compactJson(value).toUtf8();
}

constexpr qsizetype kInlineWidth = 72;

QByteArray inlineText(const QJsonValue &value)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QByteArrayList members;
        for (const QString &key : orderedMembers(object))
            members << scalarText(key) + ": " + inlineText(object.value(key));
        return members.isEmpty() ? QByteArray("{}") : "{ " + members.join(", ") + " }";
    }
    if (value.isArray()) {
        QByteArrayList items;
        for (const QJsonValue &item : value.toArray())
            items << inlineText(item);
        return "[" + items.join(", ") + "]";
    }
    return scalarText(value);
}

// Short containers stand on one line, except a list of keystrokes, which
// shows one keystroke per line.
bool fitsOnOneLine(const QJsonValue &value)
{
    if (value.isArray()) {
        const QJsonArray list = value.toArray();
        if (std::any_of(list.begin(), list.end(), [](const QJsonValue &item) { return item.isObject(); }))
            return false;
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (!std::all_of(object.begin(), object.end(), [](const QJsonValue &member) { return fitsOnOneLine(member); }))
            return false;
    }
    return inlineText(value).size() <= kInlineWidth;
}

void writeValue(QByteArray &out, const QJsonValue &value, int depth)
{
    if (fitsOnOneLine(value) && depth > 0) {
        out += inlineText(value);
        return;
    }
    const QByteArray indent(4 * (depth + 1), ' ');
    QByteArrayList lines;
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (const QString &key : orderedMembers(object)) {
            QByteArray line = indent + scalarText(key) + ": ";
            writeValue(line, object.value(key), depth + 1);
            lines << line;
        }
    } else {
        for (const QJsonValue &item : value.toArray()) {
            QByteArray line = indent;
            writeValue(line, item, depth + 1);
            lines << line;
        }
    }
    const char *brackets = value.isObject() ? "{}" : "[]";
    out += brackets[0] + QByteArray("\n") + lines.join(",\n") + "\n" + QByteArray(4 * depth, ' ') + brackets[1];
}

} // namespace

QByteArray profileText(const QJsonObject &profile)
{
    QByteArray text;
    writeValue(text, profile, 0);
    return text + '\n';
}

QStringList fieldPaths()
{
    QStringList paths;
    const auto numbersIn = [&paths](const char *section) {
        for (const config::NumberSetting &field : config::kNumbers)
            if (qstrcmp(field.section, section) == 0)
                paths << fieldPath(field.section, field.name);
    };
    numbersIn("");
    for (const config::LedSetting &led : config::kLeds)
        paths << fieldPath(config::kLedsName, led.name);
    numbersIn(config::kIdleKey.section);
    paths << fieldPath(config::kIdleKey.section, config::kIdleKey.name);
    for (const config::SequenceSetting &sequence : config::kKeySequences) {
        numbersIn(sequence.section);
        for (int i = 0; i < config::kKeystrokesPerSequence; ++i)
            paths << QStringLiteral("%1.%2[%3]")
                         .arg(QLatin1String(sequence.section), QLatin1String(config::kKeysName))
                         .arg(i);
    }
    paths << fieldPath(config::kReservedName, config::kLedFlagsName);
    for (const config::ReservedGroup &group : config::kReservedGroups)
        paths << fieldPath(config::kReservedName, group.name);
    return paths;
}

QStringList membersOf(const QString &section)
{
    QStringList members;
    for (const QString &path : fieldPaths()) {
        QStringList steps = path.section(QLatin1Char('['), 0, 0).split(QLatin1Char('.'));
        if (!section.isEmpty() && (steps.size() < 2 || steps.takeFirst() != section))
            continue;
        if (!members.contains(steps.first()))
            members << steps.first();
    }
    return members;
}

QJsonValue valueAt(const QJsonObject &profile, const QString &path)
{
    QJsonValue node = profile;
    for (const QString &step : path.split(QLatin1Char('.'))) {
        // A step is a name followed by any number of [index].
        const qsizetype bracket = step.indexOf(QLatin1Char('['));
        node = node.toObject().value(step.left(bracket));
        if (step.isEmpty() || bracket == 0 || node.isUndefined())
            return QJsonValue::Undefined;
        for (qsizetype at = bracket; at >= 0 && at < step.size();) {
            const qsizetype close = step.indexOf(QLatin1Char(']'), at);
            bool isIndex = false;
            const int index = close < 0 ? -1 : step.mid(at + 1, close - at - 1).toInt(&isIndex);
            if (!isIndex || index < 0 || !node.isArray() || index >= node.toArray().size() ||
                (close + 1 < step.size() && step[close + 1] != QLatin1Char('[')))
                return QJsonValue::Undefined;
            node = node.toArray().at(index);
            at = close + 1;
        }
    }
    return node;
}

QList<Difference> differences(const Records &from, const Records &to)
{
    const QJsonObject before = profileOf(from, nullptr, Layout::Full);
    const QJsonObject after = profileOf(to, nullptr, Layout::Full);
    QList<Difference> found;
    for (const QString &path : fieldPaths()) {
        const QJsonValue a = valueAt(before, path);
        const QJsonValue b = valueAt(after, path);
        if (a != b)
            found.append({path, a, b});
    }
    // The stored count follows the keys; it is named only when it changes
    // alone, which mends a count that did not agree with its keys.
    for (const config::SequenceSetting &sequence : config::kKeySequences) {
        const int16_t a = (from.*sequence.walk).KeyCount;
        const int16_t b = (to.*sequence.walk).KeyCount;
        const QString keys = fieldPath(sequence.section, config::kKeysName);
        const bool keysDiffer = std::any_of(found.begin(), found.end(),
                                            [&keys](const Difference &d) { return d.path.startsWith(keys); });
        if (a != b && !keysDiffer)
            found.append({fieldPath(sequence.section, config::kKeyCountName), a, b});
    }
    return found;
}

QString valueText(const QJsonValue &value)
{
    if (value.isNull() || isKeystroke(value))
        return keystrokeText(value);
    return compactJson(value);
}

QString differenceLine(const Difference &difference)
{
    return QStringLiteral("%1: %2 -> %3").arg(difference.path, valueText(difference.before), valueText(difference.after));
}

} // namespace profile
