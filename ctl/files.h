// Profile files: read whole or not at all, written whole or not at all.
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

// Writes the bytes to the file named (standard output for "-"). An existing
// file is replaced only by a complete new one; on any failure it stays as it
// was. Reports the failure (exit status 4) and returns false.
bool writeOutputFile(const QString &name, const QByteArray &bytes);

// The file's name as messages show it.
QString shownName(const QString &name);

} // namespace ctl
