// Text taken from a profile or a command line, made fit to be repeated in a
// message: one plain line of readable length, whatever it holds.
#pragma once

#include <QJsonValue>
#include <QString>

namespace profile {

// Characters of input text repeated in a message, escapes included.
inline constexpr qsizetype kReadableLength = 80;

// The text with its control and format characters written as \xNN or \uNNNN
// (so that no escape sequence, bell or line break reaches a terminal), cut
// after about kReadableLength characters with a mark that gives its length.
QString readable(const QString &text);

// A JSON value as compact JSON text ("12", "\"DELETE\"", "[1,2]"), as it
// stands.
QString compactJson(const QJsonValue &value);

// A JSON value as compact JSON text, made readable.
QString readableJson(const QJsonValue &value);

// The value itself when its JSON text is short; otherwise that text, cut, as
// a string. For JSON answers that repeat what was refused.
QJsonValue briefValue(const QJsonValue &value);

} // namespace profile
