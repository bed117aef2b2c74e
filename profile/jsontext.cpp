#include "jsontext.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace profile::detail {

namespace {

// Deeper than QJsonDocument reads anyway; the scan stops there.
constexpr qsizetype kMaxDepth = 1024;

// Walks a JSON text token by token without reading values: which object or
// list each byte lies in, and under which member name or position. Any bytes
// are walked to their end, read or not.
class Scanner {
public:
    explicit Scanner(const QByteArray &text) : text_(text) {}

    // Walks on up to (not including) the byte at `end`.
    void scanTo(qsizetype end)
    {
        end = std::min(end, text_.size());
        while (at_ < end && frames_.size() <= kMaxDepth)
            step();
    }

    QStringList path() const
    {
        QStringList steps;
        for (const Frame &frame : frames_) {
            if (!frame.object)
                steps << QStringLiteral("[%1]").arg(frame.index);
            else if (!frame.expectName)
                steps << frame.member;
        }
        return steps;
    }

    const QList<DuplicateMember> &duplicates() const { return duplicates_; }

private:
    struct Frame {
        bool object = false;
        bool expectName = true;    // in an object: the next string is a member name
        QString member;            // in an object: the member being read
        int index = 0;             // in a list: the position being read
        QHash<QString, int> named; // in an object: each member name and its line
    };

    void step()
    {
        const char c = text_[at_];
        switch (c) {
        case '\n':
            ++line_;
            break;
        case '{':
        case '[':
            frames_.append(Frame());
            frames_.last().object = c == '{';
            break;
        case '}':
        case ']':
            if (!frames_.isEmpty())
                frames_.removeLast();
            break;
        case ',':
            if (!frames_.isEmpty()) {
                frames_.last().expectName = frames_.last().object;
                ++frames_.last().index;
            }
            break;
        case '"':
            readString();
            return;
        default:
            break;
        }
        ++at_;
    }

    // A string token; in an object where a name is due, a member name.
    void readString()
    {
        const qsizetype open = at_;
        const int line = line_;
        for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_) {
            if (text_[at_] == '\\')
                ++at_;
            else if (text_[at_] == '\n')
                ++line_;
        }
        ++at_; // past the closing quote
        if (frames_.isEmpty() || !frames_.last().object || !frames_.last().expectName)
            return;
        Frame &frame = frames_.last();
        frame.member = decoded(text_.mid(open, at_ - open));
        frame.expectName = false;
        if (const auto first = frame.named.constFind(frame.member); first != frame.named.cend())
            duplicates_.append({path(), line, *first});
        else
            frame.named.insert(frame.member, line);
    }

    // The name a string token stands for, its escapes read.
    static QString decoded(const QByteArray &token)
    {
        if (!token.contains('\\'))
            return QString::fromUtf8(token.mid(1, token.size() - 2));
        const QJsonArray read = QJsonDocument::fromJson('[' + token + ']').array();
        return read.isEmpty() ? QString::fromUtf8(token) : read.first().toString();
    }

    const QByteArray &text_;
    qsizetype at_ = 0;
    int line_ = 1;
    QList<Frame> frames_;
    QList<DuplicateMember> duplicates_;
};

} // namespace

TextPlace placeOf(const QByteArray &text, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    TextPlace place;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++place.line;
            place.column = 1;
        } else if ((byte & 0xC0) != 0x80) { // not a UTF-8 continuation byte
            ++place.column;
        }
    }
    return place;
}

QList<DuplicateMember> duplicateMembers(const QByteArray &text)
{
    Scanner scanner(text);
    scanner.scanTo(text.size());
    return scanner.duplicates();
}

QStringList pathAt(const QByteArray &text, qsizetype offset)
{
    Scanner scanner(text);
    scanner.scanTo(offset);
    return scanner.path();
}

} // namespace profile::detail
