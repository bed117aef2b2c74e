// Text taken from a profile or a command line, made fit to be repeated in a
// message: one plain line of readable length, whatever it holds.
#pragma once

#include "catalogues.h"

#include <QJsonValue>
#include <QString>

namespace profile {

// A message of the profiles, marked where it stands with
// QT_TRANSLATE_NOOP("ostraval-ctl", ...) (QT_TRANSLATE_N_NOOP with a count
// `n`): in English for JSON answers, translated for people.
inline i18n::Message message(const char *source, int n = -1)
{
    return i18n::Message("ostraval-ctl", source, n);
}

// Characters a person sees of input text repeated in a message, escapes
// included.
inline constexpr qsizetype kReadableLength = 80;

// The text with its control and format characters written as \xNN, \uNNNN
// or \UNNNNNNNN (so that no escape sequence, bell or line break reaches a
// terminal), cut after about kReadableLength characters with a mark that
// gives its length. Lengths count the characters a person sees (grapheme
// clusters), not UTF-16 units: 100 emoji are 100 characters.
QString readable(const QString &text);

// A JSON value as compact JSON text ("12", "\"DELETE\"", "[1,2]"), as it
// stands.
QString compactJson(const QJsonValue &value);

// A JSON value as compact JSON text, made readable: strings in double quotes
// with their quotes and backslashes escaped as JSON writes them and their
// control characters as readable() writes them. A long string is cut with the
// length of the string itself, its quotes not counted.
QString readableJson(const QJsonValue &value);

// The value itself when its readable JSON text is whole; otherwise that
// text, cut, as a string. For JSON answers that repeat what was refused.
QJsonValue briefValue(const QJsonValue &value);

} // namespace profile
