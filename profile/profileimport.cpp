// Profile to records: every value is checked before any is used.
#include "profile.h"

#include "jsontext.h"
#include "keycount.h"
#include "keystroke.h"
#include "readable.h"
#include "settings.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <initializer_list>
#include <optional>

namespace profile {

using namespace detail;

namespace {

// A list position among the steps of a path: "[1]".
bool isPosition(const QString &step)
{
    return step.size() > 2 && step.front() == QLatin1Char('[') && step.back() == QLatin1Char(']') &&
           std::all_of(step.cbegin() + 1, step.cend() - 1, [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// A path for people: "walk_away.keys[1].name", made readable as a whole.
QString joined(const QStringList &path)
{
    QString text;
    for (const QString &step : path) {
        if (!text.isEmpty() && !isPosition(step))
            text += QLatin1Char('.');
        text += step;
    }
    return readable(text);
}

using i18n::Message;

// A refusal at a path already joined.
Refusal refusalAt(const QString &where, const QJsonValue &value, const Message &allowed, const Message &why)
{
    return Refusal{where, value.isUndefined() ? value : briefValue(value), allowed.english(), why.english(),
                   why.shown()};
}

Refusal refusalOf(const QStringList &path, const QJsonValue &value, const Message &allowed, const Message &why)
{
    return refusalAt(joined(path), value, allowed, why);
}

// What is allowed, given as it is or made by a function only when the
// refusal is listed.
template <typename Allowed>
Message allowedText(const Allowed &allowed)
{
    if constexpr (std::is_invocable_v<Allowed>)
        return allowed();
    else
        return allowed;
}

// A list of numbers joined for people: "166 and 175" with `pair` "%1 and
// %2", "166 or 175" with "%1 or %2".
Message listed(const QList<int> &numbers, const char *pair)
{
    Message text = Message::verbatim(QString::number(numbers.value(0)));
    for (qsizetype i = 1; i < numbers.size(); ++i)
        text = message(pair).args(text, Message::verbatim(QString::number(numbers[i])));
    return text;
}

QString quoted(const QString &text)
{
    return readableJson(text);
}

// Lays a profile over records, collecting every refusal.
class Importer {
public:
    explicit Importer(Records records) : records_(records) {}

    void apply(const QJsonObject &profile, Header header)
    {
        header_ = header;
        QStringList allowed = membersOf(QString());
        if (header == Header::Required) {
            checkHeader(profile);
            allowed.prepend(QStringLiteral("version"));
            allowed.prepend(QStringLiteral("format"));
            allowed.append(QStringLiteral("$schema")); // names the schema for editors; not read
        }
        checkMembers(profile, {}, allowed);
        applyNumbers(profile);
        applyLeds(profile);
        applyIdleKey(profile);
        for (const config::SequenceSetting &sequence : config::kKeySequences)
            applyKeys(profile, sequence);
        applyReserved(profile);
    }

    const Records &records() const { return records_; }
    const Refusals &refusals() const { return refusals_; }

private:
    // A refusal is built only while it is listed; beyond that it is counted.
    template <typename Build>
    void add(const Build &build)
    {
        if (refusals_.listsMore())
            refusals_.add(build());
        else
            refusals_.addUnlisted();
    }

    // `allowed` is a Message or a function that makes one.
    template <typename Allowed>
    void refuse(const QStringList &path, const QJsonValue &value, const Allowed &allowed)
    {
        add([&] {
            const Message expected = allowedText(allowed);
            //: %1 is the field path, %2 the value given, %3 what is allowed there
            return refusalOf(path, value, expected,
                             message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: %2 is not allowed: expected %3"))
                                 .args(Message::verbatim(joined(path)), Message::verbatim(readableJson(value)),
                                       expected));
        });
    }

    void refuseMissing(const QStringList &path, const Message &allowed)
    {
        add([&] {
            //: %1 is the field path, %2 what is allowed there
            return refusalOf(path, QJsonValue::Undefined, allowed,
                             message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: missing: expected %2"))
                                 .args(Message::verbatim(joined(path)), allowed));
        });
    }

    void checkHeader(const QJsonObject &profile)
    {
        const QStringList formatPath = {QStringLiteral("format")};
        const Message format = Message::verbatim(QStringLiteral("\"%1\"").arg(formatName()));
        const QJsonValue given = profile.value(QStringLiteral("format"));
        if (given.isUndefined())
            refuseMissing(formatPath, format);
        else if (given != QJsonValue(formatName()))
            refuse(formatPath, given, format);

        const QStringList versionPath = {QStringLiteral("version")};
        const QJsonValue version = profile.value(QStringLiteral("version"));
        const std::optional<int> number = wholeNumber(version, 1, 0x7FFF);
        const Message thisVersion = Message::verbatim(QString::number(kVersion));
        if (version.isUndefined())
            refuseMissing(versionPath, thisVersion);
        else if (number && *number > kVersion)
            add([&] {
                //: %1 is the newest profile version this program reads
                const Message readVersions = message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 or older")).arg(kVersion);
                //: %1 is the profile's version, %2 the versions this program reads
                return refusalOf(versionPath, version, readVersions,
                                 message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                           "version: %1 is newer than this program reads: expected %2"))
                                     .args(Message::verbatim(QString::number(*number)), readVersions));
            });
        else if (!number)
            refuse(versionPath, version, thisVersion);
    }

    // Refuses members other than the allowed ones.
    void checkMembers(const QJsonObject &object, const QStringList &path, const QStringList &allowed)
    {
        const QString members = allowed.join(QStringLiteral(", "));
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (allowed.contains(it.key()))
                continue;
            add([&] {
                const QStringList memberPath = path + QStringList{it.key()};
                //: %1 is the list of member names
                return refusalOf(memberPath, it.value(),
                                 message(QT_TRANSLATE_NOOP("ostraval-ctl", "one of the members %1")).arg(members),
                                 //: %1 is the field path, %2 the list of member names
                                 message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: unknown field: allowed are %2"))
                                     .args(joined(memberPath), members));
            });
        }
    }

    static std::optional<int> wholeNumber(const QJsonValue &value, int lower, int upper)
    {
        if (!value.isDouble())
            return std::nullopt;
        const double number = value.toDouble();
        if (!std::isfinite(number) || number != std::floor(number) || number < lower || number > upper)
            return std::nullopt;
        return static_cast<int>(number);
    }

    std::optional<int> whole(const QJsonValue &value, const QStringList &path, int lower, int upper)
    {
        const std::optional<int> number = wholeNumber(value, lower, upper);
        if (!number)
            refuse(path, value, [&] {
                //: %1 and %2 are the field's bounds
                return message(QT_TRANSLATE_NOOP("ostraval-ctl", "a whole number from %1 to %2"))
                    .args(QString::number(lower), QString::number(upper));
            });
        return number;
    }

    // The section as an object, or nothing when it is left out or refused;
    // its members are those the profile's field paths name in it.
    std::optional<QJsonObject> section(const QJsonObject &profile, const char *name)
    {
        return section(profile, name, membersOf(QLatin1String(name)));
    }

    std::optional<QJsonObject> section(const QJsonObject &profile, const char *name, const QStringList &allowed)
    {
        const QJsonValue value = profile.value(QLatin1String(name));
        if (value.isUndefined())
            return std::nullopt;
        if (!value.isObject()) {
            refuse({QString::fromLatin1(name)}, value, [&] {
                //: %1 is the list of member names
                return message(QT_TRANSLATE_NOOP("ostraval-ctl", "an object with %1"))
                    .arg(allowed.join(QStringLiteral(", ")));
            });
            return std::nullopt;
        }
        checkMembers(value.toObject(), {QString::fromLatin1(name)}, allowed);
        return value.toObject();
    }

    static QStringList names(std::initializer_list<const char *> list)
    {
        QStringList result;
        for (const char *name : list)
            result << QString::fromLatin1(name);
        return result;
    }

    void applyNumbers(const QJsonObject &profile)
    {
        for (const config::NumberSetting &field : config::kNumbers) {
            QJsonValue value;
            QStringList path;
            if (*field.section == '\0') {
                value = profile.value(QLatin1String(field.name));
            } else {
                value = profile.value(QLatin1String(field.section)).toObject().value(QLatin1String(field.name));
                path << QString::fromLatin1(field.section);
            }
            path << QString::fromLatin1(field.name);
            if (value.isUndefined())
                continue;
            const config::Bounds bounds = field.bounds;
            if (const std::optional<int> number = whole(value, path, bounds.lower, bounds.upper))
                field.word(records_) = static_cast<int16_t>(*number);
        }
    }

    void applyLeds(const QJsonObject &profile)
    {
        const std::optional<QJsonObject> leds = section(profile, config::kLedsName);
        if (!leds)
            return;
        for (const config::LedSetting &led : config::kLeds) {
            const QJsonValue lit = leds->value(QLatin1String(led.name));
            if (lit.isUndefined())
                continue;
            if (!lit.isBool()) {
                refuse({QLatin1String(config::kLedsName), QString::fromLatin1(led.name)}, lit, [] {
                    //: the JSON words true and false, which stay untranslated
                    return message(QT_TRANSLATE_NOOP("ostraval-ctl", "true or false"));
                });
                continue;
            }
            const int flags = lit.toBool() ? records_.sonar.LedFlags & ~led.offBit : records_.sonar.LedFlags | led.offBit;
            records_.sonar.LedFlags = static_cast<int16_t>(flags);
        }
    }

    struct Keystroke {
        int16_t code = 0;
        int16_t mods = 0;
    };

    // The key of a keystroke: its code, its name, or both when they name the
    // same key.
    std::optional<int> keyCode(const QJsonObject &keystroke, const QStringList &path)
    {
        const QJsonValue code = keystroke.value(QStringLiteral("code"));
        const QJsonValue name = keystroke.value(QStringLiteral("name"));
        if (code.isUndefined() && name.isUndefined()) {
            refuse(path, keystroke, [] {
                //: "name" and "code" are profile members and stay untranslated
                return message(QT_TRANSLATE_NOOP("ostraval-ctl", "a keystroke with a key \"name\" or a \"code\" from 0 to 255"));
            });
            return std::nullopt;
        }
        std::optional<int> number;
        if (!code.isUndefined() && !(number = whole(code, path + QStringList{QStringLiteral("code")}, 0, 0xFF)))
            return std::nullopt;
        if (name.isUndefined())
            return number;

        const QStringList namePath = path + QStringList{QStringLiteral("name")};
        const QList<int> codes = name.isString() ? codesNamed(name.toString()) : QList<int>{};
        if (codes.isEmpty()) {
            refuse(namePath, name, [&] {
                if (!number)
                    //: "code" is a profile member and stays untranslated
                    return message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                     "a key name of the key table (for example \"DELETE\"), or give a \"code\""));
                //: %1 is the key code given, %2 the name of its key in double quotes or the words "no key's"
                return message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                 "a key name of the key table (for example \"DELETE\") for code %1, %2"))
                    .args(Message::verbatim(QString::number(*number)), nameOfCode(*number));
            });
            return std::nullopt;
        }
        if (number && codes.contains(*number))
            return number;
        if (number) {
            add([&] {
                return refusalOf(path, keystroke, message(QT_TRANSLATE_NOOP("ostraval-ctl", "a name and a code of the same key")),
                                 //: %1 is the keystroke's field path, %2 the key name given, %3 the code given, %4 the
                                 //: codes of that name ("code 5", "codes 166 and 175"), %5 the name of the code's key
                                 //: in double quotes or "no key's"
                                 message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                           "%1: the name %2 and the code %3 disagree: %2 is %4, code %3 is %5; "
                                                           "give one of them"))
                                     .args(Message::verbatim(joined(path)), Message::verbatim(quoted(name.toString())),
                                           Message::verbatim(QString::number(*number)), codesText(codes),
                                           nameOfCode(*number)));
            });
            return std::nullopt;
        }
        if (codes.size() == 1)
            return codes.first();
        add([&] {
            //: %1 is a list of key codes ("166 or 175"); "code" is a profile member and stays untranslated
            return refusalOf(namePath, name,
                             message(QT_TRANSLATE_NOOP("ostraval-ctl", "a \"code\": %1"))
                                 .arg(listed(codes, QT_TRANSLATE_NOOP("ostraval-ctl", "%1 or %2"))),
                             //: %1 is the field path, %2 the key name given, %n the number of keys of that name,
                             //: %3 their codes ("codes 166 and 175")
                             message(QT_TRANSLATE_N_NOOP("ostraval-ctl",
                                                         "%1: %2 names %n keys (%3): give its \"code\" instead"),
                                     static_cast<int>(codes.size()))
                                 .args(Message::verbatim(joined(namePath)), Message::verbatim(quoted(name.toString())),
                                       codesText(codes)));
        });
        return std::nullopt;
    }

    // "codes 166 and 175", "code 5".
    static Message codesText(const QList<int> &codes)
    {
        //: %1 is two key codes or more, joined ("166 and 175")
        const Message all = listed(codes, QT_TRANSLATE_NOOP("ostraval-ctl", "%1 and %2"));
        if (codes.size() == 1)
            //: %1 is a key code
            return message(QT_TRANSLATE_NOOP("ostraval-ctl", "code %1")).arg(all);
        //: %1 is the list of key codes ("166 and 175"), %n their number
        return message(QT_TRANSLATE_N_NOOP("ostraval-ctl", "codes %1"), static_cast<int>(codes.size())).arg(all);
    }

    // The key's name in double quotes, or "no key's" for a code without one.
    static Message nameOfCode(int code)
    {
        const QString name = keyName(code);
        if (name.isEmpty())
            //: stands for a key's name where a code names no key: "for code 250, no key's"
            return message(QT_TRANSLATE_NOOP("ostraval-ctl", "no key's"));
        return Message::verbatim(QStringLiteral("\"%1\"").arg(name));
    }

    std::optional<int> modifierMask(const QJsonObject &keystroke, const QStringList &path)
    {
        const QJsonValue mods = keystroke.value(QStringLiteral("mods"));
        const QStringList modsPath = path + QStringList{QStringLiteral("mods")};
        if (mods.isUndefined())
            return 0;
        if (!mods.isArray()) {
            refuse(modsPath, mods, [] {
                //: %1 is the list of modifier names, which stay untranslated
                return message(QT_TRANSLATE_NOOP("ostraval-ctl", "a list of modifier names (%1)")).arg(modifierNames());
            });
            return std::nullopt;
        }
        int mask = 0;
        bool valid = true;
        const QJsonArray list = mods.toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            const int bit = modifierBit(list[i].toString());
            if (bit == 0 || !list[i].isString()) {
                refuse(modsPath + QStringList{QStringLiteral("[%1]").arg(i)}, list[i], [] {
                    //: %1 is the list of modifier names, which stay untranslated
                    return message(QT_TRANSLATE_NOOP("ostraval-ctl", "one of %1")).arg(modifierNames());
                });
                valid = false;
            }
            mask |= bit;
        }
        return valid ? std::optional<int>(mask) : std::nullopt;
    }

    // A keystroke or null (no key); nothing when refused.
    std::optional<Keystroke> keystroke(const QJsonValue &value, const QStringList &path)
    {
        if (value.isNull())
            return Keystroke{};
        if (!value.isObject()) {
            refuse(path, value, [] {
                //: the JSON in braces and the word null stay untranslated
                return message(QT_TRANSLATE_NOOP("ostraval-ctl", "a keystroke {\"name\": \"...\", \"mods\": [...]} or null"));
            });
            return std::nullopt;
        }
        const QJsonObject object = value.toObject();
        checkMembers(object, path, names({"code", "name", "mods"}));
        const std::optional<int> code = keyCode(object, path);
        const std::optional<int> mods = modifierMask(object, path);
        if (!code || !mods)
            return std::nullopt;
        return Keystroke{static_cast<int16_t>(*code), static_cast<int16_t>(*mods)};
    }

    void applyIdleKey(const QJsonObject &profile)
    {
        const QLatin1String name(config::kIdleKey.name);
        const std::optional<QJsonObject> idle = section(profile, config::kIdleKey.section);
        if (!idle || !idle->contains(name))
            return;
        if (const std::optional<Keystroke> key =
                keystroke(idle->value(name), {QLatin1String(config::kIdleKey.section), name})) {
            records_.idle.KeyCode = key->code;
            records_.idle.KeyMods = key->mods;
        }
    }

    void applyKeys(const QJsonObject &profile, const config::SequenceSetting &sequence)
    {
        QStringList members = membersOf(QLatin1String(sequence.section));
        if (header_ == Header::None)
            members << QString::fromLatin1(config::kKeyCountName);
        const std::optional<QJsonObject> object = section(profile, sequence.section, members);
        if (!object)
            return;
        WalkParms walk = records_.*sequence.walk;
        const QLatin1String keys(config::kKeysName);
        const QStringList path = {QString::fromLatin1(sequence.section), keys};
        if (object->contains(keys) && !readKeys(object->value(keys), path, walk))
            return;
        const QJsonValue count = object->value(QLatin1String(config::kKeyCountName));
        if (!object->contains(keys) && count.isUndefined())
            return;
        walk.KeyCount = config::keystrokesInUse(walk);
        // The count follows the keys; given, it must say what they say.
        if (!count.isUndefined() && count != QJsonValue(walk.KeyCount)) {
            refuse({QString::fromLatin1(sequence.section), QString::fromLatin1(config::kKeyCountName)}, count, [&] {
                //: %1 is the number of keystrokes the sequence holds
                return message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                 "%1, the number of keys in use (the count follows the keys)"))
                    .arg(walk.KeyCount);
            });
            return;
        }
        records_.*sequence.walk = walk;
    }

    // The five positions of a key list into `walk`; false when refused.
    bool readKeys(const QJsonValue &keys, const QStringList &path, WalkParms &walk)
    {
        if (!keys.isArray() || keys.toArray().size() > config::kKeystrokesPerSequence) {
            refuse(path, keys, [] {
                //: %1 is the number of key positions; null stays untranslated
                return message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                 "a list of at most %1 keystrokes, null for an empty position"))
                    .arg(config::kKeystrokesPerSequence);
            });
            return false;
        }
        bool valid = true;
        const QJsonArray list = keys.toArray();
        for (int i = 0; i < config::kKeystrokesPerSequence; ++i) {
            const QJsonValue value = i < list.size() ? list[i] : QJsonValue(QJsonValue::Null);
            const std::optional<Keystroke> key = keystroke(value, path + QStringList{QStringLiteral("[%1]").arg(i)});
            valid = valid && key;
            if (key) {
                walk.KeyCode[i] = key->code;
                walk.KeyMods[i] = key->mods;
            }
        }
        return valid;
    }

    void applyReserved(const QJsonObject &profile)
    {
        const std::optional<QJsonObject> reserved = section(profile, config::kReservedName);
        if (!reserved)
            return;

        const QJsonValue ledFlags = reserved->value(QLatin1String(config::kLedFlagsName));
        const QStringList ledPath = {QLatin1String(config::kReservedName), QLatin1String(config::kLedFlagsName)};
        if (!ledFlags.isUndefined()) {
            const std::optional<int> other = wholeNumber(ledFlags, 0, 0xFFFF);
            if (!other || (*other & config::kLedBits) != 0)
                refuse(ledPath, ledFlags, [] {
                    //: "leds" is a profile member and stays untranslated
                    return message(QT_TRANSLATE_NOOP(
                        "ostraval-ctl", "a whole number from 0 to 65535 without the LED bits 1, 2 and 4 (\"leds\" sets them)"));
                });
            else
                records_.sonar.LedFlags = static_cast<int16_t>((records_.sonar.LedFlags & config::kLedBits) | *other);
        }

        for (const config::ReservedGroup &group : config::kReservedGroups)
            applyReservedWords(reserved->value(QLatin1String(group.name)), group);
    }

    void applyReservedWords(const QJsonValue &value, const config::ReservedGroup &group)
    {
        if (value.isUndefined())
            return;
        const QStringList path = {QLatin1String(config::kReservedName), QLatin1String(group.name)};
        const QJsonArray words = value.toArray();
        bool valid = value.isArray() && words.size() == group.count;
        for (qsizetype i = 0; valid && i < words.size(); ++i)
            valid = wholeNumber(words[i], 0, 0xFFFF).has_value();
        if (!valid) {
            refuse(path, value, [&] {
                //: %n is the number of words the list holds
                return message(QT_TRANSLATE_N_NOOP("ostraval-ctl", "a list of %n whole numbers from 0 to 65535"), group.count);
            });
            return;
        }
        for (int i = 0; i < group.count; ++i)
            group.words[i](records_) = static_cast<int16_t>(static_cast<uint16_t>(words[i].toInt()));
    }

    Records records_;
    Header header_ = Header::Required;
    Refusals refusals_;
};

// Why a text is not JSON, one whole sentence for each fault: %1 is the line,
// %2 the column, %3 what stands there. "JSON" stays untranslated.
struct FaultMessage {
    JsonFault fault;
    const char *message;
};

constexpr FaultMessage kFaultMessages[] = {
    {JsonFault::TextEnds, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: the text ends at line %1, column %2 before its value does")},
    {JsonFault::NoValue, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: a value is due at line %1, column %2, not %3")},
    {JsonFault::NoName, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: a member name in double quotes is due at line %1, column %2, not %3")},
    {JsonFault::NoColon, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: a colon is due after the member name at line %1, column %2, not %3")},
    {JsonFault::ObjectNotClosed, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: a comma or a closing brace is due at line %1, column %2, not %3")},
    {JsonFault::ListNotClosed, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: a comma or a closing bracket is due at line %1, column %2, not %3")},
    {JsonFault::StringNotClosed, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: the string that starts at line %1, column %2 is not closed")},
    {JsonFault::BadEscape, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: %3 at line %1, column %2 is not an escape that JSON has")},
    {JsonFault::ControlCharacter, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: the control character %3 at line %1, column %2 stands in a string unescaped")},
    {JsonFault::NotUtf8, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: the bytes at line %1, column %2 are not UTF-8 text")},
    {JsonFault::BadNumber, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: %3 at line %1, column %2 is not a number as JSON writes numbers")},
    {JsonFault::TextAfterValue, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: more follows the value at line %1, column %2")},
    {JsonFault::TooDeep, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: lists and objects nest deeper than %3 levels at line %1, column %2")},
    {JsonFault::Unread, QT_TRANSLATE_NOOP("ostraval-ctl", "not JSON: %3 at line %1, column %2")},
};

// The fault's message with its line, column and, where it names it, what
// stands there: an argument with no place in the text would be warned of.
Message withPlace(const Message &fault, const QString &line, const QString &column, const QString &token)
{
    if (fault.english().contains(QLatin1String("%3")))
        return fault.args(line, column, token);
    return fault.args(line, column);
}

// A text that is not JSON, placed by line and column. A number beyond what
// JSON holds (1e400) is named by its field.
Refusal unreadable(const QByteArray &text, const JsonReading &reading)
{
    const TextPlace place = placeOf(text, reading.offset);
    const QString line = QString::number(place.line);
    const QString column = QString::number(place.column);
    // What stands there in double quotes; an escape or a control character as
    // it is written, in the style of every message.
    QString token = readableJson(QString::fromUtf8(reading.token));
    if (reading.fault == JsonFault::BadEscape || reading.fault == JsonFault::ControlCharacter)
        token = readable(QString::fromUtf8(reading.token));
    else if (reading.fault == JsonFault::TooDeep)
        token = QString::number(kMaxJsonDepth);
    else if (reading.fault == JsonFault::Unread)
        token = QString::fromUtf8(reading.token);
    if (reading.fault == JsonFault::HugeNumber) {
        const QString number = readable(QString::fromLatin1(reading.token));
        const QString where = readable(reading.path);
        const Message allowed = message(QT_TRANSLATE_NOOP("ostraval-ctl", "a number JSON can hold"));
        if (where.isEmpty())
            //: %1 is the number as written, %2 and %3 its line and column
            return refusalAt(where, number, allowed,
                             message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                       "not JSON: %1 is a number JSON cannot hold (line %2, column %3)"))
                                 .args(number, line, column));
        //: %1 is the field path, %2 the number as written, %3 and %4 its line and column
        return refusalAt(where, number, allowed,
                         message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: %2 is a number JSON cannot hold (line %3, column %4)"))
                             .args(where, number, line, column));
    }
    const auto known = std::find_if(std::begin(kFaultMessages), std::end(kFaultMessages),
                                    [&reading](const FaultMessage &m) { return m.fault == reading.fault; });
    Q_ASSERT(known != std::end(kFaultMessages));
    return refusalOf({}, QJsonValue::Undefined, message(QT_TRANSLATE_NOOP("ostraval-ctl", "JSON text")),
                     withPlace(message(known->message), line, column, token));
}

Refusal namedAgain(const DuplicateMember &duplicate)
{
    const QString where = readable(duplicate.path);
    return refusalAt(where, QJsonValue::Undefined,
                     message(QT_TRANSLATE_NOOP("ostraval-ctl", "each member once in its object")),
                     //: %1 is the member's path, %2 and %3 the lines where it is named
                     message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                               "%1: named again on line %2 (first on line %3): each member may be named once"))
                         .args(where, QString::number(duplicate.line), QString::number(duplicate.firstLine)));
}

} // namespace

Refusals::Refusals(std::initializer_list<Refusal> refusals)
{
    for (const Refusal &refusal : refusals)
        add(refusal);
}

void Refusals::add(const Refusal &refusal)
{
    if (listsMore())
        listed_.append(refusal);
    ++total_;
}

void Refusals::addUnlisted(qsizetype count)
{
    total_ += count;
}

QStringList messagesOf(const Refusals &refusals)
{
    QStringList messages;
    for (const Refusal &refusal : refusals)
        messages << refusal.message;
    return messages;
}

Refusals parseProfile(const QByteArray &text, QJsonObject &profile)
{
    // "$schema" names the schema for editors and is not read, whatever it holds.
    const JsonReading reading = readJson(text, JsonRules{kListedRefusals, QStringLiteral("$schema")});
    if (reading.fault != JsonFault::None)
        return {unreadable(text, reading)};
    if (!reading.value.isObject())
        return {refusalOf({}, QJsonValue::Undefined, message(QT_TRANSLATE_NOOP("ostraval-ctl", "a JSON object")),
                          message(QT_TRANSLATE_NOOP("ostraval-ctl", "not a profile: the JSON text holds no object")))};
    // QJsonDocument keeps the last of two members of one name: both are refused.
    Refusals refusals;
    for (const DuplicateMember &duplicate : reading.duplicates)
        refusals.add(namedAgain(duplicate));
    refusals.addUnlisted(reading.duplicateCount - reading.duplicates.size());
    if (refusals.isEmpty())
        profile = reading.value.toObject();
    return refusals;
}

Refusals applyProfile(const QJsonObject &profile, Records &records, Header header)
{
    Importer importer(records);
    importer.apply(profile, header);
    if (importer.refusals().isEmpty())
        records = importer.records();
    return importer.refusals();
}

} // namespace profile
