// The number readings against a small reference reader of their own rules.
//
// The first byte picks a locale; every further byte picks one character from
// an alphabet of what number texts are made of (digits, both separators,
// signs, exponent letters, blanks of several kinds and a stray letter). For
// each text:
//   - the strict reading accepts exactly what the reference grammar accepts
//     (optional sign, digits with the locale's decimal separator, optional
//     exponent; no group separators) and agrees on the value;
//   - the strict whole number is that value rounded half to even, when it
//     fits in a signed 16-bit word;
//   - the leading reading takes the same prefix as the reference and agrees
//     on the value (both tiny values count as zero), and its rounded form
//     follows.
#include "numbers.h"

#include <QLocale>
#include <QString>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

namespace {

const QLocale &localeFor(uint8_t pick)
{
    static const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),        QLocale(QLocale::German, QLocale::Switzerland),
        QLocale::c(),
    };
    return locales[pick % std::size(locales)];
}

// The characters a text is made of; digits come several times so that
// numbers are common.
constexpr char16_t kAlphabet[] = {
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'0', u'1', u'5', u'9',
    u'0', u'3', u'.', u',', u'+', u'-', u'e', u'E', u' ', u'\t', u'x', u'\u00A0', u'\u202F',
    u'\u2019', u'\'', u'.', u',', u'e',
};

void fail(const char *what, const QString &text, const QLocale &locale)
{
    std::fprintf(stderr, "%s: \"%s\" in %s\n", what, qPrintable(text), qPrintable(locale.name()));
    std::abort();
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// What QString::trimmed() strips at both ends, in this alphabet.
bool isSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F'; }

// The reference strict grammar over the trimmed text, turned into C-locale
// ASCII for strtod; empty when the text is no number.
std::optional<std::string> strictReference(const QString &text, const QLocale &locale)
{
    qsizetype from = 0, to = text.size();
    while (from < to && isSpace(text.at(from)))
        ++from;
    while (to > from && isSpace(text.at(to - 1)))
        --to;
    const QChar point = locale.decimalPoint().at(0);

    std::string ascii;
    qsizetype i = from;
    if (i < to && (text.at(i) == u'+' || text.at(i) == u'-'))
        ascii += char(text.at(i++).unicode());
    int integerDigits = 0, fractionDigits = 0;
    for (; i < to && isDigit(text.at(i)); ++i, ++integerDigits)
        ascii += char(text.at(i).unicode());
    if (i < to && text.at(i) == point) {
        ascii += '.';
        for (++i; i < to && isDigit(text.at(i)); ++i, ++fractionDigits)
            ascii += char(text.at(i).unicode());
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    if (i < to && (text.at(i) == u'e' || text.at(i) == u'E')) {
        ascii += 'e';
        ++i;
        if (i < to && (text.at(i) == u'+' || text.at(i) == u'-'))
            ascii += char(text.at(i++).unicode());
        int exponentDigits = 0;
        for (; i < to && isDigit(text.at(i)); ++i, ++exponentDigits)
            ascii += char(text.at(i).unicode());
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != to)
        return std::nullopt;
    return ascii;
}

// True when the mantissa has a digit other than zero.
bool nonZeroMantissa(const std::string &ascii)
{
    for (char c : ascii) {
        if (c == 'e')
            return false;
        if (c >= '1' && c <= '9')
            return true;
    }
    return false;
}

// A finite value the text names; a text whose non-zero value falls below
// the smallest double counts as no number, as it cannot be kept.
std::optional<double> strictValue(const QString &text, const QLocale &locale)
{
    const std::optional<std::string> ascii = strictReference(text, locale);
    if (!ascii)
        return std::nullopt;
    const double value = std::strtod(ascii->c_str(), nullptr);
    if (!std::isfinite(value) || (value == 0.0 && nonZeroMantissa(*ascii)))
        return std::nullopt;
    return value;
}

std::optional<int16_t> roundedWord(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default mode: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

// The leading prefix by the rules: blanks (space, tab), optional sign, digits
// with at most one full stop, an exponent only when digits follow it.
double leadingValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    std::string ascii;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ascii += char(text.at(i++).unicode());
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isDigit(c))
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
        ascii += char(c.unicode());
    }
    if (!digits)
        return 0.0;
    if (i < text.size() && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text.at(j) == u'+' || text.at(j) == u'-'))
            exponent += char(text.at(j++).unicode());
        if (j < text.size() && isDigit(text.at(j))) {
            for (; j < text.size() && isDigit(text.at(j)); ++j)
                exponent += char(text.at(j).unicode());
            ascii += exponent;
        }
    }
    return std::strtod(ascii.c_str(), nullptr);
}

bool sameValue(double a, double b)
{
    constexpr double kTiny = 1e-300;
    return a == b || (std::fabs(a) < kTiny && std::fabs(b) < kTiny);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || size > 64)
        return 0;
    std::fesetround(FE_TONEAREST);
    const QLocale &locale = localeFor(data[0]);
    QString text;
    for (size_t i = 1; i < size; ++i)
        text.append(QChar(kAlphabet[data[i] % std::size(kAlphabet)]));

    const std::optional<double> expected = strictValue(text, locale);
    const std::optional<double> strict = config::strictNumber(text, locale);
    if (strict.has_value() != expected.has_value())
        fail(expected ? "strict reading refused a number" : "strict reading took a non-number", text,
             locale);
    if (strict && !sameValue(*strict, *expected))
        fail("strict reading gave another value", text, locale);
    const std::optional<int16_t> whole = config::strictWholeNumber(text, locale);
    if (whole != (expected ? roundedWord(*expected) : std::nullopt))
        fail("strict whole number disagrees", text, locale);

    const double leading = config::leadingNumber(text);
    const double leadingExpected = leadingValue(text);
    if (!sameValue(leading, leadingExpected))
        fail("leading reading gave another value", text, locale);
    if (config::leadingNumberRounded(text) != roundedWord(leadingExpected))
        fail("rounded leading number disagrees", text, locale);
    return 0;
}
