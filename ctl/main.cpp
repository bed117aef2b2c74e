// ostraval-ctl: the sensor's configuration from the command line.
#include "catalogues.h"
#include "commands.h"

#include <QCoreApplication>

#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard stream that the caller closed is held by /dev/null opened the
// other way round: no file the tool opens takes its number (standard input
// would read the sensor's lock file), and reading or writing it still fails
// as on a closed stream.
void holdClosedStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int held = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    // Messages and labels in the user's language; JSON answers stay English.
    QCoreApplication application(argc, argv);
    i18n::installTranslators(application);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return ctl::run(arguments);
}
