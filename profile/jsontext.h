// JSON text read strictly, as RFC 8259 writes it, and what QJsonDocument does
// not tell about it: a member named twice in one object (it keeps the last one
// without a word), and where in the text a fault lies as people count (it
// gives a byte offset).
//
// QJsonDocument (Qt 6.4) is lenient where a strict reader is not: it takes
// escapes JSON does not have ("\D" reads as "D"), control characters and tabs
// written as they are inside strings, and "1."; and it refuses a number that
// underflows (1e-400), which is 0.
// The reader here checks the text first and hands QJsonDocument only what it
// takes, with each number that underflows written as 0.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace profile::detail {

// Lines and columns count from 1; columns in characters, not bytes.
struct TextPlace {
    int line = 1;
    int column = 1;
};

// The place of a byte offset in UTF-8 text.
TextPlace placeOf(const QByteArray &text, qsizetype offset);

// Lists and objects nest at most this deep, as QJsonDocument reads them.
inline constexpr int kMaxJsonDepth = 1024;

enum class JsonFault {
    None,
    TextEnds,         // the text ends before its value does
    NoValue,          // where a value is due stands something else ("NaN", "}")
    NoName,           // where a member name is due stands something else
    NoColon,          // no colon after a member name
    ObjectNotClosed,  // after a member, neither a comma nor "}"
    ListNotClosed,    // after an item, neither a comma nor "]"
    StringNotClosed,  // the text ends inside a string
    BadEscape,        // a backslash that starts no escape JSON has ("\D", "\u12")
    ControlCharacter, // a control character (a tab too) written as it is in a string
    NotUtf8,          // bytes that are not UTF-8
    BadNumber,        // a number not written as JSON writes numbers ("01", "1.", "+1")
    TextAfterValue,   // more than white space after the value
    TooDeep,          // lists and objects nested deeper than kMaxJsonDepth
    HugeNumber,       // a number beyond what a double holds (1e400)
    Unread,           // QJsonDocument refused what the reader took
};

struct DuplicateMember {
    QString path; // the member as people write its path: "walk_away.keys[0].name"
    int line = 0;     // where it is named again
    int firstLine = 0;
};

struct JsonRules {
    // Members named again whose paths are built; the rest are only counted.
    qsizetype listedDuplicates = 0;
    // A member of the top object whose value is not read: a number in it
    // beyond what a double holds is no fault.
    QString unreadMember;
};

struct JsonReading {
    QJsonValue value = QJsonValue::Undefined; // undefined when a fault stopped the reading
    JsonFault fault = JsonFault::None;
    qsizetype offset = 0; // the byte where the fault lies
    QByteArray token;     // what stands there: the word, escape, number or control character
    QString path;         // for a HugeNumber, the path to it as people write it
    QList<DuplicateMember> duplicates; // the first members named again, in the order of the text
    qsizetype duplicateCount = 0;      // every member named again
};

// Reads a JSON text. It costs time and memory in proportion to the text,
// whatever its shape.
JsonReading readJson(const QByteArray &text, const JsonRules &rules = {});

} // namespace profile::detail
