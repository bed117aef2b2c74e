#include "readable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace profile {

namespace {

// One character a person sees may be made of any number of code points (a
// letter with a thousand combining marks): a shown line never grows past
// this many UTF-16 units, whatever its characters. Each character of the
// first plane and each emoji made of one code point has room.
constexpr qsizetype kReadableUnits = 2 * kReadableLength;

// Control characters, the bidirectional and zero-width format characters, the
// Unicode line and paragraph separators, and halves of surrogate pairs that
// stand alone (a JSON text may write them as \uD800).
bool needsEscape(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// \x1B below 0x100, \u202E in the rest of the first plane, \U000E0001 beyond.
void appendEscape(QString &line, char32_t c)
{
    const int digits = c < 0x100 ? 2 : c < 0x10000 ? 4 : 8;
    line += digits == 2 ? QStringLiteral("\\x") : digits == 4 ? QStringLiteral("\\u") : QStringLiteral("\\U");
    line += QStringLiteral("%1").arg(static_cast<uint>(c), digits, 16, QLatin1Char('0')).toUpper();
}

enum class Quoting {
    Plain,
    JsonString, // inside a JSON string: its quotes and backslashes escaped as JSON writes them
};

// Text as shown, and how many characters a person sees in it: an escape
// shows as its own characters, each run of other code points in one cluster
// as one.
struct Piece {
    QString text;
    qsizetype width = 0;
};

Piece shownPiece(QStringView text, Quoting quoting)
{
    Piece piece;
    bool inRun = false;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const qsizetype before = piece.text.size();
        if (quoting == Quoting::JsonString && (c == '"' || c == '\\')) {
            piece.text += QLatin1Char('\\');
            piece.text += QChar(c);
        } else if (needsEscape(c)) {
            appendEscape(piece.text, c);
        } else {
            piece.text += text.sliced(i, units);
            piece.width += inRun ? 0 : 1;
            inRun = true;
            i += units;
            continue;
        }
        piece.width += piece.text.size() - before;
        inRun = false;
        i += units;
    }
    return piece;
}

// A text as shown on one line; when cut, the number of characters a person
// sees in the whole text.
struct Shown {
    QString line;
    bool cut = false;
    qsizetype length = 0;
};

// Printable ASCII that is shown as it stands: each character one a person
// sees, so that no boundaries need finding.
bool isPlainAscii(QStringView text, Quoting quoting)
{
    return std::all_of(text.begin(), text.end(), [quoting](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F &&
               (quoting == Quoting::Plain || (c != QLatin1Char('"') && c != QLatin1Char('\\')));
    });
}

Shown shown(QStringView text, Quoting quoting)
{
    if (isPlainAscii(text, quoting)) {
        if (text.size() <= kReadableLength)
            return Shown{text.toString(), false, 0};
        return Shown{text.first(kReadableLength).toString(), true, text.size()};
    }
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    Shown result;
    qsizetype width = 0;
    qsizetype start = 0;
    qsizetype count = 0;
    while (start < text.size()) {
        qsizetype end = clusters.toNextBoundary();
        if (end <= start)
            end = text.size();
        const Piece piece = shownPiece(text.sliced(start, end - start), quoting);
        ++count;
        if (width + piece.width > kReadableLength || result.line.size() + piece.text.size() > kReadableUnits) {
            // One character too long for a line alone is shown as far as it fits.
            if (result.line.isEmpty()) {
                result.line = piece.text.left(kReadableUnits);
                if (result.line.back().isHighSurrogate())
                    result.line.chop(1);
            }
            result.cut = true;
            while (clusters.toNextBoundary() > 0)
                ++count;
            result.length = count;
            return result;
        }
        result.line += piece.text;
        width += piece.width;
        start = end;
    }
    return result;
}

QString withMark(const Shown &text)
{
    return text.line + QStringLiteral("... (%1 characters)").arg(text.length);
}

// A JSON value as compact JSON text with its strings as readable() writes
// them, uncut.
void appendJson(QString &out, const QJsonValue &value)
{
    if (value.isString()) {
        out += QLatin1Char('"') + shownPiece(value.toString(), Quoting::JsonString).text + QLatin1Char('"');
    } else if (value.isArray()) {
        out += QLatin1Char('[');
        const QJsonArray list = value.toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (i > 0)
                out += QLatin1Char(',');
            appendJson(out, list[i]);
        }
        out += QLatin1Char(']');
    } else if (value.isObject()) {
        out += QLatin1Char('{');
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it != object.begin())
                out += QLatin1Char(',');
            appendJson(out, it.key());
            out += QLatin1Char(':');
            appendJson(out, it.value());
        }
        out += QLatin1Char('}');
    } else {
        out += compactJson(value);
    }
}

// A JSON value as shown: a string cut within its quotes and counted without
// them, a list or an object cut as a whole.
Shown shownJson(const QJsonValue &value)
{
    if (value.isString()) {
        Shown text = shown(value.toString(), Quoting::JsonString);
        text.line.prepend(QLatin1Char('"'));
        if (!text.cut)
            text.line += QLatin1Char('"');
        return text;
    }
    QString json;
    appendJson(json, value);
    return shown(json, Quoting::Plain);
}

} // namespace

QString compactJson(const QJsonValue &value)
{
    // QJsonDocument writes only objects and lists: the value is written as
    // the one item of a list, whose brackets are then left off.
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString readable(const QString &text)
{
    const Shown line = shown(text, Quoting::Plain);
    return line.cut ? withMark(line) : line.line;
}

QString readableJson(const QJsonValue &value)
{
    const Shown json = shownJson(value);
    return json.cut ? withMark(json) : json.line;
}

QJsonValue briefValue(const QJsonValue &value)
{
    const Shown json = shownJson(value);
    return json.cut ? QJsonValue(withMark(json)) : value;
}

} // namespace profile
