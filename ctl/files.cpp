#include "files.h"

#include "output.h"
#include "readable.h"

#include <QCoreApplication>
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

// Writes all the bytes to an open descriptor; 0, or the error number.
int writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return put < 0 ? errno : EIO;
        done += put;
    }
    return 0;
}

// Whether a path's file is written in place, as standard output is: a
// character device (a terminal among them) or a FIFO. Replacing it would put
// a file where the device or pipe was.
bool isStream(mode_t mode)
{
    return S_ISCHR(mode) || S_ISFIFO(mode);
}

// Writes to a stream in place. Opening a FIFO waits for its reader, as a
// shell's redirection does. The opened file is looked at again, so that a
// regular file put in the stream's place meanwhile is still replaced whole:
// nothing then, for the caller to replace it.
std::optional<int> writeInPlace(const QString &name, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat status {};
        if (::fstat(fd, &status) != 0 || !isStream(status.st_mode)) {
            ::close(fd);
            return std::nullopt;
        }
        error = writeAll(fd, bytes);
        if (::close(fd) != 0 && error == 0)
            error = errno;
    }
    if (error == 0)
        return kSuccess;
    return fail(kOutputFailed, message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: cannot write: %2"))
                                   .arg(shownName(name))
                                   .arg(systemError(error)));
}

// What the path names, links followed; nothing when there is nothing yet (or
// it cannot be looked at, which the write then reports).
std::optional<mode_t> existingKind(const QString &name)
{
    struct stat status {};
    if (::stat(QFile::encodeName(name).constData(), &status) != 0)
        return std::nullopt;
    return status.st_mode & S_IFMT;
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

std::optional<int> refusedOutput(const QString &name)
{
    const std::optional<mode_t> kind = isStandardStream(name) ? std::nullopt : existingKind(name);
    const char *text = nullptr;
    if (kind == S_IFDIR)
        text = QT_TRANSLATE_NOOP("ostraval-ctl", "%1: cannot write a profile into a directory; nothing was written");
    else if (kind == S_IFSOCK)
        text = QT_TRANSLATE_NOOP("ostraval-ctl", "%1: cannot write a profile into a socket; nothing was written");
    else if (kind == S_IFBLK)
        text = QT_TRANSLATE_NOOP("ostraval-ctl", "%1: cannot write a profile onto a block device; nothing was written");
    if (text == nullptr)
        return std::nullopt;
    return fail(kRefused, message(text).arg(shownName(name)));
}

namespace {

// Replaces the file by a complete new one, or leaves it as it was. False
// after a message.
bool replaceFile(const QString &name, const QByteArray &bytes)
{
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

} // namespace

int writeOutputFile(const QString &name, const QByteArray &bytes)
{
    if (isStandardStream(name)) {
        printOutRaw(bytes);
        return kSuccess; // finish() checks standard output
    }
    if (const auto status = refusedOutput(name))
        return *status;
    if (const std::optional<mode_t> kind = existingKind(name); kind && isStream(*kind))
        if (const auto status = writeInPlace(name, bytes))
            return *status;
    return replaceFile(name, bytes) ? kSuccess : kOutputFailed;
}

} // namespace ctl
