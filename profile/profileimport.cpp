// Profile to records: every value is checked before any is used.
#include "profile.h"

#include "fields.h"
#include "keycount.h"
#include "keystroke.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <initializer_list>
#include <optional>

namespace profile {

using namespace detail;

namespace {

constexpr int kMaxShownValue = 60; // characters of a refused value quoted in a message

QString shown(const QJsonValue &value)
{
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    QString text = QString::fromUtf8(json.mid(1, json.size() - 2));
    if (text.size() > kMaxShownValue)
        text = text.left(kMaxShownValue) + QStringLiteral("...");
    return text;
}

QString joined(const QStringList &path)
{
    QString text;
    for (const QString &step : path)
        text += (text.isEmpty() || step.startsWith(QLatin1Char('[')) ? QString() : QStringLiteral(".")) + step;
    return text;
}

// Lays a profile over records, collecting every refusal.
class Importer {
public:
    explicit Importer(Records records) : records_(records) {}

    void apply(const QJsonObject &profile, Header header)
    {
        QStringList allowed = {QStringLiteral("detection_range"), QStringLiteral("walk_away_delay"),
                               QStringLiteral("walk_up_delay"),   QStringLiteral("power_up_delay"),
                               QStringLiteral("leds"),            QStringLiteral("idle"),
                               QStringLiteral("walk_away"),       QStringLiteral("walk_up"),
                               QStringLiteral("reserved")};
        if (header == Header::Required) {
            checkHeader(profile);
            allowed.prepend(QStringLiteral("version"));
            allowed.prepend(QStringLiteral("format"));
        }
        checkMembers(profile, {}, allowed);
        applyNumbers(profile);
        applyLeds(profile);
        applyIdleKey(profile);
        for (const Sequence &sequence : kSequences)
            applyKeys(profile, sequence);
        applyReserved(profile);
    }

    const Records &records() const { return records_; }
    const QStringList &refusals() const { return refusals_; }

private:
    void refuse(const QStringList &path, const QJsonValue &value, const QString &expected)
    {
        refusals_ << QStringLiteral("%1: %2 is not allowed: expected %3").arg(joined(path), shown(value), expected);
    }

    void checkHeader(const QJsonObject &profile)
    {
        const QJsonValue format = profile.value(QStringLiteral("format"));
        if (format.isUndefined())
            refusals_ << QStringLiteral("format: missing: expected \"%1\"").arg(formatName());
        else if (format != QJsonValue(formatName()))
            refuse({QStringLiteral("format")}, format, QStringLiteral("\"%1\"").arg(formatName()));

        const QJsonValue version = profile.value(QStringLiteral("version"));
        const std::optional<int> number = wholeNumber(version, 1, 0x7FFF);
        if (version.isUndefined())
            refusals_ << QStringLiteral("version: missing: expected %1").arg(kVersion);
        else if (number && *number > kVersion)
            refusals_ << QStringLiteral("version: %1 is newer than this program reads: expected %2 or older")
                             .arg(*number)
                             .arg(kVersion);
        else if (!number)
            refuse({QStringLiteral("version")}, version, QString::number(kVersion));
    }

    // Refuses members other than the allowed ones.
    void checkMembers(const QJsonObject &object, const QStringList &path, const QStringList &allowed)
    {
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!allowed.contains(it.key()))
                refusals_ << QStringLiteral("%1: unknown field: allowed are %2")
                                 .arg(joined(path + QStringList{it.key()}), allowed.join(QStringLiteral(", ")));
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
            refuse(path, value, QStringLiteral("a whole number from %1 to %2").arg(lower).arg(upper));
        return number;
    }

    // The section as an object, or nothing when it is left out or refused.
    std::optional<QJsonObject> section(const QJsonObject &profile, const char *name, const QStringList &allowed)
    {
        const QJsonValue value = profile.value(QLatin1String(name));
        if (value.isUndefined())
            return std::nullopt;
        if (!value.isObject()) {
            refuse({QString::fromLatin1(name)}, value,
                   QStringLiteral("an object with %1").arg(allowed.join(QStringLiteral(", "))));
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
        for (const NumberField &field : kNumberFields) {
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
            const config::FieldBounds bounds = config::boundsOf(field.bounds);
            if (const std::optional<int> number = whole(value, path, bounds.lower, bounds.upper))
                field.word(records_) = static_cast<int16_t>(*number);
        }
    }

    void applyLeds(const QJsonObject &profile)
    {
        const std::optional<QJsonObject> leds = section(profile, "leds", names({"in_range", "out_of_range", "transition"}));
        if (!leds)
            return;
        for (const LedField &led : kLedFields) {
            const QJsonValue lit = leds->value(QLatin1String(led.name));
            if (lit.isUndefined())
                continue;
            if (!lit.isBool()) {
                refuse({QStringLiteral("leds"), QString::fromLatin1(led.name)}, lit, QStringLiteral("true or false"));
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

    std::optional<int> keyCode(const QJsonObject &keystroke, const QStringList &path)
    {
        const QJsonValue code = keystroke.value(QStringLiteral("code"));
        if (!code.isUndefined())
            return whole(code, path + QStringList{QStringLiteral("code")}, 0, 0xFF);

        const QJsonValue name = keystroke.value(QStringLiteral("name"));
        const QStringList namePath = path + QStringList{QStringLiteral("name")};
        if (name.isUndefined()) {
            refuse(path, keystroke, QStringLiteral("a keystroke with a \"code\" from 0 to 255 or a key \"name\""));
            return std::nullopt;
        }
        const QList<int> codes = name.isString() ? codesNamed(name.toString()) : QList<int>{};
        if (codes.size() == 1)
            return codes.first();
        if (codes.size() > 1) {
            QStringList listed;
            for (int code : codes)
                listed << QString::number(code);
            refusals_ << QStringLiteral("%1: %2 names %3 keys (codes %4): give its \"code\" instead")
                             .arg(joined(namePath), shown(name))
                             .arg(codes.size())
                             .arg(listed.join(QStringLiteral(" and ")));
        } else {
            refuse(namePath, name, QStringLiteral("a key name of the key table (for example \"DELETE\"), or give a \"code\""));
        }
        return std::nullopt;
    }

    std::optional<int> modifierMask(const QJsonObject &keystroke, const QStringList &path)
    {
        const QJsonValue mods = keystroke.value(QStringLiteral("mods"));
        const QStringList modsPath = path + QStringList{QStringLiteral("mods")};
        if (mods.isUndefined())
            return 0;
        if (!mods.isArray()) {
            refuse(modsPath, mods, QStringLiteral("a list of modifier names (%1)").arg(modifierNames()));
            return std::nullopt;
        }
        int mask = 0;
        bool valid = true;
        const QJsonArray list = mods.toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            const int bit = modifierBit(list[i].toString());
            if (bit == 0 || !list[i].isString()) {
                refuse(modsPath + QStringList{QStringLiteral("[%1]").arg(i)}, list[i],
                       QStringLiteral("one of %1").arg(modifierNames()));
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
            refuse(path, value, QStringLiteral("a keystroke {\"code\": N, \"name\": \"...\", \"mods\": [...]} or null"));
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
        const std::optional<QJsonObject> idle = section(profile, "idle", names({"rate", "key"}));
        if (!idle || !idle->contains(QStringLiteral("key")))
            return;
        if (const std::optional<Keystroke> key = keystroke(idle->value(QStringLiteral("key")), {QStringLiteral("idle"), QStringLiteral("key")})) {
            records_.idle.KeyCode = key->code;
            records_.idle.KeyMods = key->mods;
        }
    }

    void applyKeys(const QJsonObject &profile, const Sequence &sequence)
    {
        const std::optional<QJsonObject> object = section(profile, sequence.section, names({"key_delay", "keys"}));
        if (!object || !object->contains(QStringLiteral("keys")))
            return;
        const QStringList path = {QString::fromLatin1(sequence.section), QStringLiteral("keys")};
        const QJsonValue keys = object->value(QStringLiteral("keys"));
        if (!keys.isArray() || keys.toArray().size() > kProfileKeys) {
            refuse(path, keys, QStringLiteral("a list of at most %1 keystrokes, null for an empty position").arg(kProfileKeys));
            return;
        }
        WalkParms walk = records_.*sequence.walk;
        bool valid = true;
        const QJsonArray list = keys.toArray();
        for (int i = 0; i < kProfileKeys; ++i) {
            const QJsonValue value = i < list.size() ? list[i] : QJsonValue(QJsonValue::Null);
            const std::optional<Keystroke> key = keystroke(value, path + QStringList{QStringLiteral("[%1]").arg(i)});
            valid = valid && key;
            if (key) {
                walk.KeyCode[i] = key->code;
                walk.KeyMods[i] = key->mods;
            }
        }
        walk.KeyCount = config::keystrokesInUse(walk);
        if (valid)
            records_.*sequence.walk = walk;
    }

    void applyReserved(const QJsonObject &profile)
    {
        QStringList allowed = {QString::fromLatin1(kLedFlagsName)};
        for (const ReservedGroup &group : kReservedGroups)
            allowed << QString::fromLatin1(group.name);
        const std::optional<QJsonObject> reserved = section(profile, "reserved", allowed);
        if (!reserved)
            return;

        const QJsonValue ledFlags = reserved->value(QLatin1String(kLedFlagsName));
        const QStringList ledPath = {QStringLiteral("reserved"), QString::fromLatin1(kLedFlagsName)};
        if (!ledFlags.isUndefined()) {
            const std::optional<int> other = wholeNumber(ledFlags, 0, 0xFFFF);
            if (!other || (*other & kLedBits) != 0)
                refuse(ledPath, ledFlags,
                       QStringLiteral("a whole number from 0 to 65535 without the LED bits 1, 2 and 4 (\"leds\" sets them)"));
            else
                records_.sonar.LedFlags = static_cast<int16_t>((records_.sonar.LedFlags & kLedBits) | *other);
        }

        for (const ReservedGroup &group : kReservedGroups)
            applyReservedWords(reserved->value(QLatin1String(group.name)), group);
    }

    void applyReservedWords(const QJsonValue &value, const ReservedGroup &group)
    {
        if (value.isUndefined())
            return;
        const QStringList path = {QStringLiteral("reserved"), QString::fromLatin1(group.name)};
        const QJsonArray words = value.toArray();
        bool valid = value.isArray() && words.size() == group.count;
        for (qsizetype i = 0; valid && i < words.size(); ++i)
            valid = wholeNumber(words[i], 0, 0xFFFF).has_value();
        if (!valid) {
            refuse(path, value, QStringLiteral("a list of %1 whole numbers from 0 to 65535").arg(group.count));
            return;
        }
        for (int i = 0; i < group.count; ++i)
            group.words[i](records_) = static_cast<int16_t>(static_cast<uint16_t>(words[i].toInt()));
    }

    Records records_;
    QStringList refusals_;
};

} // namespace

QStringList parseProfile(const QByteArray &text, QJsonObject &profile)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return {QStringLiteral("not JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset)};
    if (!document.isObject())
        return {QStringLiteral("not a profile: the JSON text holds no object")};
    profile = document.object();
    return {};
}

QStringList applyProfile(const QJsonObject &profile, Records &records, Header header)
{
    Importer importer(records);
    importer.apply(profile, header);
    if (importer.refusals().isEmpty())
        records = importer.records();
    return importer.refusals();
}

} // namespace profile
