#include "runners.h"

#include "desktops.h"
#include "files.h"
#include "keystroke.h"
#include "output.h"
#include "profile.h"
#include "rangewatch.h"
#include "readable.h"
#include "sensor.h"
#include "settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace ctl {

namespace {

// --- Reading and changing the sensor ----------------------------------------

// `what` holds %1 for the failed call.
int failCall(int status, const i18n::Message &what, const SensorFailure &failure)
{
    return fail(Failure{status, what.arg(failureText(failure)), failure, {}});
}

int failWrite(const WriteFailure &failed)
{
    //: %1 is the failed call ("SetSonarParms failed: sensor error 2 (...)")
    const i18n::Message uncommitted =
        message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1; nothing was committed: the stored "
                                                  "configuration is as it was"));
    //: %1 is the failed call, %2 the failed call that was to take the stored configuration back
    const i18n::Message notTakenBack = message(QT_TRANSLATE_NOOP(
        "ostraval-ctl", "%1; nothing was committed: the stored configuration is as it was; while "
                        "taking back the stored configuration, %2; the sensor works with "
                        "uncommitted values until it is restarted"));
    const i18n::Message text = failed.reload ? notTakenBack.arg(failureText(failed.failure))
                                                   .arg(failureText(*failed.reload))
                                             : uncommitted.arg(failureText(failed.failure));
    return fail(Failure{kSensorFailed, text, failed.failure, {}});
}

// Connects and reads the stored configuration; an exit status on failure.
std::optional<int> connectAndRead(Sensor &sensor, Records &records)
{
    if (const auto failure = sensor.connect())
        return failCall(kSensorFailed, message(QT_TRANSLATE_NOOP("ostraval-ctl", "cannot reach the sensor: %1")),
                        *failure);
    if (const auto failure = sensor.readStored(records))
        return failCall(kSensorFailed,
                        message(QT_TRANSLATE_NOOP("ostraval-ctl", "cannot read the stored configuration: %1")),
                        *failure);
    return std::nullopt;
}

// The records as a profile. Its warnings (stored values outside their
// bounds, which the profile shows as they are) go to standard error and,
// for a JSON answer, into `warnings`.
QJsonObject exported(const Records &records, QJsonArray *warningsJson = nullptr)
{
    QList<i18n::Message> warnings;
    QJsonObject profile = profile::profileOf(records, warnings);
    for (const i18n::Message &warning : warnings) {
        //: %1 is the warning
        complain(shown(QT_TRANSLATE_NOOP("ostraval-ctl", "warning: %1")).arg(warning.shown()));
        if (warningsJson)
            warningsJson->append(warning.english());
    }
    return profile;
}

QJsonArray changesJson(const QList<profile::Difference> &differences)
{
    QJsonArray changes;
    for (const profile::Difference &difference : differences)
        changes << QJsonObject{{QStringLiteral("path"), difference.path},
                               {QStringLiteral("before"), difference.before},
                               {QStringLiteral("after"), difference.after}};
    return changes;
}

// What a changing command did, or would do with --check: for people one line
// per field that changed, for scripts the changes and both configurations.
// Stored values outside their bounds that the change leaves in place are
// warned of; `extra` adds members to the answer in JSON.
void reportOutcome(const Records &before, const Records &after, bool check, bool json,
                   const QJsonObject &extra = {})
{
    const QList<profile::Difference> differences = profile::differences(before, after);
    const bool changed = !(before == after);
    QJsonArray warnings;
    const QJsonObject afterProfile = exported(after, &warnings);
    if (json) {
        QJsonObject answer{{QStringLiteral("changed"), changed},
                           {QStringLiteral("check"), check},
                           {QStringLiteral("changes"), changesJson(differences)},
                           {QStringLiteral("before"), profile::profileOf(before)},
                           {QStringLiteral("after"), afterProfile},
                           {QStringLiteral("warnings"), warnings}};
        for (auto member = extra.begin(); member != extra.end(); ++member)
            answer.insert(member.key(), member.value());
        printJson(answer);
        return;
    }
    for (const profile::Difference &difference : differences)
        printOut(profile::differenceLine(difference));
    const int count = static_cast<int>(differences.size());
    if (!changed)
        printOut(shown(QT_TRANSLATE_NOOP("ostraval-ctl", "No change: the sensor already holds these values.")));
    else if (check)
        printOut(QCoreApplication::translate(
            "ostraval-ctl", "Check only: %n field(s) would change; nothing was sent.", nullptr, count));
    else
        printOut(QCoreApplication::translate("ostraval-ctl", "Changed: %n field(s) written and committed.",
                                             nullptr, count));
}

// Sends the wanted configuration when it differs from the stored one.
int changeTo(Sensor &sensor, const Records &stored, const Records &wanted, const Arguments &args,
             const QJsonObject &extra = {})
{
    const bool check = args.has("--check");
    if (!(stored == wanted) && !check) {
        if (const auto failure = sensor.write(wanted))
            return failWrite(*failure);
    }
    reportOutcome(stored, wanted, check, args.has("--json"), extra);
    return kSuccess;
}

// --- Profiles -------------------------------------------------------------------

// What was refused, as a whole sentence: "few" when every problem is named,
// "many" (%n problems, %1 of them named) otherwise.
struct RefusalText {
    const char *few;
    const char *many;
};

//: %1 is the profile's file
constexpr RefusalText kProfileRefused = {
    QT_TRANSLATE_NOOP("ostraval-ctl", "%1: profile refused; nothing was sent"),
    QT_TRANSLATE_N_NOOP("ostraval-ctl", "%2: profile refused (%n problems, the first %1 named); nothing was sent")};
constexpr RefusalText kAssignmentsRefused = {
    QT_TRANSLATE_NOOP("ostraval-ctl", "assignments refused; nothing was sent"),
    QT_TRANSLATE_N_NOOP("ostraval-ctl", "assignments refused (%n problems, the first %1 named); nothing was sent")};
constexpr RefusalText kValuesRefused = {
    QT_TRANSLATE_NOOP("ostraval-ctl", "values refused; nothing was sent"),
    QT_TRANSLATE_N_NOOP("ostraval-ctl", "values refused (%n problems, the first %1 named); nothing was sent")};

// "profile refused (50000 problems, the first 20 named); nothing was sent";
// `file` names the profile's file, if any.
int refuse(const RefusalText &what, const profile::Refusals &refusals, const QString &file = QString())
{
    const qsizetype listed = refusals.listed().size();
    i18n::Message text = refusals.total() > listed
                             ? message(what.many, static_cast<int>(refusals.total())).arg(listed)
                             : message(what.few);
    if (!file.isEmpty())
        text = text.arg(file);
    return fail(Failure{kRefused, text, std::nullopt, refusals});
}

// The profile in a file, checked as a whole before the sensor is asked.
std::optional<QJsonObject> readProfile(const QString &name)
{
    const std::optional<QByteArray> text = readProfileFile(name);
    if (!text)
        return std::nullopt;
    QJsonObject profile;
    profile::Refusals refusals = profile::parseProfile(*text, profile);
    if (refusals.isEmpty()) {
        Records anyRecords;
        refusals = profile::applyProfile(profile, anyRecords);
    }
    if (!refusals.isEmpty()) {
        for (profile::Refusal &refusal : refusals) {
            //: %1 is the profile file's name, %2 one problem of it
            const i18n::Message inFile = message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: %2"))
                                             .args(i18n::Message::verbatim(shownName(name)),
                                                   i18n::Message::both(refusal.message, refusal.shown));
            refusal.message = inFile.english();
            refusal.shown = inFile.shown();
        }
        refuse(kProfileRefused, refusals, shownName(name));
        return std::nullopt;
    }
    return profile;
}

// The stored configuration and what a profile, checked as a whole before the
// sensor is asked, makes of it. An exit status when reading fails.
std::optional<int> storedAndWanted(const QJsonObject &profile, Sensor &sensor, Records &stored, Records &wanted,
                                   profile::Header header = profile::Header::Required)
{
    if (const auto status = connectAndRead(sensor, stored))
        return status;
    wanted = stored;
    profile::applyProfile(profile, wanted, header); // already checked
    return std::nullopt;
}

// The same for the profile in the file named by the first operand. An exit
// status when either fails.
std::optional<int> storedAndWanted(const Arguments &args, Sensor &sensor, Records &stored, Records &wanted)
{
    const std::optional<QJsonObject> profile = readProfile(args.operands.first());
    if (!profile)
        return kRefused;
    return storedAndWanted(*profile, sensor, stored, wanted);
}

// --- Show -------------------------------------------------------------------------

QString firmwareText(int32_t version)
{
    return QStringLiteral("%1%2.%3%4")
        .arg((version >> 12) & 0xF, 0, 16)
        .arg((version >> 8) & 0xF, 0, 16)
        .arg((version >> 4) & 0xF, 0, 16)
        .arg(version & 0xF, 0, 16)
        .toUpper();
}

// "[0] left-ctrl+a (4), [1] none": positions numbered as their paths are.
QString keysText(const QJsonValue &keys)
{
    QStringList positions;
    const QJsonArray list = keys.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        positions << QStringLiteral("[%1] %2").arg(i).arg(profile::valueText(list[i]));
    return positions.isEmpty() ? QStringLiteral("none") : positions.join(QStringLiteral(", "));
}

// Every value is printed as set takes it for that field; units stand in the
// labels. The settings table gives the labels and their order: the top-level
// numbers, the LEDs, then each keystroke section with its number.
void printShow(const QJsonObject &p, int32_t firmware, const ObjRangeInfo &range)
{
    const auto value = [&p](const char *section, const char *name) {
        const QString member = QLatin1String(name);
        return profile::valueAt(p, *section == '\0' ? member : QLatin1String(section) + QLatin1Char('.') + member);
    };
    QList<std::pair<const char *, QString>> lines = {
        {QT_TRANSLATE_NOOP("ostraval-ctl", "Firmware version"), firmwareText(firmware)}};
    const auto numbersIn = [&](const char *section) {
        for (const config::NumberSetting &field : config::kNumbers)
            if (qstrcmp(field.section, section) == 0)
                lines << std::pair{field.showLabel,
                                   QString::number(value(field.section, field.name).toInteger())};
    };
    numbersIn("");
    QStringList leds;
    for (const config::LedSetting &led : config::kLeds)
        leds << QLatin1String(led.name) +
                    (value(config::kLedsName, led.name).toBool() ? QStringLiteral(" on") : QStringLiteral(" off"));
    lines << std::pair{QT_TRANSLATE_NOOP("ostraval-ctl", "LEDs"), leds.join(QStringLiteral(", "))};
    lines << std::pair{config::kIdleKey.showLabel,
                       profile::valueText(value(config::kIdleKey.section, config::kIdleKey.name))};
    numbersIn(config::kIdleKey.section);
    for (const config::SequenceSetting &sequence : config::kKeySequences) {
        lines << std::pair{sequence.showLabel, keysText(value(sequence.section, config::kKeysName))};
        numbersIn(sequence.section);
    }
    //: The measured distance and in-range flags
    lines << std::pair{QT_TRANSLATE_NOOP("ostraval-ctl", "Measured"), plainLine(range)};
    // The values line up in one column after the longest label, whose
    // length depends on the language; at least 26 characters wide.
    qsizetype width = 26;
    for (const auto &line : lines)
        width = std::max(width, shown(line.first).size() + 1);
    for (const auto &[label, text] : lines)
        printOut(QStringLiteral("%1 %2").arg(shown(label) + QLatin1Char(':'), -width).arg(text));
}

// Records whose every keystroke is set, so that every path into a keystroke
// names something.
Records everyKeyInUse()
{
    Records records;
    for (const config::SequenceSetting &sequence : config::kKeySequences)
        for (int i = 0; i < config::kKeystrokesPerSequence; ++i)
            (records.*sequence.walk).KeyCode[i] = 4;
    records.idle.KeyCode = 4;
    return records;
}

} // namespace

int runShow(const Arguments &args)
{
    Sensor sensor;
    Records records;
    if (const auto status = connectAndRead(sensor, records))
        return *status;
    ObjRangeInfo range{};
    if (const auto failure = sensor.range(range))
        return failCall(kSensorFailed, message(QT_TRANSLATE_NOOP("ostraval-ctl", "cannot read the range: %1")),
                        *failure);
    QJsonArray warnings;
    QJsonObject profile = exported(records, &warnings);
    if (args.has("--json")) {
        profile[QStringLiteral("firmware")] = firmwareText(sensor.firmware());
        profile[QStringLiteral("range")] = rangeJson(range);
        profile[QStringLiteral("warnings")] = warnings;
        printJson(profile);
    } else {
        printShow(profile, sensor.firmware(), range);
    }
    return kSuccess;
}

int runExport(const Arguments &args)
{
    const QString file = args.operands.value(0, QStringLiteral("-"));
    if (const auto status = refusedOutput(file))
        return *status;
    QByteArray text;
    {
        Sensor sensor;
        Records records;
        if (const auto status = connectAndRead(sensor, records))
            return *status;
        text = profile::profileText(exported(records));
    } // the sensor is let go before a FIFO's reader is waited for
    return writeOutputFile(file, text);
}

int runImport(const Arguments &args)
{
    Sensor sensor;
    Records stored;
    Records wanted;
    if (const auto status = storedAndWanted(args, sensor, stored, wanted))
        return *status;
    return changeTo(sensor, stored, wanted, args);
}

int runDiff(const Arguments &args)
{
    Sensor sensor;
    Records stored;
    Records wanted;
    if (const auto status = storedAndWanted(args, sensor, stored, wanted))
        return *status;
    const QList<profile::Difference> differences = profile::differences(stored, wanted);
    if (args.has("--json")) {
        printJson(QJsonObject{{QStringLiteral("differs"), !differences.isEmpty()},
                              {QStringLiteral("changes"), changesJson(differences)}});
    } else {
        for (const profile::Difference &difference : differences)
            printOut(profile::differenceLine(difference));
    }
    return differences.isEmpty() ? kSuccess : kDiffers;
}

int runGet(const Arguments &args)
{
    const QString path = args.operands.first();
    const auto detailed = [](const Records &records) {
        return profile::profileOf(records, nullptr, profile::Layout::Detailed);
    };
    if (profile::valueAt(detailed(everyKeyInUse()), path).isUndefined())
        //: %1 is the field asked for, %2 the list of fields
        return fail(kRefused,
                    message(QT_TRANSLATE_NOOP("ostraval-ctl", "no field \"%1\"; fields are %2, and the parts of "
                                                              "these (for example walk_away.keys[0].name)"))
                        .arg(profile::readable(path))
                        .arg(profile::fieldPaths().join(QStringLiteral(", "))));
    Sensor sensor;
    Records records;
    if (const auto status = connectAndRead(sensor, records))
        return *status;
    const QJsonValue value = profile::valueAt(detailed(records), path);
    // A part of an empty keystroke, or the name of a code without one, is absent.
    printOut(value.isString()      ? value.toString()
             : value.isUndefined() ? QStringLiteral("null")
                                   : profile::compactJson(value));
    return kSuccess;
}

int runSet(const Arguments &args)
{
    // The form of every assignment is checked before the sensor is asked.
    const QJsonObject anyProfile = profile::profileOf(Records{}, nullptr, profile::Layout::Full);
    profile::Refusals malformed;
    for (const QString &assignment : args.operands) {
        QJsonObject unused;
        if (const auto why = profile::addAssignment(unused, anyProfile, assignment))
            malformed.add(*why);
    }
    if (!malformed.isEmpty())
        return refuse(kAssignmentsRefused, malformed);
    Sensor sensor;
    Records stored;
    if (const auto status = connectAndRead(sensor, stored))
        return *status;
    const QJsonObject current = profile::profileOf(stored, nullptr, profile::Layout::Full);
    QJsonObject partial;
    for (const QString &assignment : args.operands)
        profile::addAssignment(partial, current, assignment);
    Records wanted = stored;
    if (const profile::Refusals refusals =
            profile::applyProfile(partial, wanted, profile::Header::None);
        !refusals.isEmpty())
        return refuse(kValuesRefused, refusals);
    return changeTo(sensor, stored, wanted, args);
}

// Sends the reset only when the stored configuration is not the factory one.
int runReset(const Arguments &args)
{
    const bool check = args.has("--check");
    if (!args.has("--yes") && !check)
        return fail(kRefused,
                    message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                              "reset returns every setting to its factory value; give --yes "
                                              "to do it, or --check to see what it would change")));
    Sensor sensor;
    Records before;
    if (const auto status = connectAndRead(sensor, before))
        return *status;
    const Records factory = kv3sim::factoryConfiguration();
    Records after = before;
    if (!(before == factory) && check) {
        after = factory;
    } else if (!(before == factory)) {
        if (const auto failure = sensor.resetFactory())
            return failWrite(*failure);
        if (const auto failure = sensor.readStored(after))
            return failCall(kSensorFailed,
                            message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                      "reset done, but cannot read the configuration back: %1")),
                            *failure);
    }
    reportOutcome(before, after, check, args.has("--json"));
    return kSuccess;
}

int runRange(const Arguments &args)
{
    Sensor sensor;
    Records records;
    if (const auto status = connectAndRead(sensor, records))
        return *status;
    RangeOptions options;
    options.watch = args.has("--watch");
    options.json = args.has("--json");
    options.count = args.count;
    options.detectionRange = records.sonar.MaxDist;
    return showRange(sensor, options);
}

namespace {

// --- Presets ----------------------------------------------------------------------

// A sequence as a profile's keys, without its trailing empty positions.
QJsonArray presetKeys(const config::KeySequence &sequence)
{
    QJsonArray keys;
    for (const config::Keystroke &key : sequence)
        keys << profile::keystrokeValue(key.code, key.mods);
    while (!keys.isEmpty() && keys.last().isNull())
        keys.removeLast();
    return keys;
}

const config::KeySequence &presetSequence(const ResolvedPreset &preset, const config::SequenceSetting &sequence)
{
    return sequence.firstSlot == config::kWalkAwaySlot0 ? preset.walkAway : preset.walkUp;
}

// Lays the preset's keys over a profile: they replace the keys of both
// sequences and leave every other field as it was.
void putPresetKeys(QJsonObject &profile, const ResolvedPreset &preset)
{
    for (const config::SequenceSetting &sequence : config::kKeySequences) {
        const QLatin1String name(sequence.section);
        QJsonObject section = profile.value(name).toObject();
        section[QLatin1String(config::kKeysName)] = presetKeys(presetSequence(preset, sequence));
        profile[name] = section;
    }
}

// What the answer in JSON says of the preset.
QJsonObject presetJson(const ResolvedPreset &preset)
{
    QJsonObject json{{QStringLiteral("name"), preset.name}, {QStringLiteral("title"), preset.title}};
    if (!preset.shortcut.isEmpty()) {
        json[QStringLiteral("shortcut")] = preset.shortcut;
        json[QStringLiteral("shortcut_read")] = preset.shortcutRead;
    }
    for (const config::SequenceSetting &sequence : config::kKeySequences)
        json[QLatin1String(sequence.section)] =
            QJsonObject{{QLatin1String(config::kKeysName), presetKeys(presetSequence(preset, sequence))}};
    return json;
}

// Every preset with its keys and where they come from; this-desktop with
// what it reads.
int listPresets(bool json)
{
    QJsonArray presets;
    for (const QString &name : presetNames()) {
        QList<i18n::Message> unusedWarnings;
        i18n::Message unused;
        QJsonObject entry{{QStringLiteral("name"), name}};
        const DesktopPreset *desktop = nullptr;
        for (const DesktopPreset &each : desktopPresets())
            if (name == QLatin1String(each.name))
                desktop = &each;
        if (name == QLatin1String(kThisDesktop)) {
            entry[QStringLiteral("title")] =
                QLatin1String(QT_TRANSLATE_NOOP("ostraval-ctl", "the running desktop's own lock shortcut, read in its session"));
        } else if (const std::optional<ResolvedPreset> preset = resolvePreset(name, unusedWarnings, unused)) {
            entry = presetJson(*preset);
            entry.remove(QStringLiteral("shortcut_read"));
            if (desktop)
                entry[QStringLiteral("source")] = QLatin1String(desktop->source);
        }
        presets << entry;
    }
    if (json) {
        printJson(QJsonObject{{QStringLiteral("presets"), presets}});
        return kSuccess;
    }
    for (const QJsonValue &value : presets) {
        const QJsonObject entry = value.toObject();
        // JSON holds the English title; people read it in their language.
        const QString title = shown(entry.value(QStringLiteral("title")).toString().toUtf8().constData());
        const QString shortcut = entry.value(QStringLiteral("shortcut")).toString();
        printOut(QStringLiteral("%1 %2").arg(entry.value(QStringLiteral("name")).toString(), -20).arg(
            shortcut.isEmpty() ? title : QStringLiteral("%1 (%2)").arg(title, shortcut)));
        for (const config::SequenceSetting &sequence : config::kKeySequences)
            if (entry.contains(QLatin1String(sequence.section)))
                printOut(QStringLiteral("    %1 %2").arg(QString::fromLatin1(sequence.showLabel) + QLatin1Char(':'), -16)
                             .arg(keysText(entry.value(QLatin1String(sequence.section))
                                               .toObject()
                                               .value(QLatin1String(config::kKeysName)))));
        if (entry.contains(QStringLiteral("source")))
            printOut(QStringLiteral("    %1 %2")
                         .arg(shown(QT_TRANSLATE_NOOP("ostraval-ctl", "From:")), -16)
                         .arg(entry.value(QStringLiteral("source")).toString()));
    }
    return kSuccess;
}

} // namespace

// Sets both keystroke sequences from a preset, and nothing else; with
// --profile, the profile's fields too, its keys replaced by the preset's.
int runPreset(const Arguments &args)
{
    //: %1 is the program
    const i18n::Message usage = message(QT_TRANSLATE_NOOP("ostraval-ctl", "usage: %1 preset NAME [--profile FILE] [--check] [--json] | "
                                                                          "preset --list [--json]"))
                                    .arg(QStringLiteral("ostraval-ctl"));
    if (args.has("--list"))
        return args.operands.isEmpty() && !args.profile && !args.has("--check") ? listPresets(args.has("--json"))
                                                                               : fail(kRefused, usage);
    if (args.operands.size() != 1)
        return fail(kRefused, usage);
    std::optional<QJsonObject> profile = QJsonObject{};
    if (args.profile && !(profile = readProfile(*args.profile)))
        return kRefused;
    QList<i18n::Message> warnings;
    i18n::Message why;
    const std::optional<ResolvedPreset> preset = resolvePreset(args.operands.first(), warnings, why);
    if (!preset)
        return fail(kRefused, why);
    for (const i18n::Message &warning : warnings)
        complain(shown(QT_TRANSLATE_NOOP("ostraval-ctl", "warning: %1")).arg(warning.shown()));
    putPresetKeys(*profile, *preset);
    Sensor sensor;
    Records stored;
    Records wanted;
    if (const auto status = storedAndWanted(*profile, sensor, stored, wanted,
                                            args.profile ? profile::Header::Required : profile::Header::None))
        return *status;
    return changeTo(sensor, stored, wanted, args, {{QStringLiteral("preset"), presetJson(*preset)}});
}

} // namespace ctl
