#include "keytable.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>
#include <QVariant>

namespace config {

namespace {

bool rowCarriesCode(const QComboBox *list, int row, int code)
{
    bool isInt = false;
    const int rowCode = list->itemData(row).toInt(&isInt);
    return isInt && rowCode == code;
}

} // namespace

void appendKeyRows(QComboBox *list, const KeyRows &rows)
{
    // Adding the first item to an empty list would make it current and emit
    // currentIndexChanged, which would run the list's handler.
    const QSignalBlocker blocker(list);
    const int previousIndex = list->currentIndex();
    for (const KeyRow &row : rows)
        list->addItem(QString::fromUtf8(row.name), row.code);
    list->setCurrentIndex(previousIndex);
}

int rowWithCode(const QComboBox *list, int code)
{
    for (int row = list->count() - 1; row >= 0; --row) {
        if (rowCarriesCode(list, row, code))
            return row;
    }
    return -1;
}

void selectByCode(QComboBox *list, int code)
{
    for (int row = 0; row < list->count(); ++row) {
        if (rowCarriesCode(list, row, code))
            list->setCurrentIndex(row);
    }
}

} // namespace config
