#include "jsontext.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>

namespace profile::detail {

namespace {

// A text may start with a byte order mark; RFC 8259 lets a reader ignore it,
// as QJsonDocument does.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

qsizetype byteOrderMarkSize(const QByteArray &text)
{
    return text.startsWith(kByteOrderMark) ? 3 : 0;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_';
}

bool isNumberCharacter(char c)
{
    return isWordCharacter(c) || c == '.' || c == '+' || c == '-';
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Whether a number that std::from_chars found out of range is too small for
// a double rather than too large: the power of ten of its first digit that
// is not zero, with its exponent, is below zero. The number is well formed.
bool underflows(std::string_view number)
{
    constexpr auto npos = std::string_view::npos;
    if (number.front() == '-')
        number.remove_prefix(1);
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction = point == npos ? std::string_view() : mantissa.substr(point + 1);
    qsizetype power = 0;
    if (const std::size_t first = whole.find_first_not_of('0'); first != npos)
        power = qsizetype(whole.size() - 1 - first);
    else if (const std::size_t firstInFraction = fraction.find_first_not_of('0'); firstInFraction != npos)
        power = -1 - qsizetype(firstInFraction);
    else
        return false; // zero is never out of range
    qsizetype exponent = 0;
    if (exponentAt != npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = digits.front() == '-';
        if (digits.front() == '-' || digits.front() == '+')
            digits.remove_prefix(1);
        for (const char digit : digits)
            exponent = std::min<qsizetype>(exponent * 10 + (digit - '0'), 1'000'000'000);
        exponent = negative ? -exponent : exponent;
    }
    return power + exponent < 0;
}

// Walks a JSON text byte by byte, checking it against the grammar of RFC
// 8259, without building values: QJsonDocument builds them once the text is
// known to be JSON. Nesting is kept on a list, not on the call stack.
class Reader {
public:
    Reader(const QByteArray &text, const JsonRules &rules) : text_(text), rules_(rules) {}

    JsonReading read()
    {
        at_ = byteOrderMarkSize(text_);
        if (values() && atEndOfText()) {
            // A number beyond a double is named once the text is known to be JSON.
            if (huge_) {
                fail(JsonFault::HugeNumber, huge_->offset, huge_->token);
                reading_.path = huge_->path;
            } else {
                reading_.value = parsed();
            }
        }
        return std::move(reading_);
    }

private:
    struct Frame {
        qsizetype serial = 0; // tells frames at one depth apart
        bool object = false;
        qsizetype index = 0;       // in a list: the position being read
        QString member;            // in an object: the member being read
        QHash<QString, int> named; // in an object: each member name and its line
    };

    bool more() const { return at_ < text_.size(); }
    char current() const { return text_[at_]; }

    bool fail(JsonFault fault, qsizetype offset, const QByteArray &token = {})
    {
        reading_.fault = fault;
        reading_.offset = offset;
        reading_.token = token;
        return false;
    }

    // Something other than what is due stands at the current byte.
    bool unexpected(JsonFault fault)
    {
        if (!more())
            return fail(JsonFault::TextEnds, at_);
        if (static_cast<uchar>(current()) >= 0x80 && utf8Length(at_) == 0)
            return fail(JsonFault::NotUtf8, at_);
        qsizetype end = at_ + 1;
        if (isWordCharacter(current()))
            while (end < text_.size() && isWordCharacter(text_[end]))
                ++end;
        else
            end = at_ + std::max(1, utf8Length(at_));
        return fail(fault, at_, text_.mid(at_, end - at_));
    }

    void skipSpace()
    {
        for (; more(); ++at_) {
            const char c = current();
            if (c == '\n')
                ++line_;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
        }
    }

    // The bytes of the UTF-8 character at `at`, or 0 when they are not one
    // (RFC 3629: no overlong forms, no surrogates, nothing beyond U+10FFFF).
    int utf8Length(qsizetype at) const
    {
        const auto byte = [this](qsizetype i) { return i < text_.size() ? static_cast<uchar>(text_[i]) : 0; };
        const uchar lead = byte(at);
        int length = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead < 0x80)
            return 1;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        else
            return 0;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
        else if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
        if (byte(at + 1) < low || byte(at + 1) > high)
            return 0;
        for (int i = 2; i < length; ++i)
            if ((byte(at + i) & 0xC0) != 0x80)
                return 0;
        return length;
    }

    // Values one after the other, down into lists and objects and out again,
    // until the top value is read.
    bool values()
    {
        for (;;) {
            skipSpace();
            if (!more())
                return fail(JsonFault::TextEnds, at_);
            const char c = current();
            if (c == '{' || c == '[') {
                if (frames_.size() >= kMaxJsonDepth)
                    return fail(JsonFault::TooDeep, at_);
                frames_.append(Frame{++serial_, c == '{', 0, {}, {}});
                ++at_;
                skipSpace();
                if (!more() || current() != (c == '{' ? '}' : ']')) {
                    if (c == '{' && !memberName())
                        return false;
                    continue;
                }
                ++at_;
                frames_.removeLast();
            } else if (c == '"') {
                if (!string(nullptr))
                    return false;
            } else if (c == '-' || isDigit(c)) {
                if (!number())
                    return false;
            } else if (isWordCharacter(c)) {
                if (!word())
                    return false;
            } else {
                return unexpected(JsonFault::NoValue);
            }
            bool valueDue = false;
            if (!closeAfterValue(valueDue))
                return false;
            if (!valueDue)
                return true;
        }
    }

    // After a value: closes the lists and objects that end here; `valueDue`
    // when a comma brings another value, false when the top value is read.
    bool closeAfterValue(bool &valueDue)
    {
        while (!frames_.isEmpty()) {
            skipSpace();
            Frame &frame = frames_.last();
            if (more() && current() == ',') {
                ++at_;
                ++frame.index;
                valueDue = true;
                return !frame.object || memberName();
            }
            if (!more() || current() != (frame.object ? '}' : ']'))
                return unexpected(frame.object ? JsonFault::ObjectNotClosed : JsonFault::ListNotClosed);
            ++at_;
            frames_.removeLast();
        }
        return true;
    }

    bool atEndOfText()
    {
        skipSpace();
        return !more() || unexpected(JsonFault::TextAfterValue);
    }

    // A member name and its colon; one named again is counted, and its path
    // built while it is among the listed ones.
    bool memberName()
    {
        skipSpace();
        if (!more() || current() != '"')
            return unexpected(JsonFault::NoName);
        const int line = line_;
        QString name;
        if (!string(&name))
            return false;
        Frame &frame = frames_.last();
        frame.member = name;
        if (const auto first = frame.named.constFind(name); first != frame.named.cend()) {
            if (reading_.duplicates.size() < rules_.listedDuplicates)
                reading_.duplicates.append({path(), line, *first});
            ++reading_.duplicateCount;
        } else {
            frame.named.insert(name, line);
        }
        skipSpace();
        if (!more() || current() != ':')
            return unexpected(JsonFault::NoColon);
        ++at_;
        return true;
    }

    // A string token; its text into `decoded` when given.
    bool string(QString *decoded)
    {
        const qsizetype open = at_++;
        qsizetype run = at_; // the start of the bytes not yet decoded
        const auto decodeRun = [&] {
            if (decoded)
                decoded->append(QString::fromUtf8(text_.constData() + run, at_ - run));
        };
        while (more()) {
            const auto c = static_cast<uchar>(current());
            if (c == '"') {
                decodeRun();
                ++at_;
                return true;
            }
            if (c == '\\') {
                decodeRun();
                if (!escape(decoded, open))
                    return false;
                run = at_;
            } else if (c < 0x20) {
                return fail(JsonFault::ControlCharacter, at_, QByteArray(1, char(c)));
            } else {
                const int length = utf8Length(at_);
                if (length == 0)
                    return fail(JsonFault::NotUtf8, at_);
                at_ += length;
            }
        }
        return fail(JsonFault::StringNotClosed, open);
    }

    // The escape at the current backslash: \" \\ \/ \b \f \n \r \t or \u
    // with four hexadecimal digits. `open` is where its string starts.
    bool escape(QString *decoded, qsizetype open)
    {
        const qsizetype start = at_;
        const char letter = at_ + 1 < text_.size() ? text_[at_ + 1] : '\0';
        static constexpr char kLetters[] = "\"\\/bfnrt";
        static constexpr char kMeanings[] = "\"\\/\b\f\n\r\t";
        if (const char *found = letter ? std::strchr(kLetters, letter) : nullptr) {
            if (decoded)
                decoded->append(QLatin1Char(kMeanings[found - kLetters]));
            at_ += 2;
            return true;
        }
        if (letter == 'u') {
            int code = 0;
            for (qsizetype i = start + 2; i < start + 6; ++i) {
                const int digit = i < text_.size() ? hexDigit(text_[i]) : -1;
                if (digit < 0)
                    return fail(JsonFault::BadEscape, start, text_.mid(start, i + 1 - start));
                code = code * 16 + digit;
            }
            if (decoded)
                decoded->append(QChar(char16_t(code)));
            at_ += 6;
            return true;
        }
        if (!letter && at_ + 1 >= text_.size())
            return fail(JsonFault::StringNotClosed, open);
        return fail(JsonFault::BadEscape, start, text_.mid(start, 1 + std::max(1, utf8Length(start + 1))));
    }

    // A number as JSON writes it: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool number()
    {
        const qsizetype start = at_;
        const auto digits = [this] {
            const qsizetype from = at_;
            while (more() && isDigit(current()))
                ++at_;
            return at_ > from;
        };
        bool wellFormed = true;
        if (more() && current() == '-')
            ++at_;
        if (more() && current() == '0')
            ++at_;
        else
            wellFormed = digits();
        if (wellFormed && more() && current() == '.') {
            ++at_;
            wellFormed = digits();
        }
        if (wellFormed && more() && (current() == 'e' || current() == 'E')) {
            ++at_;
            if (more() && (current() == '+' || current() == '-'))
                ++at_;
            wellFormed = digits();
        }
        // The number runs on to the next delimiter: "01", "1.", "1e" and
        // "1x" are malformed as a whole.
        qsizetype end = at_;
        while (end < text_.size() && isNumberCharacter(text_[end]))
            ++end;
        if (!wellFormed || end > at_)
            return fail(JsonFault::BadNumber, start, text_.mid(start, end - start));

        const std::string_view digitsText(text_.constData() + start, static_cast<std::size_t>(at_ - start));
        double value = 0;
        const auto read = std::from_chars(digitsText.data(), digitsText.data() + digitsText.size(), value);
        if (read.ec != std::errc::result_out_of_range)
            return true;
        // A number too small for a double is 0; one too large is a fault,
        // except in the member whose value is not read.
        if (!underflows(digitsText) && !inUnreadMember()) {
            if (!huge_)
                huge_ = HugeNumber{start, text_.mid(start, at_ - start), path()};
            return true;
        }
        zeroed_.append({start, at_ - start});
        return true;
    }

    bool inUnreadMember() const
    {
        return !rules_.unreadMember.isEmpty() && !frames_.isEmpty() && frames_.first().object &&
               frames_.first().member == rules_.unreadMember;
    }

    // true, false or null; any other word is no value.
    bool word()
    {
        qsizetype end = at_;
        while (end < text_.size() && isWordCharacter(text_[end]))
            ++end;
        const QByteArray found = text_.mid(at_, end - at_);
        if (found != "true" && found != "false" && found != "null")
            return fail(JsonFault::NoValue, at_, found);
        at_ = end;
        return true;
    }

    // The path to the value being read, as people write it. What leads to
    // the innermost list or object is kept while reading in it, so that paths
    // of members deep down cost their length once, not once for each step.
    QString path()
    {
        if (frames_.isEmpty())
            return {};
        const Frame &innermost = frames_.last();
        if (outerSerial_ != innermost.serial) {
            outerPath_.clear();
            for (qsizetype i = 0; i + 1 < frames_.size(); ++i)
                appendStep(outerPath_, frames_[i]);
            outerSerial_ = innermost.serial;
        }
        QString steps = outerPath_;
        appendStep(steps, innermost);
        return steps;
    }

    // A member name after a dot, a list position in brackets.
    static void appendStep(QString &path, const Frame &frame)
    {
        if (!frame.object) {
            path += QLatin1Char('[') + QString::number(frame.index) + QLatin1Char(']');
            return;
        }
        if (!path.isEmpty())
            path += QLatin1Char('.');
        path += frame.member;
    }

    // The value, as QJsonDocument reads the checked text with each number
    // too small for a double written as 0.
    QJsonValue parsed()
    {
        QByteArray json = text_.mid(byteOrderMarkSize(text_));
        const qsizetype shift = byteOrderMarkSize(text_);
        for (const auto &[start, length] : zeroed_)
            json.replace(start - shift, length, QByteArray("0").leftJustified(length, ' '));
        // QJsonDocument reads only objects and lists: another value is read
        // as the one item of a list.
        const qsizetype first = std::find_if(json.cbegin(), json.cend(), [](char c) {
            return c != ' ' && c != '\t' && c != '\r' && c != '\n';
        }) - json.cbegin();
        const bool container = json[first] == '{' || json[first] == '[';
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(container ? json : '[' + json + ']', &error);
        if (error.error != QJsonParseError::NoError) {
            fail(JsonFault::Unread, std::clamp<qsizetype>(error.offset + shift - (container ? 0 : 1), 0, text_.size()),
                 error.errorString().toUtf8());
            return QJsonValue::Undefined;
        }
        if (!container)
            return document.array().first();
        return document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    }

    const QByteArray &text_;
    const JsonRules &rules_;
    qsizetype at_ = 0;
    int line_ = 1;
    QList<Frame> frames_;
    struct HugeNumber {
        qsizetype offset;
        QByteArray token;
        QString path;
    };
    std::optional<HugeNumber> huge_; // the first number beyond a double
    qsizetype serial_ = 0;
    QString outerPath_;        // the path to the innermost frame
    qsizetype outerSerial_ = 0; // the innermost frame it leads to
    QList<std::pair<qsizetype, qsizetype>> zeroed_; // numbers too small for a double: start and length
    JsonReading reading_;
};

} // namespace

TextPlace placeOf(const QByteArray &text, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    TextPlace place;
    for (qsizetype i = std::min(byteOrderMarkSize(text), offset); i < offset; ++i) {
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

JsonReading readJson(const QByteArray &text, const JsonRules &rules)
{
    return Reader(text, rules).read();
}

} // namespace profile::detail
