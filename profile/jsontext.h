// What QJsonDocument does not tell about a JSON text: a member named twice in
// one object (it keeps the last one without a word), and where in the text a
// fault lies as people count (it gives a byte offset).
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace profile::detail {

// Lines and columns count from 1; columns in characters, not bytes.
struct TextPlace {
    int line = 1;
    int column = 1;
};

// The place of a byte offset in UTF-8 text.
TextPlace placeOf(const QByteArray &text, qsizetype offset);

struct DuplicateMember {
    QStringList path; // steps to the member, its name last: "walk_away", "keys", "[0]", "name"
    int line = 0;     // where it is named again
    int firstLine = 0;
};

// Every member named again in its object, in the order of the text. The text
// is JSON that QJsonDocument has read.
QList<DuplicateMember> duplicateMembers(const QByteArray &text);

// The steps to the value that the byte at `offset` belongs to, as far as the
// text up to it tells; for naming the field of a fault that stops the reading.
QStringList pathAt(const QByteArray &text, qsizetype offset);

} // namespace profile::detail
