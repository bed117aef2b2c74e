#include "commands.h"

#include "output.h"
#include "profile.h"
#include "rangewatch.h"
#include "sensor.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <optional>
#include <span>

namespace ctl {

namespace {

// The command line of one command: its operands and its options.
struct Arguments {
    QStringList operands;
    QStringList flags;
    std::optional<int> count;

    bool has(const char *flag) const { return flags.contains(QLatin1String(flag)); }
};

using Runner = int (*)(const Arguments &);

struct Command {
    const char *name;
    const char *synopsis;
    const char *summary;
    QStringList flags;
    int minOperands;
    int maxOperands; // -1: any number
    Runner run;
};

const QString kProgram = QStringLiteral("ostraval-ctl");

// --- Reading and changing the sensor ----------------------------------------

void reportSensorFailure(const QString &what, const SensorFailure &failure)
{
    complain(what + failureText(failure));
}

void reportWriteFailure(const WriteFailure &failed)
{
    complain(failureText(failed.failure) +
             QStringLiteral("; nothing was committed: the stored configuration is as it was"));
    if (failed.reload)
        complain(QStringLiteral("while taking back the stored configuration, ") + failureText(*failed.reload) +
                 QStringLiteral("; the sensor works with uncommitted values until it is restarted"));
}

// Connects and reads the stored configuration; an exit status on failure.
std::optional<int> connectAndRead(Sensor &sensor, Records &records)
{
    if (const auto failure = sensor.connect()) {
        reportSensorFailure(QStringLiteral("cannot reach the sensor: "), *failure);
        return kSensorFailed;
    }
    if (const auto failure = sensor.readStored(records)) {
        reportSensorFailure(QStringLiteral("cannot read the stored configuration: "), *failure);
        return kSensorFailed;
    }
    return std::nullopt;
}

QJsonObject exported(const Records &records, const QString &warningPrefix = QString())
{
    QStringList warnings;
    QJsonObject profile = profile::profileOf(records, &warnings);
    complainEach(warningPrefix + QStringLiteral("warning: "), warnings);
    return profile;
}

QJsonArray changesJson(const QList<profile::Difference> &differences)
{
    QJsonArray changes;
    for (const profile::Difference &difference : differences)
        changes << QJsonObject{{QStringLiteral("field"), difference.field},
                               {QStringLiteral("from"), difference.from},
                               {QStringLiteral("to"), difference.to}};
    return changes;
}

void reportOutcome(const QList<profile::Difference> &differences, bool changed, bool check, bool json)
{
    if (json) {
        printJson(QJsonObject{{QStringLiteral("changed"), changed},
                              {QStringLiteral("check"), check},
                              {QStringLiteral("changes"), changesJson(differences)}});
        return;
    }
    for (const profile::Difference &difference : differences)
        printOut(profile::differenceLine(difference));
    if (!changed)
        printOut(QStringLiteral("No change: the sensor already holds these values."));
    else if (check)
        printOut(QStringLiteral("Check only: %1 field(s) would change; nothing was sent.").arg(differences.size()));
    else
        printOut(QStringLiteral("Changed: %1 field(s) written and committed.").arg(differences.size()));
}

// Sends the wanted configuration when it differs from the stored one.
int changeTo(Sensor &sensor, const Records &stored, const Records &wanted, const Arguments &args)
{
    const bool changed = !(stored == wanted);
    const bool check = args.has("--check");
    if (changed && !check) {
        if (const auto failure = sensor.write(wanted)) {
            reportWriteFailure(*failure);
            return kSensorFailed;
        }
    }
    reportOutcome(profile::differences(stored, wanted), changed, check, args.has("--json"));
    return kSuccess;
}

// --- Profile files ------------------------------------------------------------

constexpr qint64 kMaxProfileSize = 1024 * 1024;

std::optional<QByteArray> readFile(const QString &name)
{
    QFile file;
    const bool opened = name == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                    : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        complain(QStringLiteral("%1: cannot read: %2").arg(name, file.errorString()));
        return std::nullopt;
    }
    // A profile is a few kilobytes; anything far larger is not one, and
    // reading it whole (from a device, say) could take without end.
    const QByteArray text = file.read(kMaxProfileSize + 1);
    if (text.size() > kMaxProfileSize) {
        complain(QStringLiteral("%1: larger than %2 bytes: not a profile").arg(name).arg(kMaxProfileSize));
        return std::nullopt;
    }
    return text;
}

// The profile in a file, checked as a whole before the sensor is asked.
std::optional<QJsonObject> readProfile(const QString &name)
{
    const std::optional<QByteArray> text = readFile(name);
    if (!text)
        return std::nullopt;
    QJsonObject profile;
    QStringList refusals = profile::parseProfile(*text, profile);
    if (refusals.isEmpty()) {
        Records anyRecords;
        refusals = profile::applyProfile(profile, anyRecords);
    }
    if (!refusals.isEmpty()) {
        complainEach(name + QStringLiteral(": "), refusals);
        complain(QStringLiteral("%1: profile refused; nothing was sent").arg(name));
        return std::nullopt;
    }
    return profile;
}

bool writeFile(const QString &name, const QByteArray &text)
{
    if (name == QLatin1String("-")) {
        printOutRaw(text);
        return true;
    }
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    complain(QStringLiteral("%1: cannot write: %2").arg(name, file.errorString()));
    return false;
}

// --- Commands -------------------------------------------------------------------

QString firmwareText(int32_t version)
{
    return QStringLiteral("%1%2.%3%4")
        .arg((version >> 12) & 0xF, 0, 16)
        .arg((version >> 8) & 0xF, 0, 16)
        .arg((version >> 4) & 0xF, 0, 16)
        .arg(version & 0xF, 0, 16)
        .toUpper();
}

QString keysText(const QJsonValue &keys)
{
    QStringList positions;
    const QJsonArray list = keys.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        positions << QStringLiteral("%1: %2").arg(i + 1).arg(profile::valueText(list[i]));
    return positions.isEmpty() ? QStringLiteral("none") : positions.join(QStringLiteral(", "));
}

void printShow(const QJsonObject &p, int32_t firmware, const ObjRangeInfo &range)
{
    const auto value = [&p](const char *path) { return profile::valueAt(p, QString::fromLatin1(path)); };
    const auto onOff = [&](const char *path) {
        return value(path).toBool() ? QStringLiteral("on") : QStringLiteral("off");
    };
    const auto number = [&](const char *path) { return QString::number(value(path).toInteger()); };
    const QList<std::pair<const char *, QString>> lines = {
        {"Firmware version", firmwareText(firmware)},
        {"Detection range", number("detection_range") + QStringLiteral(" inches")},
        {"Walk-away delay", number("walk_away_delay") + QStringLiteral(" s")},
        {"Walk-up delay", number("walk_up_delay") + QStringLiteral(" s")},
        {"Power-up delay", number("power_up_delay") + QStringLiteral(" s")},
        {"LEDs", QStringLiteral("in range %1, out of range %2, transition %3")
                     .arg(onOff("leds.in_range"), onOff("leds.out_of_range"), onOff("leds.transition"))},
        {"Idle keystroke", QStringLiteral("%1, rate %2").arg(profile::valueText(value("idle.key")), number("idle.rate"))},
        {"Walk-away keys", keysText(value("walk_away.keys"))},
        {"Walk-away key delay", number("walk_away.key_delay") + QStringLiteral(" s")},
        {"Walk-up keys", keysText(value("walk_up.keys"))},
        {"Walk-up key delay", number("walk_up.key_delay") + QStringLiteral(" s")},
        {"Measured", plainLine(range)},
    };
    for (const auto &[label, text] : lines)
        printOut(QStringLiteral("%1 %2").arg(QString::fromLatin1(label) + QLatin1Char(':'), -21).arg(text));
}

int runShow(const Arguments &args)
{
    Sensor sensor;
    Records records;
    if (const auto status = connectAndRead(sensor, records))
        return *status;
    ObjRangeInfo range{};
    if (const auto failure = sensor.range(range)) {
        reportSensorFailure(QStringLiteral("cannot read the range: "), *failure);
        return kSensorFailed;
    }
    QJsonObject profile = exported(records);
    if (args.has("--json")) {
        profile[QStringLiteral("firmware")] = firmwareText(sensor.firmware());
        profile[QStringLiteral("range")] = rangeJson(range);
        printJson(profile);
    } else {
        printShow(profile, sensor.firmware(), range);
    }
    return kSuccess;
}

int runExport(const Arguments &args)
{
    Sensor sensor;
    Records records;
    if (const auto status = connectAndRead(sensor, records))
        return *status;
    const QString file = args.operands.value(0, QStringLiteral("-"));
    return writeFile(file, profile::profileText(exported(records))) ? kSuccess : kRefused;
}

// The stored configuration and what the profile named by the first operand
// makes of it: the profile is checked as a whole before the sensor is asked.
// An exit status when either fails.
std::optional<int> storedAndWanted(const Arguments &args, Sensor &sensor, Records &stored, Records &wanted)
{
    const std::optional<QJsonObject> profile = readProfile(args.operands.first());
    if (!profile)
        return kRefused;
    if (const auto status = connectAndRead(sensor, stored))
        return status;
    wanted = stored;
    profile::applyProfile(*profile, wanted); // already checked
    return std::nullopt;
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

// Records whose every keystroke is set, so that every path into a keystroke
// names something.
Records everyKeyInUse()
{
    Records records;
    for (WalkParms *walk : {&records.walkAway, &records.walkUp})
        for (int i = 0; i < 5; ++i)
            walk->KeyCode[i] = 4;
    records.idle.KeyCode = 4;
    return records;
}

QString rawText(const QJsonValue &value)
{
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

int runGet(const Arguments &args)
{
    const QString path = args.operands.first();
    if (profile::valueAt(profile::profileOf(everyKeyInUse(), nullptr, profile::KeyList::Full), path).isUndefined()) {
        complain(QStringLiteral("no field \"%1\"; fields are %2, and the parts of these (for example walk_away.keys[0].name)")
                     .arg(path, profile::fieldPaths().join(QStringLiteral(", "))));
        return kRefused;
    }
    Sensor sensor;
    Records records;
    if (const auto status = connectAndRead(sensor, records))
        return *status;
    QStringList warnings;
    const QJsonValue value = profile::valueAt(profile::profileOf(records, &warnings, profile::KeyList::Full), path);
    // A part of an empty keystroke, or the name of a code without one, is absent.
    printOut(value.isString() ? value.toString() : value.isUndefined() ? QStringLiteral("null") : rawText(value));
    return kSuccess;
}

int runSet(const Arguments &args)
{
    // The form of every assignment is checked before the sensor is asked.
    const QJsonObject anyProfile = profile::profileOf(Records{}, nullptr, profile::KeyList::Full);
    for (const QString &assignment : args.operands) {
        QJsonObject unused;
        if (const QString why = profile::addAssignment(unused, anyProfile, assignment); !why.isEmpty()) {
            complain(why);
            return kRefused;
        }
    }
    Sensor sensor;
    Records stored;
    if (const auto status = connectAndRead(sensor, stored))
        return *status;
    const QJsonObject current = profile::profileOf(stored, nullptr, profile::KeyList::Full);
    QJsonObject partial;
    for (const QString &assignment : args.operands)
        profile::addAssignment(partial, current, assignment);
    Records wanted = stored;
    if (const QStringList refusals = profile::applyProfile(partial, wanted, profile::Header::None);
        !refusals.isEmpty()) {
        complainEach(QString(), refusals);
        complain(QStringLiteral("values refused; nothing was sent"));
        return kRefused;
    }
    return changeTo(sensor, stored, wanted, args);
}

int runReset(const Arguments &args)
{
    if (!args.has("--yes")) {
        complain(QStringLiteral("reset returns every setting to its factory value; give --yes to do it"));
        return kRefused;
    }
    Sensor sensor;
    Records before;
    if (const auto status = connectAndRead(sensor, before))
        return *status;
    if (const auto failure = sensor.resetFactory()) {
        reportWriteFailure(*failure);
        return kSensorFailed;
    }
    Records after;
    if (const auto failure = sensor.readStored(after)) {
        reportSensorFailure(QStringLiteral("reset done, but cannot read the configuration back: "), *failure);
        return kSensorFailed;
    }
    reportOutcome(profile::differences(before, after), !(before == after), false, args.has("--json"));
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

const QList<Command> &commands()
{
    static const QList<Command> kCommands = {
        {"show", "show [--json]",
         "the sensor's stored configuration, firmware version and measured range; --json prints them as one "
         "profile-shaped JSON object",
         {QStringLiteral("--json")}, 0, 0, runShow},
        {"export", "export [FILE]",
         "the stored configuration as a profile, to FILE or to standard output (without FILE or with -)",
         {}, 0, 1, runExport},
        {"import", "import FILE [--check] [--json]",
         "checks the whole profile (- reads standard input), then writes and commits what differs; "
         "--check sends nothing and only tells what would change",
         {QStringLiteral("--check"), QStringLiteral("--json")}, 1, 1, runImport},
        {"diff", "diff FILE [--json]",
         "one line per field that differs between the sensor and the profile (\"walk_away_delay: 5 -> 10\"); "
         "exit status 1 when something differs; --json prints {\"differs\": ..., \"changes\": [...]}",
         {QStringLiteral("--json")}, 1, 1, runDiff},
        {"get", "get FIELD", "one value by its profile path, for example detection_range, leds.in_range, "
                             "walk_away.key_delay, walk_away.keys[0].name",
         {}, 1, 1, runGet},
        {"set", "set FIELD=VALUE... [--check] [--json]",
         "checks every value, then writes and commits what differs; VALUE is JSON (36, true, null, "
         "[\"left-ctrl\"]) or text (walk_away.keys[0].name=DELETE, walk_away.keys[0].mods=left-ctrl,left-alt)",
         {QStringLiteral("--check"), QStringLiteral("--json")}, 1, -1, runSet},
        {"reset", "reset --yes [--json]", "returns the sensor to its factory configuration",
         {QStringLiteral("--yes"), QStringLiteral("--json")}, 0, 0, runReset},
        {"range", "range [--watch [--count N]] [--json]",
         "the measured distance and the in-range flags; --watch redraws once a second until Ctrl+C (exit "
         "status 0), as a bar against the detection range on a terminal and as plain lines otherwise; "
         "--count N stops after N readings",
         {QStringLiteral("--watch"), QStringLiteral("--json")}, 0, 0, runRange},
    };
    return kCommands;
}

// Breaks a text into lines of at most `width` characters after `indent`.
QString wrapped(const QString &text, int indent, int width = 78)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    lines << line;
    return QString(indent, QLatin1Char(' ')) + lines.join(QLatin1Char('\n') + QString(indent, QLatin1Char(' ')));
}

void printUsage()
{
    printOut(QStringLiteral("Usage: %1 COMMAND [ARGUMENTS]\n\n"
                            "Reads, saves, compares and changes the presence sensor's configuration.\n\n"
                            "Commands:")
                 .arg(kProgram));
    for (const Command &command : commands())
        printOut(QStringLiteral("  %1 %2\n%3").arg(kProgram, QLatin1String(command.synopsis),
                                                   wrapped(QLatin1String(command.summary), 6)));
    printOut(QStringLiteral("  %1 --help | --version\n\n"
                            "Every change is checked as a whole first: a refused value sends nothing,\n"
                            "and a failed call commits nothing. Messages go to standard error.\n\n"
                            "Exit status: 0 success; 1 diff found a difference; 2 usage error or\n"
                            "refused profile or value; 3 the sensor failed or could not be reached.\n\n"
                            "The simulated sensor behind the device library takes its settings from\n"
                            "the environment (KV3RAPI_SIM_*); see ostraval-config(1).")
                 .arg(kProgram));
}

const Command *commandNamed(const QString &name)
{
    for (const Command &command : commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

// Splits the command's arguments into operands and options; nothing after a
// message when they do not fit the command.
std::optional<Arguments> parse(const Command &command, std::span<const QString> words)
{
    Arguments args;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            args.operands << word;
        } else if (word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (word == QLatin1String("--count") && command.run == runRange) {
            bool isNumber = false;
            const int count = i + 1 < words.size() ? words[i + 1].toInt(&isNumber) : 0;
            if (!isNumber || count < 1) {
                complain(QStringLiteral("--count needs a number of readings from 1"));
                return std::nullopt;
            }
            args.count = count;
            ++i;
        } else if (command.flags.contains(word)) {
            args.flags << word;
        } else {
            complain(QStringLiteral("%1: unknown option \"%2\"; usage: %3 %4")
                         .arg(QLatin1String(command.name), word, kProgram, QLatin1String(command.synopsis)));
            return std::nullopt;
        }
    }
    const int count = static_cast<int>(args.operands.size());
    if (count < command.minOperands || (command.maxOperands >= 0 && count > command.maxOperands)) {
        complain(QStringLiteral("usage: %1 %2").arg(kProgram, QLatin1String(command.synopsis)));
        return std::nullopt;
    }
    if (args.count && !args.has("--watch")) {
        complain(QStringLiteral("--count goes with --watch"));
        return std::nullopt;
    }
    return args;
}

} // namespace

int run(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        complain(QStringLiteral("a command is needed; try '%1 --help'").arg(kProgram));
        return kRefused;
    }
    const QString first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printUsage();
        return kSuccess;
    }
    if (first == QLatin1String("--version")) {
        printOut(QStringLiteral("%1 %2").arg(kProgram, QStringLiteral(OSTRAVAL_RELEASE_VERSION)));
        return kSuccess;
    }
    const Command *command = commandNamed(first);
    if (!command) {
        complain(QStringLiteral("unknown command \"%1\"; try '%2 --help'").arg(first, kProgram));
        return kRefused;
    }
    const std::span<const QString> rest(arguments.constData() + 1, static_cast<std::size_t>(arguments.size() - 1));
    if (std::find(rest.begin(), rest.end(), QStringLiteral("--help")) != rest.end()) {
        printOut(QStringLiteral("Usage: %1 %2\n%3").arg(kProgram, QLatin1String(command->synopsis),
                                                        wrapped(QLatin1String(command->summary), 0)));
        return kSuccess;
    }
    const std::optional<Arguments> args = parse(*command, rest);
    return args ? command->run(*args) : kRefused;
}

} // namespace ctl
