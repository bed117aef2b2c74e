// The readings that turn a control's text into a number.
//
// Writing uses the strict whole number and the rounded leading number;
// change detection uses the strict number and the leading number; the field
// checks use the leading number.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace config {

// The whole text, surrounding blanks aside, is a number in the locale's
// conventions, without group separators; its value rounded to the nearest
// whole number, halves to even.
// Empty when the text is no such number or the result lies outside a signed
// 16-bit word.
std::optional<int16_t> strictWholeNumber(const QString &text, const QLocale &locale = QLocale());

// The whole text, surrounding blanks aside, is a number in the locale's
// conventions, without group separators: its value, unrounded. Empty when it
// is not a finite number.
std::optional<double> strictNumber(const QString &text, const QLocale &locale = QLocale());

// Blanks skipped, then the longest prefix that forms a number (optional sign,
// digits with at most one full stop as decimal point whatever the locale,
// optional exponent); the rest is ignored. Text that starts with no number
// reads as 0. A prefix too large for a double reads as an infinity.
double leadingNumber(const QString &text);

// The leading number rounded to the nearest whole number, halves to even.
// Empty when the result lies outside a signed 16-bit word.
std::optional<int16_t> leadingNumberRounded(const QString &text);

// A number as the window shows it: signed decimal, no blanks, no leading zeros.
QString decimalText(int value);

} // namespace config
