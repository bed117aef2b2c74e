#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

namespace app {

namespace {

// Made after the translators are installed, so their texts are translated.
QCommandLineOption helpOption()
{
    return {{QStringLiteral("h"), QStringLiteral("help")},
            QCoreApplication::translate("CommandLine", "Show this help and exit.")};
}

QCommandLineOption versionOption()
{
    return {{QStringLiteral("v"), QStringLiteral("version")},
            QCoreApplication::translate("CommandLine", "Show the program's version and exit.")};
}

QString helpText()
{
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: %1 [OPTION]\n"
               "Reads, shows, edits and writes the stored configuration of the Ostraval USB\n"
               "presence sensor in one window.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Show this help and exit.\n"
               "  -v, --version  Show the program's version and exit.\n"
               "\n"
               "The simulated sensor behind the device library takes its settings from\n"
               "the environment (KV3RAPI_SIM_*); see %1(1).\n")
        .arg(programName());
}

// The parser of our own options. A word with one dash is one option
// ("-bogus" is named whole, not as the letters b, o, g, u, s); Qt's own
// options are gone from the arguments once QApplication has read them.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help = helpOption();
    QCommandLineOption version = versionOption();

    Parser()
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        // X11's options, which only the xcb platform takes away: under
        // Wayland or offscreen they stay and are let pass, as there.
        for (const char *name : {"display", "geometry", "title", "icon", "name", "visual"}) {
            QCommandLineOption x11(QString::fromLatin1(name));
            x11.setValueName(QStringLiteral("value"));
            x11.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(x11);
        }
    }
};

} // namespace

QString programName()
{
    return QStringLiteral("ostraval-config");
}

// What is wrong with the command line. An unknown option is named whole, as
// it was typed ("-bogus"); Qt's parser names it without its dashes.
QString commandLineError(const QCommandLineParser &parser, const QStringList &args)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    QString typed = unknown.constFirst();
    for (const QString &word : args.mid(1)) {
        if (word == QLatin1String("--"))
            break;
        const QString option = word.section(QLatin1Char('='), 0, 0);
        const qsizetype dashes = option.startsWith(QLatin1String("--")) ? 2 : 1;
        if (option.startsWith(QLatin1Char('-')) && QStringView(option).mid(dashes) == typed) {
            typed = option;
            break;
        }
    }
    //: %1 is the option as the user typed it
    return QCoreApplication::translate("CommandLine", "Unknown option '%1'.").arg(typed);
}

std::optional<int> handleCommandLine(const QStringList &args, QTextStream &out,
                                     QTextStream &err)
{
    Parser command;
    QCommandLineParser &parser = command.parser;
    if (!parser.parse(args)) {
        //: %1 is the program, %2 what is wrong with its command line
        err << QCoreApplication::translate("CommandLine", "%1: %2 (try --help)")
                   .arg(programName(), commandLineError(parser, args))
            << '\n';
        return kExitUsage;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << QCoreApplication::translate("CommandLine", "%1: unexpected argument '%2' (try --help)")
                   .arg(programName(), parser.positionalArguments().constFirst())
            << '\n';
        return kExitUsage;
    }
    if (parser.isSet(command.help)) {
        out << helpText();
        return kExitOk;
    }
    if (parser.isSet(command.version)) {
        out << programName() << ' ' << OSTRAVAL_RELEASE_VERSION << '\n';
        return kExitOk;
    }
    return std::nullopt;
}

bool onlyAnswersQuestions(const QStringList &args)
{
    Parser command;
    return command.parser.parse(args) && command.parser.positionalArguments().isEmpty()
        && (command.parser.isSet(command.help) || command.parser.isSet(command.version));
}

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Ostraval Configuration Utility"));
    QCoreApplication::setOrganizationName(QStringLiteral("Zelvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OSTRAVAL_RELEASE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(OSTRAVAL_APP_ID));
}

} // namespace app
