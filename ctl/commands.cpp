#include "commands.h"

#include "desktops.h"
#include "output.h"
#include "profile.h"
#include "readable.h"
#include "runners.h"

#include <algorithm>
#include <optional>
#include <span>

namespace ctl {

namespace {

using Runner = int (*)(const Arguments &);

// What a command's operands are, for completing them.
enum class Operands { None, File, Field, Assignments, Presets };

struct Command {
    const char *name;
    const char *synopsis;
    const char *summary;
    QStringList flags;
    Operands operands;
    int minOperands;
    int maxOperands; // -1: any number
    Runner run;
};

const QString kProgram = QStringLiteral("ostraval-ctl");

const QList<Command> &commands()
{
    const QString json = QStringLiteral("--json");
    const QString check = QStringLiteral("--check");
    static const QList<Command> kCommands = {
        {"show", "show [--json]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor's stored configuration, firmware version and measured range; --json prints them as one "
         "profile-shaped JSON object with \"firmware\" and \"range\" added"),
         {json}, Operands::None, 0, 0, runShow},
        {"export", "export [FILE]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "the stored configuration as a profile, to FILE or to standard output (without FILE or with -); an "
         "existing FILE is replaced only by a complete profile"),
         {}, Operands::File, 0, 1, runExport},
        {"import", "import FILE [--check] [--json]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "checks the whole profile (- reads standard input), then writes and commits what differs; --check "
         "sends nothing and only tells what would change"),
         {check, json}, Operands::File, 1, 1, runImport},
        {"diff", "diff FILE [--json]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "one line per field that differs between the sensor and the profile (\"walk_away_delay: 5 -> 10\"); "
         "exit status 1 when something differs; --json prints {\"differs\": ..., \"changes\": [{\"path\", "
         "\"before\", \"after\"}, ...]}"),
         {json}, Operands::File, 1, 1, runDiff},
        {"get", "get FIELD",
         QT_TRANSLATE_NOOP("ostraval-ctl", "one value by its profile path, for example detection_range, leds.in_range, walk_away.key_delay, "
         "walk_away.keys[0].name"),
         {}, Operands::Field, 1, 1, runGet},
        {"set", "set FIELD=VALUE... [--check] [--json]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "checks every value, then writes and commits what differs; VALUE is JSON (36, true, null, "
         "[\"left-ctrl\"]) or text as show prints it (on, off, left-ctrl+DELETE (76), none), a key name "
         "(walk_away.keys[0].name=DELETE) or modifier names (walk_away.keys[0].mods=left-ctrl,left-alt); "
         "--check sends nothing and only tells what would change"),
         {check, json}, Operands::Assignments, 1, -1, runSet},
        {"reset", "reset --yes|--check [--json]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "returns the sensor to its factory configuration, sending nothing when it already holds it; --check "
         "sends nothing and only tells what would change"),
         {QStringLiteral("--yes"), check, json}, Operands::None, 0, 0, runReset},
        {"range", "range [--watch [--count N]] [--json]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "the measured distance and the in-range flags; --watch redraws once a second until Ctrl+C (exit "
         "status 0), as a bar against the detection range on a terminal and as plain lines otherwise; "
         "--count N stops after N readings"),
         {QStringLiteral("--watch"), QStringLiteral("--count"), json}, Operands::None, 0, 0, runRange},
        {"preset", "preset NAME [--profile FILE] [--check] [--json] | preset --list [--json]",
         QT_TRANSLATE_NOOP("ostraval-ctl", "sets the walk-away and walk-up keystrokes to a desktop's own lock and wake keys (gnome, plasma, "
         "xfce, cinnamon, mate), to those of one of the window's logon presets (windows-2000, "
         "windows-xp-classic, xp-welcome-screen), or, with this-desktop, to the lock shortcut the running "
         "desktop holds, and changes nothing else; --profile also applies the profile (- reads standard "
         "input), its keys replaced by the preset's; --check sends nothing and only tells what would "
         "change; --list names the presets with their keys"),
         {QStringLiteral("--list"), QStringLiteral("--profile"), check, json}, Operands::Presets, 0, 1, runPreset},
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

// The answers to --json and the exit statuses, for the help texts.
const char *const kAnswers = QT_TRANSLATE_NOOP("ostraval-ctl",
    "Answers in JSON (--json), one object on standard output:\n"
    "  import, set, reset  {\"changed\": true|false, \"check\": true|false,\n"
    "                       \"changes\": [{\"path\": ..., \"before\": ..., \"after\": ...}],\n"
    "                       \"before\": PROFILE, \"after\": PROFILE}\n"
    "                      the stored configuration before, and the one the sensor\n"
    "                      holds (with --check: would hold) after, as export\n"
    "                      writes them; preset adds \"preset\": {\"name\", \"title\",\n"
    "                      \"walk_away\", \"walk_up\", \"shortcut\", \"shortcut_read\"}\n"
    "  preset --list       {\"presets\": [{\"name\", \"title\", \"walk_away\",\n"
    "                       \"walk_up\", \"shortcut\", \"source\"}, ...]}\n"
    "  diff                {\"differs\": true|false, \"changes\": [...]}\n"
    "  any failure         {\"error\": {\"status\": N, \"message\": ..., \"call\": ...,\n"
    "                       \"errno\": N, \"problems\": [{\"path\": ..., \"value\": ...,\n"
    "                       \"allowed\": ..., \"message\": ...}]}}\n"
    "                      \"call\" and \"errno\" for a failed library call,\n"
    "                      \"problems\" for a refused profile or assignment; the\n"
    "                      exit status and the message on standard error are as\n"
    "                      without --json\n");

const char *const kStatuses = QT_TRANSLATE_NOOP("ostraval-ctl",
    "Exit status: 0 success; 1 diff found a difference; 2 usage error, or\n"
    "refused profile or value; 3 the sensor failed or could not be reached;\n"
    "4 the output could not be written.");

void printUsage()
{
    //: %1 is the program
    printOut(shown(QT_TRANSLATE_NOOP("ostraval-ctl",
                                     "Usage: %1 COMMAND [ARGUMENTS]\n\n"
                                     "Reads, saves, compares and changes the presence sensor's configuration.\n\n"
                                     "Commands:"))
                 .arg(kProgram));
    for (const Command &command : commands())
        printOut(QStringLiteral("  %1 %2\n%3").arg(kProgram, QLatin1String(command.synopsis),
                                                   wrapped(shown(command.summary), 6)));
    printOut(shown(QT_TRANSLATE_NOOP("ostraval-ctl",
                                     "  %1 COMMAND --help | help COMMAND\n"
                                     "      the command's usage\n"
                                     "  %1 --help | --version [--json]\n\n"
                                     "Every change is checked as a whole first: a refused value sends nothing,\n"
                                     "and a failed call commits nothing. Messages go to standard error.\n"))
                 .arg(kProgram));
    printOut(shown(kAnswers));
    printOut(shown(kStatuses) + QLatin1Char('\n'));
    printOut(shown(QT_TRANSLATE_NOOP("ostraval-ctl",
                                     "The simulated sensor behind the device library takes its settings from\n"
                                     "the environment (KV3RAPI_SIM_*); see ostraval-config(1).")));
}

void printCommandUsage(const Command &command)
{
    //: %1 is the program, %2 the command's synopsis, %3 what it does
    printOut(shown(QT_TRANSLATE_NOOP("ostraval-ctl", "Usage: %1 %2\n%3\n"))
                 .arg(kProgram, QLatin1String(command.synopsis), wrapped(shown(command.summary), 0)));
    if (command.flags.contains(QStringLiteral("--json")))
        printOut(shown(kAnswers));
    printOut(shown(kStatuses));
}

const Command *commandNamed(const QString &name)
{
    for (const Command &command : commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

bool asksForHelp(const QString &word)
{
    return word == QLatin1String("--help") || word == QLatin1String("-h");
}

// The words before "--", where options stand.
std::span<const QString> optionWords(std::span<const QString> words)
{
    return words.first(static_cast<std::size_t>(std::find(words.begin(), words.end(), QStringLiteral("--")) -
                                                 words.begin()));
}

int usageError(const i18n::Message &text)
{
    return fail(kRefused, text);
}

i18n::Message unknownCommand(const QString &name)
{
    //: %1 is the word given as a command, %2 the program
    return message(QT_TRANSLATE_NOOP("ostraval-ctl", "unknown command \"%1\"; try '%2 --help'"))
        .arg(profile::readable(name))
        .arg(kProgram);
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
        } else if (!command.flags.contains(word)) {
            //: %1 is the command, %2 the option, %3 the program, %4 the command's synopsis
            usageError(message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: unknown option \"%2\"; usage: %3 %4"))
                           .arg(QLatin1String(command.name))
                           .arg(profile::readable(word))
                           .arg(kProgram)
                           .arg(QLatin1String(command.synopsis)));
            return std::nullopt;
        } else if (word == QLatin1String("--count")) {
            bool isNumber = false;
            const int count = i + 1 < words.size() ? words[i + 1].toInt(&isNumber) : 0;
            if (!isNumber || count < 1) {
                usageError(message(QT_TRANSLATE_NOOP("ostraval-ctl", "--count needs a number of readings from 1")));
                return std::nullopt;
            }
            args.count = count;
            ++i;
        } else if (word == QLatin1String("--profile")) {
            if (i + 1 >= words.size() || words[i + 1].startsWith(QLatin1String("--"))) {
                usageError(message(QT_TRANSLATE_NOOP("ostraval-ctl", "--profile needs a profile file, or - for standard input")));
                return std::nullopt;
            }
            args.profile = words[++i];
        } else {
            args.flags << word;
        }
    }
    const int count = static_cast<int>(args.operands.size());
    if (count < command.minOperands || (command.maxOperands >= 0 && count > command.maxOperands)) {
        //: %1 is the program, %2 the command's synopsis
        usageError(message(QT_TRANSLATE_NOOP("ostraval-ctl", "usage: %1 %2"))
                       .arg(kProgram)
                       .arg(QLatin1String(command.synopsis)));
        return std::nullopt;
    }
    if (args.count && !args.has("--watch")) {
        usageError(message(QT_TRANSLATE_NOOP("ostraval-ctl", "--count goes with --watch")));
        return std::nullopt;
    }
    return args;
}

// --- Completion -------------------------------------------------------------------

// Field paths and the parts of each keystroke.
QStringList completionPaths()
{
    QStringList paths;
    for (const QString &path : profile::fieldPaths()) {
        paths << path;
        if (path.endsWith(QLatin1Char(']')) || path.endsWith(QLatin1String(".key")))
            for (const char *part : {".name", ".code", ".mods"})
                paths << path + QLatin1String(part);
    }
    return paths;
}

// The words that may come next, one a line, for the shell's completion:
// without a command the commands and the program's options; after one its
// options, then its field paths (with "=" for set), or ":files" where file
// names fit.
int printCompletionWords(std::span<const QString> words)
{
    QStringList candidates;
    const Command *command = words.empty() ? nullptr : commandNamed(words.front());
    if (!words.empty() && words.front() == QLatin1String("help")) {
        for (const Command &each : commands())
            candidates << QLatin1String(each.name);
    } else if (!command) {
        for (const Command &each : commands())
            candidates << QLatin1String(each.name);
        candidates << QStringLiteral("help") << QStringLiteral("--help") << QStringLiteral("--version");
    } else {
        candidates << command->flags << QStringLiteral("--help");
        if (command->operands == Operands::File)
            candidates << QStringLiteral(":files");
        else if (command->operands == Operands::Field)
            candidates << completionPaths();
        else if (command->operands == Operands::Presets)
            candidates << presetNames();
        else if (command->operands == Operands::Assignments)
            for (const QString &path : completionPaths())
                candidates << path + QLatin1Char('=');
    }
    printOut(candidates.join(QLatin1Char('\n')));
    return kSuccess;
}

int runCommand(const QString &name, std::span<const QString> rest)
{
    if (name == QLatin1String("__complete"))
        return printCompletionWords(rest);
    if (name == QLatin1String("help") && !rest.empty()) {
        const Command *command = commandNamed(rest.front());
        if (!command)
            return usageError(unknownCommand(rest.front()));
        printCommandUsage(*command);
        return kSuccess;
    }
    if (asksForHelp(name) || name == QLatin1String("help")) {
        printUsage();
        return kSuccess;
    }
    if (name == QLatin1String("--version")) {
        if (std::find(rest.begin(), rest.end(), QStringLiteral("--json")) != rest.end())
            printJson(QJsonObject{{QStringLiteral("program"), kProgram},
                                  {QStringLiteral("version"), QStringLiteral(OSTRAVAL_RELEASE_VERSION)},
                                  {QStringLiteral("interface"), kJsonInterface}});
        else
            printOut(QStringLiteral("%1 %2").arg(kProgram, QStringLiteral(OSTRAVAL_RELEASE_VERSION)));
        return kSuccess;
    }
    const Command *command = commandNamed(name);
    if (!command)
        return usageError(unknownCommand(name));
    const std::span<const QString> options = optionWords(rest);
    if (std::any_of(options.begin(), options.end(), asksForHelp)) {
        printCommandUsage(*command);
        return kSuccess;
    }
    const std::optional<Arguments> args = parse(*command, rest);
    return args ? command->run(*args) : kRefused;
}

} // namespace

int run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return finish(usageError(
            message(QT_TRANSLATE_NOOP("ostraval-ctl", "a command is needed; try '%1 --help'")).arg(kProgram)));
    const std::span<const QString> rest(arguments.constData() + 1, static_cast<std::size_t>(arguments.size() - 1));
    const std::span<const QString> options = optionWords(rest);
    answerFailuresInJson(std::find(options.begin(), options.end(), QStringLiteral("--json")) != options.end());
    return finish(runCommand(arguments.first(), rest));
}

} // namespace ctl
