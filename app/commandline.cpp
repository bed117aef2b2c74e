#include "commandline.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

namespace app {

namespace {

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("Show this help and exit."));
const QCommandLineOption kVersion({QStringLiteral("v"), QStringLiteral("version")},
                                  QStringLiteral("Show the program's version and exit."));

QString helpText()
{
    return QStringLiteral(
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

} // namespace

QString programName()
{
    return QStringLiteral("ostraval-config");
}

std::optional<int> handleCommandLine(const QStringList &args, QTextStream &out,
                                     QTextStream &err)
{
    QCommandLineParser parser;
    parser.addOption(kHelp);
    parser.addOption(kVersion);
    if (!parser.parse(args)) {
        err << programName() << ": " << parser.errorText()
            << " (try --help)\n";
        return kExitUsage;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << programName() << ": unexpected argument '"
            << parser.positionalArguments().constFirst() << "' (try --help)\n";
        return kExitUsage;
    }
    if (parser.isSet(kHelp)) {
        out << helpText();
        return kExitOk;
    }
    if (parser.isSet(kVersion)) {
        out << programName() << ' ' << OSTRAVAL_RELEASE_VERSION << '\n';
        return kExitOk;
    }
    return std::nullopt;
}

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Ostraval Configuration Utility"));
    QCoreApplication::setOrganizationName(QStringLiteral("Zelvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OSTRAVAL_RELEASE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(OSTRAVAL_APP_ID));
}

} // namespace app
