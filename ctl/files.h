// Profile files: read whole or not at all; written whole or not at all, or
// in place to a pipe or device.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ctl {

// A profile is a few kilobytes; anything far larger is not one.
inline constexpr qint64 kMaxProfileSize = 1024 * 1024;

// The bytes of the file named (standard input for "-"). A path that is not
// a regular file (a FIFO, a device, a directory) is refused at once, never
// waited on. Reports the failure and returns nothing when it cannot be read.
std::optional<QByteArray> readProfileFile(const QString &name);

// Refuses an output path that can take no profile, before anything is done:
// a directory, a socket or a block device. Reports it and gives exit status
// 2; nothing when the path may be written.
std::optional<int> refusedOutput(const QString &name);

// Writes the bytes to the path named (standard output for "-"); the exit
// status. A character device (a terminal among them) or a FIFO is written in
// place, as standard output is, waiting for a FIFO's reader. A regular file,
// or a path that does not exist yet, is replaced only by a complete new file;
// on any failure it stays as it was. A link is followed. Reports a failure
// (exit status 4; 2 for a path refusedOutput() refuses).
int writeOutputFile(const QString &name, const QByteArray &bytes);

// The file's name as messages show it.
QString shownName(const QString &name);

} // namespace ctl
