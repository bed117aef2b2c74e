// Filling the keystroke lists from the key table, and choosing a row by its code.
#pragma once

#include "keyrows.h"

class QComboBox;

namespace config {

// Appends the rows to the end of the list, each item carrying its code as
// data, and selects no row: the list's current index stays as it was, or is
// -1 for a list that was empty. No signal of the list is emitted.
void appendKeyRows(QComboBox *list, const KeyRows &rows);

// The last row whose code equals `code`, or -1 when no row carries it.
int rowWithCode(const QComboBox *list, int code);

// Makes the last row whose code equals `code` the list's selection (which
// runs the list's handler like a user's choice); a code that no row carries
// leaves the selection as it was.
void selectByCode(QComboBox *list, int code);

} // namespace config
