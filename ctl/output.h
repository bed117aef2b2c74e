// What the tool prints: results on standard output, messages on standard
// error as "ostraval-ctl: ...", and its exit statuses.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace ctl {

enum Exit : int {
    kSuccess = 0,
    kDiffers = 1,       // diff: something differs
    kRefused = 2,       // usage errors, refused profiles and values
    kSensorFailed = 3,  // not attached, in use, a call failed
};

void printOut(const QString &line);
void printOutRaw(const QByteArray &bytes);
void printJson(const QJsonObject &object);
// One message line on standard error, after the program's name.
void complain(const QString &message);
void complainEach(const QString &prefix, const QStringList &messages);

} // namespace ctl
