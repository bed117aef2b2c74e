// The utility's command line and identity.
#pragma once

#include <QStringList>

#include <optional>

class QCoreApplication;
class QTextStream;

namespace app {

// Exit statuses of the command line.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

// The program's name on the command line.
QString programName();

// Handles the arguments (args[0] is the program): --help and --version print
// to `out` and give 0; anything else but no argument at all prints one line
// to `err` and gives 2. Empty when the window should open.
std::optional<int> handleCommandLine(const QStringList &args, QTextStream &out,
                                     QTextStream &err);

// Whether the arguments are accepted as they stand and ask only for --help
// or --version, which are answered without a display.
bool onlyAnswersQuestions(const QStringList &args);

// Names the application to the desktop and to accessibility tools.
void setIdentity();

} // namespace app
