#include "readable.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace profile {

namespace {

// Control characters, the bidirectional and zero-width format characters, and
// the Unicode line and paragraph separators.
bool needsEscape(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString escaped(QChar c)
{
    const ushort code = c.unicode();
    const int digits = code < 0x100 ? 2 : 4;
    return (digits == 2 ? QStringLiteral("\\x") : QStringLiteral("\\u")) +
           QStringLiteral("%1").arg(code, digits, 16, QLatin1Char('0')).toUpper();
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
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair stands for one character and is never split.
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = needsEscape(text[i]) ? escaped(text[i]) : text.mid(i, width);
        if (line.size() + piece.size() > kReadableLength)
            return line + QStringLiteral("... (%1 characters)").arg(text.size());
        line += piece;
        i += width - 1;
    }
    return line;
}

QString readableJson(const QJsonValue &value)
{
    return readable(compactJson(value));
}

QJsonValue briefValue(const QJsonValue &value)
{
    const QString json = compactJson(value);
    return json.size() <= kReadableLength ? value : QJsonValue(readable(json));
}

} // namespace profile
