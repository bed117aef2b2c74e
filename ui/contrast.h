// Text that stays readable on whatever palette the desktop gives: colours
// are kept where they stand out enough from what lies behind them, and
// otherwise made lighter or darker in their own hue until they do.
#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QLabel;

namespace ui {

// The contrast the window's texts keep against their background, as the
// ratio of relative luminances (1 to 21) that accessibility guidelines ask
// of normal text.
constexpr double kReadableContrast = 4.5;

// The contrast ratio of two opaque colours, from 1 (same) to 21 (black on
// white).
double contrastRatio(const QColor &a, const QColor &b);

// `wanted` when it keeps kReadableContrast against each of `backgrounds`;
// otherwise the nearest colour of its hue and saturation that does, lighter
// on dark backgrounds and darker on light ones (the first one decides).
QColor readableOn(const QColor &wanted, std::initializer_list<QColor> backgrounds);

// Shows `label`'s text in the palette's highlight colour where that is
// readable on the window colour, and in a readable shade of it where not,
// following every change of the palette it inherits.
void showInHighlightColour(QLabel *label);

} // namespace ui
