#include "numbers.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace config {

namespace {

// Rounds to the nearest whole number, halves to the even neighbour,
// independently of the floating-point rounding mode.
double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// The rounded value as a signed 16-bit word; empty outside its range.
std::optional<int16_t> toWord(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfToEven(value);
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The longest number at the start of a text, as ASCII, together with the
// decimal order of magnitude of its first significant digit (which tells an
// overflow from an underflow when the conversion falls out of range).
struct NumberPrefix {
    QByteArray text;      // sign, mantissa and exponent, "+" signs left out
    bool negative = false;
    long long magnitude = 0;
};

class PrefixScanner {
public:
    explicit PrefixScanner(const QString &text) : m_text(text) {}

    // Empty text in the result when the text starts with no number.
    NumberPrefix scan()
    {
        skipBlanks();
        scanSign();
        if (!scanMantissa())
            return {};
        scanExponent();
        m_prefix.magnitude = m_leadingOrder + m_exponent;
        return m_prefix;
    }

private:
    static constexpr long long kExponentCap = 1'000'000;

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar current() const { return m_text.at(m_pos); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(current()))
            ++m_pos;
    }

    void scanSign()
    {
        if (atEnd())
            return;
        if (current() == u'-') {
            m_prefix.negative = true;
            m_prefix.text.append('-');
            ++m_pos;
        } else if (current() == u'+') {
            ++m_pos;
        }
    }

    // Digits with at most one full stop; true when at least one digit was taken.
    bool scanMantissa()
    {
        bool anyDigit = false;
        bool afterPoint = false;
        bool significant = false;
        long long integerDigits = 0;
        long long zerosAfterPoint = 0;
        for (; !atEnd(); ++m_pos) {
            const QChar c = current();
            if (isDigit(c)) {
                anyDigit = true;
                significant = significant || c != u'0';
                if (!afterPoint && significant)
                    ++integerDigits;
                else if (afterPoint && !significant)
                    ++zerosAfterPoint;
            } else if (c == u'.' && !afterPoint) {
                afterPoint = true;
            } else {
                break;
            }
            m_prefix.text.append(char(c.unicode()));
        }
        m_leadingOrder = integerDigits > 0 ? integerDigits : -zerosAfterPoint;
        return anyDigit;
    }

    // e or E, optional sign, at least one digit; otherwise nothing is taken.
    void scanExponent()
    {
        qsizetype pos = m_pos;
        if (pos >= m_text.size() || (m_text.at(pos) != u'e' && m_text.at(pos) != u'E'))
            return;
        ++pos;
        bool negative = false;
        if (pos < m_text.size() && (m_text.at(pos) == u'+' || m_text.at(pos) == u'-'))
            negative = m_text.at(pos++) == u'-';
        if (pos >= m_text.size() || !isDigit(m_text.at(pos)))
            return;

        m_prefix.text.append(negative ? "e-" : "e");
        long long exponent = 0;
        for (; pos < m_text.size() && isDigit(m_text.at(pos)); ++pos) {
            m_prefix.text.append(char(m_text.at(pos).unicode()));
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (m_text.at(pos).unicode() - u'0');
        }
        m_exponent = negative ? -exponent : exponent;
        m_pos = pos;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    NumberPrefix m_prefix;
    long long m_leadingOrder = 0;
    long long m_exponent = 0;
};

// Converts a scanned prefix; out of range gives an infinity for a value too
// large and zero for one too small.
double convertPrefix(const NumberPrefix &prefix)
{
    const char *first = prefix.text.constData();
    const char *last = first + prefix.text.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = prefix.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return prefix.negative ? -value : value;
    }
    return value;
}

} // namespace

std::optional<int16_t> strictWholeNumber(const QString &text, const QLocale &locale)
{
    const std::optional<double> value = strictNumber(text, locale);
    if (!value)
        return std::nullopt;
    return toWord(*value);
}

std::optional<double> strictNumber(const QString &text, const QLocale &locale)
{
    // Group separators are refused: the leading reading, which the field
    // checks use, stops at them, so "1,000" would pass a check as 1 and then
    // be written as 1000.
    QLocale reading(locale);
    reading.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = reading.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double leadingNumber(const QString &text)
{
    const NumberPrefix prefix = PrefixScanner(text).scan();
    if (prefix.text.isEmpty())
        return 0.0;
    return convertPrefix(prefix);
}

std::optional<int16_t> leadingNumberRounded(const QString &text)
{
    return toWord(leadingNumber(text));
}

QString decimalText(int value)
{
    return QString::number(value);
}

} // namespace config
