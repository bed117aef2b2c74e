#include "profileschema.h"

#include "keyrows.h"
#include "keystroke.h"
#include "profile.h"
#include "settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

namespace profile {

namespace {

constexpr int kWordMax = 0xFFFF;

QJsonObject wholeNumber(int lower, int upper)
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("integer")},
                       {QStringLiteral("minimum"), lower},
                       {QStringLiteral("maximum"), upper}};
}

QJsonObject closedObject(const QJsonObject &properties)
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("object")},
                       {QStringLiteral("additionalProperties"), false},
                       {QStringLiteral("properties"), properties}};
}

QJsonArray keyNames(bool uniqueOnly)
{
    QJsonArray names;
    for (const config::KeyRow &row : config::standardKeyRows()) {
        const QString name = QString::fromUtf8(row.name);
        if (!names.contains(name) && (!uniqueOnly || codesNamed(name).size() == 1))
            names << name;
    }
    return names;
}

QJsonObject keystroke()
{
    QJsonArray modifiers;
    for (const config::Modifier &modifier : config::kModifiers)
        modifiers << QString::fromLatin1(modifier.name);
    const QJsonObject properties{
        {QStringLiteral("code"), wholeNumber(0, 0xFF)},
        {QStringLiteral("name"), QJsonObject{{QStringLiteral("enum"), keyNames(false)}}},
        {QStringLiteral("mods"),
         QJsonObject{{QStringLiteral("type"), QStringLiteral("array")},
                     {QStringLiteral("items"), QJsonObject{{QStringLiteral("enum"), modifiers}}}}},
    };
    QJsonObject schema = closedObject(properties);
    schema[QStringLiteral("type")] = QJsonArray{QStringLiteral("object"), QStringLiteral("null")};
    schema[QStringLiteral("description")] =
        QStringLiteral("A keystroke, or null for none: its key by \"name\" (a name that belongs to "
                       "one key alone) or by \"code\", and the modifiers held with it. Beyond this "
                       "schema: a name given with a code must name the same key.");
    const QJsonObject byUniqueName{
        {QStringLiteral("required"), QJsonArray{QStringLiteral("name")}},
        {QStringLiteral("properties"),
         QJsonObject{
             {QStringLiteral("name"), QJsonObject{{QStringLiteral("enum"), keyNames(true)}}}}}};
    schema[QStringLiteral("anyOf")] =
        QJsonArray{QJsonObject{{QStringLiteral("type"), QStringLiteral("null")}},
                   QJsonObject{{QStringLiteral("required"), QJsonArray{QStringLiteral("code")}}},
                   byUniqueName};
    return schema;
}

QJsonObject keyList()
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("array")},
                       {QStringLiteral("maxItems"), config::kKeystrokesPerSequence},
                       {QStringLiteral("items"),
                        QJsonObject{{QStringLiteral("$ref"), QStringLiteral("#/$defs/keystroke")}}},
                       {QStringLiteral("description"),
                        QStringLiteral("Positions [0] to [%1] in order, null for an empty "
                                       "position; trailing ones may be left out. Beyond this "
                                       "schema: the sensor's key count is not given, it is the "
                                       "number of keystrokes in use.")
                            .arg(config::kKeystrokesPerSequence - 1)}};
}

QJsonObject reserved()
{
    // The LED bits are the lowest three, so "without them" is "a multiple of 8".
    static_assert((config::kLedBits & (config::kLedBits + 1)) == 0, "the LED bits are the lowest bits");
    QJsonObject ledFlags = wholeNumber(0, kWordMax);
    ledFlags[QStringLiteral("multipleOf")] = config::kLedBits + 1;
    ledFlags[QStringLiteral("description")] = QStringLiteral(
        "The LED word's other bits, without the LED bits 1, 2 and 4 (\"leds\" sets them).");
    QJsonObject properties{{QString::fromLatin1(config::kLedFlagsName), ledFlags}};
    for (const config::ReservedGroup &group : config::kReservedGroups)
        properties[QString::fromLatin1(group.name)] =
            QJsonObject{{QStringLiteral("type"), QStringLiteral("array")},
                        {QStringLiteral("minItems"), group.count},
                        {QStringLiteral("maxItems"), group.count},
                        {QStringLiteral("items"), wholeNumber(0, kWordMax)}};
    QJsonObject schema = closedObject(properties);
    schema[QStringLiteral("description")] = QStringLiteral(
        "The stored words that no named field holds, so that a profile reproduces the sensor's "
        "stored bytes exactly.");
    return schema;
}

// The named fields, section by section ("" the top level).
QMap<QString, QJsonObject> fieldsBySection()
{
    QMap<QString, QJsonObject> sections;
    for (const config::NumberSetting &field : config::kNumbers) {
        const config::Bounds bounds = field.bounds;
        sections[QLatin1String(field.section)][QLatin1String(field.name)] =
            wholeNumber(bounds.lower, bounds.upper);
    }
    for (const config::LedSetting &led : config::kLeds)
        sections[QLatin1String(config::kLedsName)][QLatin1String(led.name)] =
            QJsonObject{{QStringLiteral("type"), QStringLiteral("boolean")}};
    sections[QLatin1String(config::kIdleKey.section)][QLatin1String(config::kIdleKey.name)] =
        QJsonObject{{QStringLiteral("$ref"), QStringLiteral("#/$defs/keystroke")}};
    for (const config::SequenceSetting &sequence : config::kKeySequences)
        sections[QLatin1String(sequence.section)][QLatin1String(config::kKeysName)] = keyList();
    return sections;
}

} // namespace

QJsonObject profileSchema()
{
    const QMap<QString, QJsonObject> sections = fieldsBySection();
    QJsonObject properties = sections.value(QString());
    for (auto it = sections.begin(); it != sections.end(); ++it)
        if (!it.key().isEmpty())
            properties[it.key()] = closedObject(it.value());
    properties[QLatin1String(config::kReservedName)] = reserved();
    properties[QStringLiteral("format")] = QJsonObject{{QStringLiteral("const"), formatName()}};
    properties[QStringLiteral("version")] = QJsonObject{{QStringLiteral("const"), kVersion}};
    properties[QStringLiteral("$schema")] =
        QJsonObject{{QStringLiteral("description"),
                     QStringLiteral("May name this schema; import ignores it.")}};

    QJsonObject schema = closedObject(properties);
    schema[QStringLiteral("$schema")] =
        QStringLiteral("https://json-schema.org/draft/2020-12/schema");
    schema[QStringLiteral("$id")] =
        QStringLiteral("https://zelvora.com/schemas/%1/%2/%1.schema.json")
            .arg(formatName())
            .arg(kVersion);
    schema[QStringLiteral("title")] =
        QStringLiteral("Ostraval sensor profile (%1, version %2)").arg(formatName()).arg(kVersion);
    schema[QStringLiteral("description")] = QStringLiteral(
        "The presence sensor's configuration as ostraval-ctl exports and imports it. A field or "
        "section left out keeps the sensor's value. Beyond this schema, import also refuses: a "
        "member named twice in one object; a keystroke whose name and code name different keys.");
    schema[QStringLiteral("required")] =
        QJsonArray{QStringLiteral("format"), QStringLiteral("version")};
    schema[QStringLiteral("$defs")] = QJsonObject{{QStringLiteral("keystroke"), keystroke()}};
    return schema;
}

QByteArray profileSchemaText()
{
    return QJsonDocument(profileSchema()).toJson(QJsonDocument::Indented);
}

} // namespace profile
