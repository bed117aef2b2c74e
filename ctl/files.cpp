#include "files.h"

#include "output.h"
#include "readable.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ctl {

namespace {

bool isStandardStream(const QString &name)
{
    return name == QLatin1String("-");
}

// The system's reason: in the user's language for people, in English
// (glibc's untranslated description) for the JSON answer.
i18n::Message systemError(int error)
{
    const QString shown = QString::fromLocal8Bit(std::strerror(error));
    const char *english = ::strerrordesc_np(error);
    return i18n::Message::both(english ? QString::fromLatin1(english) : shown, shown);
}

std::nullopt_t cannotRead(const QString &name, const i18n::Message &why)
{
    //: %1 is the file, %2 the reason
    fail(kRefused, message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: cannot read: %2")).arg(shownName(name)).arg(why));
    return std::nullopt;
}

// Opens a profile path for reading without waiting on it: a FIFO would block
// an ordinary open until a writer came. -1 after a message.
int openRegularFile(const QString &name)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        cannotRead(name, systemError(errno));
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        fail(kRefused, message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: not a regular file: a profile is read "
                                                                 "from a file, or from standard input given as -"))
                           .arg(shownName(name)));
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Up to `limit` bytes of an open file; nothing, with the reason in `why`,
// on a read error. (Read through QFile, which reads on until the limit or the
// end, whatever a pipe hands over at a time.)
std::optional<QByteArray> readUpTo(int fd, qint64 limit, i18n::Message &why)
{
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
        why = i18n::Message::verbatim(file.errorString());
        return std::nullopt;
    }
    QByteArray text = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        why = i18n::Message::verbatim(file.errorString());
        return std::nullopt;
    }
    return text;
}

} // namespace

QString shownName(const QString &name)
{
    return isStandardStream(name) ? QStringLiteral("standard input") : profile::readable(name);
}

std::optional<QByteArray> readProfileFile(const QString &name)
{
    const int fd = isStandardStream(name) ? STDIN_FILENO : openRegularFile(name);
    if (fd < 0)
        return std::nullopt;
    i18n::Message why;
    const std::optional<QByteArray> text = readUpTo(fd, kMaxProfileSize + 1, why);
    if (fd != STDIN_FILENO)
        ::close(fd);
    if (!text)
        return cannotRead(name, why);
    if (text->size() > kMaxProfileSize) {
        fail(kRefused, message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: larger than %2 bytes: not a profile"))
                           .arg(shownName(name))
                           .arg(QString::number(kMaxProfileSize)));
        return std::nullopt;
    }
    return text;
}

bool writeOutputFile(const QString &name, const QByteArray &bytes)
{
    if (isStandardStream(name)) {
        printOutRaw(bytes);
        return true;
    }
    // Qt 6.4's QSaveFile::commit() renames the new file into place even when
    // its buffered data could not be written at the flush (a full disk), and
    // ignores a failed sync: the file is written unbuffered, the write
    // checked, and synced here before the commit, which then only renames.
    QSaveFile file(name);
    i18n::Message why;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = i18n::Message::verbatim(file.errorString());
    } else if (errno = 0; file.write(bytes) != bytes.size()) {
        why = file.error() != QFileDevice::NoError ? i18n::Message::verbatim(file.errorString())
                                                   : systemError(errno != 0 ? errno : EIO);
        file.cancelWriting();
    } else if (::fsync(file.handle()) != 0) {
        why = systemError(errno);
        file.cancelWriting();
    }
    if (why.isEmpty() && file.commit())
        return true;
    if (why.isEmpty())
        why = i18n::Message::verbatim(file.errorString());
    const char *const kept = QFile::exists(name)
                                 //: %1 is the file, %2 the reason
                                 ? QT_TRANSLATE_NOOP("ostraval-ctl", "%1: cannot write: %2; the file is as it was")
                                 : QT_TRANSLATE_NOOP("ostraval-ctl", "%1: cannot write: %2; no file was made");
    fail(kOutputFailed, message(kept)
                            .arg(shownName(name))
                            .arg(i18n::Message::both(profile::readable(why.english()), profile::readable(why.shown()))));
    return false;
}

} // namespace ctl
