// Quick configuration presets.
#include "fakemessageboxes.h"
#include "form1.h"
#include "keylist.h"
#include "sensorfixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using fixture::list;
using fixture::modifierBox;
using fixture::text;

namespace {

// Everything a preset may touch, as text: code texts, displayed list texts
// and the modifier boxes of the ten keystroke slots.
QStringList keystrokeState(const QWidget *form)
{
    QStringList state;
    const QStringList codes = {"Key1Code", "Key2Code", "Key3Code", "Key4Code", "Key5Code",
                               "Text4(0)", "Text4(1)", "Text4(2)", "Text4(3)", "Text4(4)"};
    const int slotIndexes[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10};
    for (int i = 0; i < 10; ++i) {
        QString boxes;
        for (int bit = 1; bit <= 128; bit *= 2)
            boxes += modifierBox(form, bit, slotIndexes[i])->isChecked() ? QLatin1Char('x') : QLatin1Char('.');
        state << text(form, codes[i])->text() + QLatin1Char('/') +
                     list(form, slotIndexes[i] + 1)->currentText() + QLatin1Char('/') + boxes;
    }
    return state;
}

} // namespace

class TestPresets : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void presets_data();
    void presets();
    void windowsClassicAndWindows2000AreTheSame();
    void orderOfPresets();
    void comparesWithTheResetSensor();
    void failedResetStillFillsTheWindow();
    void presetsSelectTheShownKeysRow_data();
    void presetsSelectTheShownKeysRow();
    void theKeyboardGoesOnFromThePresetsKey();
    void choosingTheSelectedRowAfterAPreset();

private:
    void choose(const char *option)
    {
        form_->findChild<QRadioButton *>(QLatin1String(option))->click();
    }

    FakeMessageBoxes boxes_;
    std::unique_ptr<Form1> form_;
};

void TestPresets::init()
{
    form_ = fixture::openWindow(boxes_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestPresets::cleanup()
{
    form_.reset();
}

void TestPresets::presets_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("expected");

    // Boxes by bit value 1, 2, 4, ..., 128 ('x' checked). Before the preset
    // (stored sample): walk-away 1 Ctrl+Alt, 3 GUI+right GUI, 5 Shift;
    // walk-up 1 Ctrl. A preset sets or clears only the boxes it names.
    QTest::newRow("Windows 2000")
        << "Option1"
        << QStringList{"76/DELETE/x.x.....", "14/k/........",     "42/BCKSPC/...x...x",
                       "41/ESC/........",    "0/NONE/.x......",   "76/DELETE/x.x.....",
                       "0/NONE/........",    "0/NONE/........",   "0/NONE/........",
                       "0/NONE/........"};
    QTest::newRow("XP Welcome Screen")
        << "Option3"
        << QStringList{"15/L/...x....",   "0/NONE/........", "0/NONE/...x...x", "0/NONE/........",
                       "0/NONE/.x......", "0/NONE/........", "0/NONE/........", "0/NONE/........",
                       "0/NONE/........", "0/NONE/........"};
}

void TestPresets::presets()
{
    QFETCH(QString, option);
    QFETCH(QStringList, expected);

    choose(option.toLatin1().constData());
    QCOMPARE(keystrokeState(form_.get()), expected);
    QCOMPARE(fixture::calledFunctions().first(), QStringLiteral("ResetFactoryDflts"));
    QVERIFY(boxes_.shown.isEmpty());
    // The idle keystroke, delays and range are not touched.
    QCOMPARE(text(form_.get(), "Key6Code")->text(), QStringLiteral("76"));
    QCOMPARE(text(form_.get(), "InterKeyDelay")->text(), QStringLiteral("4"));
    QCOMPARE(text(form_.get(), "MaxDist")->text(), QStringLiteral("40"));
}

void TestPresets::windowsClassicAndWindows2000AreTheSame()
{
    choose("Option1");
    const QStringList windows2000 = keystrokeState(form_.get());
    choose("Option3");
    choose("Option2");
    QCOMPARE(keystrokeState(form_.get()), windows2000);
}

void TestPresets::orderOfPresets()
{
    choose("Option1");
    choose("Option3");
    QCOMPARE(keystrokeState(form_.get()).first(), QStringLiteral("15/L/...x...."));
    QCOMPARE(keystrokeState(form_.get()).at(5), QStringLiteral("0/NONE/........"));

    choose("Option1");
    QCOMPARE(keystrokeState(form_.get()).first(), QStringLiteral("76/DELETE/x.x....."));

    // A box the user set in a slot the preset touches keeps its state.
    modifierBox(form_.get(), 2, 1)->setChecked(true);
    modifierBox(form_.get(), 16, 0)->setChecked(true);
    choose("Option3");
    QVERIFY(modifierBox(form_.get(), 2, 1)->isChecked());
    QVERIFY(modifierBox(form_.get(), 16, 0)->isChecked());
}

void TestPresets::comparesWithTheResetSensor()
{
    choose("Option3");
    // The sensor now holds its factory defaults, which the window (still
    // showing the sample's delays and range) does not.
    QCOMPARE(kv3sim::stored().sonar.MaxDist, kv3sim::factoryDefaults().sonar.MaxDist);
    QVERIFY(fixture::box(form_.get(), "ConfigChanged")->isChecked());


    // On a sensor that already holds its defaults, only the preset's
    // keystrokes differ.
    fixture::resetSensor(kv3sim::factoryDefaults());
    Form1 form(boxes_);
    QVERIFY(!fixture::box(&form, "ConfigChanged")->isChecked());
    form.findChild<QRadioButton *>(QStringLiteral("Option3"))->click();
    QVERIFY(fixture::box(&form, "ConfigChanged")->isChecked());
    QVERIFY(!form.DeviceUpdated());
}

void TestPresets::failedResetStillFillsTheWindow()
{
    kv3sim::injectFailure({"ResetFactoryDflts", 2, 1});
    choose("Option1");
    QCOMPARE(boxes_.texts(), QStringList{fixture::errorPrompt(QStringLiteral("USB reset 2"))});
    QCOMPARE(text(form_.get(), "Key3Code")->text(), QStringLiteral("42"));
    QCOMPARE(list(form_.get(), 3)->currentText(), QStringLiteral("BCKSPC"));
}

void TestPresets::presetsSelectTheShownKeysRow_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("row"); // the selected row's own name

    // "BCKSPC" and "L" name no row: the preset's code decides the row.
    QTest::newRow("Windows 2000, walk-away 1") << "Option1" << 1 << "DELETE" << "DELETE";
    QTest::newRow("Windows 2000, walk-away 3") << "Option1" << 3 << "BCKSPC" << "BKSPC";
    QTest::newRow("Windows 2000, walk-away 5") << "Option1" << 5 << "NONE" << "NONE";
    QTest::newRow("Windows 2000, walk-up 1") << "Option1" << 7 << "DELETE" << "DELETE";
    QTest::newRow("XP Welcome Screen, walk-away 1") << "Option3" << 1 << "L" << "l";
    QTest::newRow("XP Welcome Screen, walk-up 3") << "Option3" << 9 << "NONE" << "NONE";
}

void TestPresets::presetsSelectTheShownKeysRow()
{
    QFETCH(QString, option);
    QFETCH(int, list);
    QFETCH(QString, shown);
    QFETCH(QString, row);

    // No list handler runs: each would copy its row's code again.
    QList<QSignalSpy *> handlers;
    for (int number = 1; number <= 12; ++number)
        handlers << new QSignalSpy(qobject_cast<ui::KeyList *>(fixture::list(form_.get(), number)),
                                   &ui::KeyList::rowChosen);
    choose(option.toLatin1().constData());
    for (QSignalSpy *spy : handlers)
        QCOMPARE(spy->count(), 0);
    qDeleteAll(handlers);

    QComboBox *combo = fixture::list(form_.get(), list);
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(combo->itemText(combo->currentIndex()), row);
}

void TestPresets::theKeyboardGoesOnFromThePresetsKey()
{
    choose("Option3");
    QComboBox *combo = list(form_.get(), 1);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("m"));
    QCOMPARE(text(form_.get(), "Key1Code")->text(), QStringLiteral("16"));
}

void TestPresets::choosingTheSelectedRowAfterAPreset()
{
    // The preset shows "L" over the selected row "l": choosing that row
    // copies its code again and shows the row's own name.
    choose("Option3");
    QComboBox *combo = list(form_.get(), 1);
    kv3sim::clearTrace();
    combo->showPopup();
    combo->view()->setCurrentIndex(combo->model()->index(combo->currentIndex(), 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QCOMPARE(text(form_.get(), "Key1Code")->text(), QStringLiteral("15"));
    QCOMPARE(combo->currentText(), QStringLiteral("l"));
    QCOMPARE(fixture::callsOf("GetIdleParms"), 1); // the handler's CheckUpdate
}

QTEST_MAIN(TestPresets)
#include "tst_presets.moc"
