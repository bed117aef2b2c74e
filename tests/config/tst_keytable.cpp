#include "keytable.h"

#include <QComboBox>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

using config::KeyRows;

Q_DECLARE_METATYPE(const KeyRows *)

namespace {

const char *const kBackslash = "\\\\";

// A list as the window has it: editable, filled with one table.
struct FilledList {
    explicit FilledList(const KeyRows &rows)
    {
        list.setEditable(true);
        config::appendKeyRows(&list, rows);
    }
    QComboBox list;
};

void addTables()
{
    QTest::addColumn<const KeyRows *>("rows");
    QTest::newRow("standard") << &config::standardKeyRows();
    QTest::newRow("Combo11") << &config::combo11KeyRows();
}

} // namespace

class TestKeyTable : public QObject {
    Q_OBJECT

private slots:
    void namedRows_data();
    void namedRows();
    void combo11MovesOnlyTheBackslashRow();
    void codeGroups_data();
    void codeGroups();
    void codesAreUniqueAndOnlyTheListedOnesMissing_data() { addTables(); }
    void codesAreUniqueAndOnlyTheListedOnesMissing();

    void appendFillsEmptyListSelectingNothing_data() { addTables(); }
    void appendFillsEmptyListSelectingNothing();
    void appendKeepsSelectionOfNonEmptyList();

    void selectByCodeSelectsRow_data();
    void selectByCodeSelectsRow();
    void selectByUnknownCodeKeepsSelection_data();
    void selectByUnknownCodeKeepsSelection();
    void selectByCodeTakesLastMatch();
};

void TestKeyTable::namedRows_data()
{
    QTest::addColumn<const KeyRows *>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");

    const KeyRows *standard = &config::standardKeyRows();
    const KeyRows *combo11 = &config::combo11KeyRows();
    struct Case {
        const char *tag;
        const KeyRows *rows;
        int row;
        const char *name;
        int code;
    };
    const Case cases[] = {
        {"first", standard, 0, "NONE", 0},
        {"last", standard, 103, "NULL", 255},
        {"a", standard, 1, "a", 4},
        {"z", standard, 26, "z", 29},
        {"digit 0", standard, 36, "0", 39},
        {"first (", standard, 45, "(", 166},
        {"first )", standard, 46, ")", 167},
        {"second (", standard, 65, "(", 175},
        {"second )", standard, 66, ")", 176},
        {"BKSPC", standard, 49, "BKSPC", 42},
        {"SPACE5", standard, 51, "SPACE5", 44},
        {"backslash", standard, 56, kBackslash, 49},
        {"semicolon", standard, 57, "; SEMICOLON", 51},
        {"SNGLQUOTE", standard, 58, "' SNGLQUOTE", 52},
        {"period", standard, 61, ". PERIOD", 55},
        {"vertical bar", standard, 67, "|", 177},
        {"DBLQUOTE", standard, 69, " DBLQUOTE", 180},
        {"F12", standard, 85, "F12", 69},
        {"PRNTSCRN", standard, 86, "PRNTSCRN", 70},
        {"SCRLLOCK", standard, 87, "SCRLLOCK", 71},
        {"PGDN", standard, 93, "PGDN", 78},
        {"RIGHT", standard, 94, "RIGHT", 79},
        {"KP ENTER", standard, 102, "KP ENTER", 88},
        {"Combo11 ]", combo11, 55, "]", 48},
        {"Combo11 semicolon", combo11, 56, "; SEMICOLON", 51},
        {"Combo11 period", combo11, 60, ". PERIOD", 55},
        {"Combo11 backslash", combo11, 61, kBackslash, 49},
        {"Combo11 /", combo11, 62, "/", 56},
        {"Combo11 last", combo11, 103, "NULL", 255},
    };
    for (const Case &c : cases)
        QTest::newRow(c.tag) << c.rows << c.row << QString::fromUtf8(c.name) << c.code;
}

void TestKeyTable::namedRows()
{
    QFETCH(const KeyRows *, rows);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, code);
    QCOMPARE(QString::fromUtf8((*rows)[row].name), name);
    QCOMPARE((*rows)[row].code, code);
}

void TestKeyTable::combo11MovesOnlyTheBackslashRow()
{
    const KeyRows &standard = config::standardKeyRows();
    const KeyRows &combo11 = config::combo11KeyRows();
    for (int row = 0; row < config::kKeyRowCount; ++row) {
        const int standardRow = row < 56 || row > 61 ? row : row == 61 ? 56 : row + 1;
        QCOMPARE(QString::fromUtf8(combo11[row].name), QString::fromUtf8(standard[standardRow].name));
        QCOMPARE(combo11[row].code, standard[standardRow].code);
    }
}

void TestKeyTable::codeGroups_data()
{
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("firstCode");

    QTest::newRow("NONE") << 0 << 0 << 0;
    QTest::newRow("letters") << 1 << 26 << 4;
    QTest::newRow("digits") << 27 << 36 << 30;
    QTest::newRow("shifted digits") << 37 << 46 << 158;
    QTest::newRow("ENTER..SPACE5") << 47 << 51 << 40;
    QTest::newRow("MINUS..backslash") << 52 << 56 << 45;
    QTest::newRow("SEMICOLON../") << 57 << 62 << 51;
    QTest::newRow("UNDERSCORE..|") << 63 << 67 << 173;
    QTest::newRow("COLON..?") << 68 << 73 << 179;
    QTest::newRow("F1..F12") << 74 << 85 << 58;
    QTest::newRow("PRNTSCRN..SCRLLOCK") << 86 << 87 << 70;
    QTest::newRow("INSERT..PGDN") << 88 << 93 << 73;
    QTest::newRow("arrows") << 94 << 97 << 79;
    QTest::newRow("keypad") << 98 << 102 << 84;
    QTest::newRow("NULL") << 103 << 103 << 255;
}

void TestKeyTable::codeGroups()
{
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(int, firstCode);
    const KeyRows &rows = config::standardKeyRows();
    for (int row = firstRow; row <= lastRow; ++row)
        QCOMPARE(rows[row].code, firstCode + (row - firstRow));
}

void TestKeyTable::codesAreUniqueAndOnlyTheListedOnesMissing()
{
    QFETCH(const KeyRows *, rows);
    QSet<int> carried;
    for (const config::KeyRow &row : *rows)
        carried.insert(row.code);
    QCOMPARE(carried.size(), config::kKeyRowCount);

    const auto listedMissing = [](int code) {
        return (code >= 1 && code <= 3) || code == 50 || code == 57 || code == 72 || code == 83
            || (code >= 89 && code <= 157) || (code >= 168 && code <= 172) || code == 178
            || (code >= 185 && code <= 254);
    };
    for (int code = 0; code <= 255; ++code) {
        if (carried.contains(code) == listedMissing(code))
            QFAIL(qPrintable(QStringLiteral("code %1").arg(code)));
    }
}

void TestKeyTable::appendFillsEmptyListSelectingNothing()
{
    QFETCH(const KeyRows *, rows);
    QComboBox list;
    list.setEditable(true);
    QSignalSpy indexChanges(&list, &QComboBox::currentIndexChanged);

    config::appendKeyRows(&list, *rows);

    QCOMPARE(list.count(), config::kKeyRowCount);
    for (int row = 0; row < config::kKeyRowCount; ++row) {
        QCOMPARE(list.itemText(row), QString::fromUtf8((*rows)[row].name));
        QCOMPARE(list.itemData(row).toInt(), (*rows)[row].code);
    }
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(indexChanges.count(), 0);
}

void TestKeyTable::appendKeepsSelectionOfNonEmptyList()
{
    FilledList filled(config::standardKeyRows());
    filled.list.setCurrentIndex(5);
    QSignalSpy indexChanges(&filled.list, &QComboBox::currentIndexChanged);

    config::appendKeyRows(&filled.list, config::combo11KeyRows());

    QCOMPARE(filled.list.count(), 2 * config::kKeyRowCount);
    QCOMPARE(filled.list.itemText(config::kKeyRowCount), QStringLiteral("NONE"));
    QCOMPARE(filled.list.itemData(config::kKeyRowCount + 61).toInt(), 49);
    QCOMPARE(filled.list.currentIndex(), 5);
    QCOMPARE(indexChanges.count(), 0);
}

void TestKeyTable::selectByCodeSelectsRow_data()
{
    QTest::addColumn<const KeyRows *>("rows");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("row");

    const KeyRows *standard = &config::standardKeyRows();
    const KeyRows *combo11 = &config::combo11KeyRows();
    QTest::newRow("NONE") << standard << 0 << 0;
    QTest::newRow("second (") << standard << 175 << 65;
    QTest::newRow("backslash") << standard << 49 << 56;
    QTest::newRow("NULL") << standard << 255 << 103;
    QTest::newRow("Combo11 backslash") << combo11 << 49 << 61;
    QTest::newRow("Combo11 period") << combo11 << 55 << 60;
}

void TestKeyTable::selectByCodeSelectsRow()
{
    QFETCH(const KeyRows *, rows);
    QFETCH(int, code);
    QFETCH(int, row);
    FilledList filled(*rows);
    filled.list.setCurrentIndex(10);
    QSignalSpy indexChanges(&filled.list, &QComboBox::currentIndexChanged);

    config::selectByCode(&filled.list, code);

    QCOMPARE(filled.list.currentIndex(), row);
    QCOMPARE(indexChanges.count(), 1);
    QCOMPARE(indexChanges.at(0).at(0).toInt(), row);
}

void TestKeyTable::selectByUnknownCodeKeepsSelection_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("selected");

    for (int code : {50, 83, 200, -1, 256}) {
        QTest::addRow("%d, row 10 selected", code) << code << 10;
        QTest::addRow("%d, nothing selected", code) << code << -1;
    }
}

void TestKeyTable::selectByUnknownCodeKeepsSelection()
{
    QFETCH(int, code);
    QFETCH(int, selected);
    FilledList filled(config::standardKeyRows());
    filled.list.setCurrentIndex(selected);
    QSignalSpy indexChanges(&filled.list, &QComboBox::currentIndexChanged);

    config::selectByCode(&filled.list, code);

    QCOMPARE(filled.list.currentIndex(), selected);
    QCOMPARE(indexChanges.count(), 0);
}

void TestKeyTable::selectByCodeTakesLastMatch()
{
    // A list filled twice carries every code twice.
    FilledList filled(config::standardKeyRows());
    config::appendKeyRows(&filled.list, config::standardKeyRows());

    config::selectByCode(&filled.list, 49);

    QCOMPARE(filled.list.currentIndex(), config::kKeyRowCount + 56);
}

QTEST_MAIN(TestKeyTable)
#include "tst_keytable.moc"
